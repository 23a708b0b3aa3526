#include "state/Cp932.h"

#include <gtest/gtest.h>

using namespace fw;

TEST(Cp932, AsciiBytesAreTheirOwnCharactersBothWays)
{
    QByteArray bytes;
    QString text;
    for (int b = 0; b < 0x80; ++b) {
        bytes += char(b);
        text += QChar(b);
    }
    EXPECT_EQ(decodeCp932(bytes), text);
    EXPECT_EQ(encodeCp932(text), bytes);
    // The converter's IBM mapping would swap these three.
    EXPECT_EQ(decodeCp932("\x1a\x1c\x7f"), QStringLiteral("\x1a\x1c\x7f"));
    EXPECT_EQ(cp932ByteCount(text), 0x80);
}

TEST(Cp932, UndecodableBytesBecomeReplacementsAndAreWrittenAsQuestionMarks)
{
    // 0x81 0x20: a lead byte without its trail; 0xFF and 0x85 0x40 (unassigned
    // pair) have no character; 0xB1 is half-width katakana.
    const QString text = decodeCp932("\x81 \xff\x85\x40\xb1\x95\xe0");
    EXPECT_EQ(text, QStringLiteral("\uFFFD \uFFFD\uFFFD\uFF71\u6B69"));
    EXPECT_EQ(encodeCp932(text), QByteArray("? ??\xb1\x95\xe0"));
    EXPECT_EQ(cp932ByteCount(text), 7);
    EXPECT_EQ(cp932CharacterLength("\x95\xe0"), 2);
    EXPECT_EQ(cp932CharacterLength("\x95\x20"), 1);
    EXPECT_EQ(cp932CharacterLength(""), 0);
}

TEST(Cp932, EveryDecodedCharacterWritesBackToBytesThatReadAsIt)
{
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        QByteArray bytes;
        for (int trail = 0x00; trail <= 0xFF; ++trail) {
            bytes += char(lead);
            bytes += char(trail);
        }
        QString text = decodeCp932(bytes);
        ASSERT_EQ(decodeCp932(encodeCp932(text)), text.replace(QChar(0xFFFD), u'?')) << lead;
    }
}

#include "state/Cp932.h"

#include "Cp932Reference.h"
#include "state/Cp932Layout.h"

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

namespace {

const Cp932Reference &systemConverter()
{
    static const Cp932Reference codes = buildCp932Reference();
    return codes;
}

QString decodedAs(char16_t c)
{
    return QString(QChar(c ? c : u'\uFFFD'));
}

QByteArray encodedAs(char16_t c)
{
    return systemConverter().encoding.value(c, "?");
}

} // namespace

// The program's tables are checked in; the system's converter is the
// authority they were made from.
TEST(Cp932, EverySingleByteReadsAndWritesAsTheSystemConverterHasIt)
{
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        const char bytes[] = {char(byte)};
        const QString text = decodeCp932(QByteArrayView(bytes, 1));
        // A lead byte at the end has lost its trail byte.
        const char16_t expected = isCp932LeadByte(uchar(byte)) ? 0 : systemConverter().single[byte];
        ASSERT_EQ(text, decodedAs(expected)) << byte;
        ASSERT_EQ(encodeCp932(text), encodedAs(expected)) << byte;
    }
}

TEST(Cp932, EveryBytePairReadsAndWritesAsTheSystemConverterHasIt)
{
    for (int lead = 0x00; lead <= 0xFF; ++lead) {
        for (int trail = 0x00; trail <= 0xFF; ++trail) {
            const char bytes[] = {char(lead), char(trail)};
            const QString text = decodeCp932(QByteArrayView(bytes, 2));
            const QString second = decodeCp932(QByteArrayView(bytes + 1, 1));
            if (!isCp932LeadByte(uchar(lead))) {
                ASSERT_EQ(text, decodeCp932(QByteArrayView(bytes, 1)) + second) << lead << trail;
            } else if (!isCp932TrailByte(uchar(trail))) {
                ASSERT_EQ(text, QStringLiteral("\uFFFD") + second) << lead << trail;
            } else {
                const char16_t expected = systemConverter().pair(uchar(lead), uchar(trail));
                ASSERT_EQ(text, decodedAs(expected)) << lead << trail;
                ASSERT_EQ(encodeCp932(text), encodedAs(expected)) << lead << trail;
            }
        }
    }
}

TEST(Cp932, EveryCharacterOfTheBasicPlaneIsWrittenAsTheSystemConverterHasIt)
{
    for (int c = 0x80; c <= 0xFFFF; ++c) {
        const char16_t character = char16_t(c);
        const QStringView text(&character, 1);
        const QByteArray expected = encodedAs(character);
        ASSERT_EQ(encodeCp932(text), expected) << c;
        ASSERT_EQ(cp932ByteCount(text), expected.size()) << c;
        ASSERT_EQ(cutToCp932Bytes(text, 1).size(), expected.size() == 1 ? 1 : 0) << c;
    }
}

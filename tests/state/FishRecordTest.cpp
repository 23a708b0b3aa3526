#include "state/FishRecord.h"
#include "state/Cp932.h"

#include <gtest/gtest.h>

using namespace fw;

TEST(FishRecord, IsAlwaysOneHundredTwentyCharacters)
{
    EXPECT_EQ(FishRecord().text(), QString(120, u' '));
    EXPECT_EQ(FishRecord(QStringLiteral("0")).text().size(), 120);
    const FishRecord longRecord(QString(130, u'x'));
    EXPECT_EQ(longRecord.text(), QString(120, u'x'));
}

TEST(FishRecord, CountsCharactersNotBytes)
{
    FishRecord record(QStringLiteral("1"));
    ASSERT_TRUE(record.setField(u"name", QStringLiteral("*歩惟綾華泉").leftJustified(10, u' ')));
    EXPECT_EQ(record.text().size(), 120);
    EXPECT_EQ(record.name(), QStringLiteral("*歩惟綾華泉    "));
    // Five full-width characters take ten bytes in the file.
    EXPECT_EQ(cp932ByteCount(record.text()), 125);
}

TEST(FishRecord, NumberFieldsAreFiveCharacters)
{
    EXPECT_EQ(FishRecord::numberField(123), QStringLiteral("00123"));
    EXPECT_EQ(FishRecord::numberField(-5), QStringLiteral("-0005"));
    EXPECT_EQ(FishRecord::numberField(0), QStringLiteral("00000"));
    EXPECT_EQ(FishRecord::numberField(32767), QStringLiteral("32767"));
    // Far-off values stay five characters so the fields after them keep
    // their place.
    EXPECT_EQ(FishRecord::numberField(-32768), QStringLiteral("-9999"));
    EXPECT_EQ(FishRecord::numberField(123456), QStringLiteral("99999"));
}

TEST(FishRecord, SetFieldReplacesExactlyTheFieldAndRejectsUnknownKeys)
{
    FishRecord record(QStringLiteral("2"));
    ASSERT_TRUE(record.setField(u"left", u"-0005"));
    ASSERT_TRUE(record.setField(u"top", u"00123"));
    ASSERT_TRUE(record.setField(u"movex", u"00007"));
    ASSERT_TRUE(record.setField(u"movey", u"-0003"));
    ASSERT_TRUE(record.setField(u"age", u"46000"));
    ASSERT_TRUE(record.setField(u"sex", u"1"));
    EXPECT_EQ(record.left(), -5);
    EXPECT_EQ(record.top(), 123);
    EXPECT_EQ(record.movex(), 7);
    EXPECT_EQ(record.movey(), -3);
    EXPECT_EQ(record.birthDay(), 46000);
    EXPECT_EQ(record.sex(), u'1');
    EXPECT_EQ(record.species(), u'2');
    EXPECT_EQ(record.text().mid(100), QStringLiteral("-00050012300007-0003"));

    const FishRecord before = record;
    EXPECT_FALSE(record.setField(u"colour", u"1"));
    EXPECT_FALSE(record.setField(u"Name", u"x"));
    EXPECT_EQ(record, before);
}

TEST(FishRecord, ALongerValueShiftsTheRestAndIsCutTo120)
{
    // The value goes in unchanged; callers pass the field's width.
    FishRecord record(QStringLiteral("0") + QString(99, u' ') +
                      QStringLiteral("11111222223333344444"));
    ASSERT_TRUE(record.setField(u"left", u"123456"));
    EXPECT_EQ(record.text().size(), 120);
    EXPECT_EQ(record.text().mid(100), QStringLiteral("12345622222333334444"));
}

TEST(FishRecord, JunkFieldsReadAsZeroOrTheirNumericPrefix)
{
    FishRecord record(QStringLiteral("x") + QString(99, u' ') +
                      QStringLiteral("abcde 12ab-7   9.6  "));
    EXPECT_EQ(record.left(), 0);
    EXPECT_EQ(record.top(), 12);
    EXPECT_EQ(record.movex(), -7);
    EXPECT_EQ(record.movey(), 10);
    EXPECT_EQ(record.speciesIndex(), -1);
    EXPECT_EQ(FishRecord(QStringLiteral("5")).speciesIndex(), 5);
    EXPECT_EQ(FishRecord(QStringLiteral("6")).speciesIndex(), -1);
}

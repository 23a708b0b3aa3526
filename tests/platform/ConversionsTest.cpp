#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

using namespace fw;

TEST(Conversions, NearestTakesHalvesToEven)
{
    EXPECT_EQ(nearest(1.5), 2);
    EXPECT_EQ(nearest(2.5), 2);
    EXPECT_EQ(nearest(-0.5), 0);
    EXPECT_EQ(nearest(-1.5), -2);
    EXPECT_EQ(nearest(-2.5), -2);
    EXPECT_EQ(nearest(2.4999), 2);
    EXPECT_EQ(nearestInt(3.0 / 2), 2);
    EXPECT_EQ(nearestInt(5.0 / 2), 2);
    EXPECT_EQ(nearestInt(-3.0 / 2), -2);
    EXPECT_EQ(nearestInt(1e12), std::numeric_limits<int>::max());
}

TEST(Conversions, TruncGoesTowardZero)
{
    EXPECT_EQ(truncInt(3 * 0.5), 1);
    EXPECT_EQ(truncInt(-3 * 0.5), -1);
    EXPECT_EQ(truncInt(0.5), 0);
    EXPECT_EQ(truncInt(-0.99), 0);
}

TEST(Conversions, DrawScalesAndTruncates)
{
    test::ScriptedRandom random{0.0, 0.999999, 0.5, 0.25};
    EXPECT_EQ(draw(random, 21), 0);
    EXPECT_EQ(draw(random, 21), 20);
    EXPECT_EQ(draw(random, 2), 1);
    EXPECT_EQ(draw(random, 4), 1);
}

TEST(Conversions, DecimalPrefixReadsLeadingNumberOnly)
{
    EXPECT_EQ(decimalPrefix(u"150"), 150);
    EXPECT_EQ(decimalPrefix(u"  42abc"), 42);
    EXPECT_EQ(decimalPrefix(u"-12.5x"), -12.5);
    EXPECT_EQ(decimalPrefix(u"abc"), 0);
    EXPECT_EQ(decimalPrefix(u""), 0);
    EXPECT_EQ(decimalPrefix(u"     "), 0);
    EXPECT_EQ(decimalPrefix(u"１２"), 0); // full-width digits are not digits here
}

TEST(Conversions, Int16FailsOutsideRange)
{
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768), -32768);
    EXPECT_FALSE(toInt16(32767.5).has_value()); // rounds to 32768
    EXPECT_FALSE(toInt16(-32769).has_value());
    EXPECT_EQ(toInt16(2.5), 2);
}

TEST(Conversions, TextToInt16NeedsAWholeNumber)
{
    EXPECT_EQ(textToInt16(u"07"), 7);
    EXPECT_EQ(textToInt16(u" 12 "), 12);
    EXPECT_EQ(textToInt16(u"-3.5"), -4);
    EXPECT_FALSE(textToInt16(u"").has_value());
    EXPECT_FALSE(textToInt16(u"12a").has_value());
    EXPECT_FALSE(textToInt16(u"40000").has_value());
    EXPECT_FALSE(textToInt16(u"-").has_value());
}

TEST(Clock, DayNumbersCountFromDecember30Of1899)
{
    EXPECT_EQ(Clock::dayNumberOf(QDate(1899, 12, 30)), 0);
    EXPECT_EQ(Clock::dayNumberOf(QDate(1900, 1, 1)), 2);
    EXPECT_EQ(Clock::dayNumberOf(QDate(2000, 1, 1)), 36526);
}

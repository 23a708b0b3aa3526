#include "aquarium/AquariumModel.h"
#include "aquarium/ClockText.h"
#include "aquarium/EndRule.h"
#include "aquarium/MovementResponse.h"
#include "platform/Surface.h"
#include "state/SettingsRecord.h"
#include "support/FixedClock.h"

#include <gtest/gtest.h>

namespace fw::test {
namespace {

TEST(ClockFormatTest, StylesSelectTheirFormatsAndAnythingElseTheFirst)
{
    EXPECT_EQ(ClockFormat(u"00"), u"yyyy/mm/dd  hh:nn:ss");
    EXPECT_EQ(ClockFormat(u"02"), u"yyyy/mm/dd");
    EXPECT_EQ(ClockFormat(u"05"), u"yy/mm/dd");
    EXPECT_EQ(ClockFormat(u"07"), u"hh:nn");
    for (QStringView other : {u"2", u"", u"08", u"0", u"002", u"x"})
        EXPECT_EQ(ClockFormat(other), u"yyyy/mm/dd  hh:nn:ss") << other.toString().toStdString();
}

TEST(ClockFormatTest, FormatsEveryStyleWithLeadingZeros)
{
    const QDateTime when(QDate(2009, 3, 4), QTime(5, 6, 7));
    const std::pair<const char16_t *, const char16_t *> expected[] = {
        {u"00", u"2009/03/04  05:06:07"},
        {u"01", u"2009/03/04 05:06"},
        {u"02", u"2009/03/04"},
        {u"03", u"09/03/04 05:06:07"},
        {u"04", u"09/03/04 05:06"},
        {u"05", u"09/03/04"},
        {u"06", u"05:06:07"},
        {u"07", u"05:06"},
    };
    ClockText text;
    for (const auto &[style, result] : expected) {
        text.format(when, ClockFormat(style));
        EXPECT_EQ(text.view(), QStringView(result));
    }
}

class EndRuleTest : public ::testing::Test
{
protected:
    SettingsRecord settings;
    FixedClock clock{QDateTime(QDate(2026, 12, 8), QTime(9, 0))};
};

TEST_F(EndRuleTest, ByPattern)
{
    settings.date = QStringLiteral("2026/12/08");
    settings.endpattern = QStringLiteral("0");
    EXPECT_TRUE(endRuleSaysEnd(settings, clock));
    settings.endpattern = QStringLiteral("1");
    EXPECT_TRUE(endRuleSaysEnd(settings, clock));
    settings.date = QStringLiteral("2026/12/07");
    EXPECT_FALSE(endRuleSaysEnd(settings, clock));
    settings.date = QStringLiteral("garbage");
    EXPECT_FALSE(endRuleSaysEnd(settings, clock));
    settings.date = QStringLiteral("2026/12/8");
    EXPECT_TRUE(endRuleSaysEnd(settings, clock));
    for (const char *other : {"2", "", "3", "00"}) {
        settings.endpattern = QString::fromLatin1(other);
        EXPECT_FALSE(endRuleSaysEnd(settings, clock)) << other;
    }
}

TEST_F(EndRuleTest, MovementCountsOnlyBeyondTwoPixels)
{
    AquariumModel model;
    settings.endpattern = QStringLiteral("0");
    EXPECT_EQ(movementResponse(model, settings, clock, 500, 500), MovementOutcome::Nothing);
    // Creeping in steps of up to two pixels never counts, however far it goes.
    for (int i = 1; i <= 50; ++i)
        ASSERT_EQ(movementResponse(model, settings, clock, 500 + 2 * i, 500 - (i % 3)),
                  MovementOutcome::Nothing);
    EXPECT_EQ(movementResponse(model, settings, clock, 600, 503), MovementOutcome::End);
    // An ending move is not recorded.
    EXPECT_EQ(model.mouseMove.x, 600);
    EXPECT_EQ(movementResponse(model, settings, clock, 603, 500), MovementOutcome::End);
}

TEST_F(EndRuleTest, CountingMoveShowsTheButtonsWhenThePatternGoesOn)
{
    AquariumModel model;
    settings.endpattern = QStringLiteral("1");
    settings.date = QStringLiteral("2026/12/01");
    movementResponse(model, settings, clock, 10, 10);
    EXPECT_EQ(movementResponse(model, settings, clock, 10, 13), MovementOutcome::ShowButtons);
    EXPECT_EQ(model.mouseMove.y, 13);
    EXPECT_EQ(movementResponse(model, settings, clock, 8, 14), MovementOutcome::Nothing);
}

TEST_F(EndRuleTest, AirPlacementMovesTheBubbleSource)
{
    AquariumModel model;
    settings.endpattern = QStringLiteral("2");
    settings.bubble_initx = 1;
    settings.bubble_inity = 1;
    movementResponse(model, settings, clock, 100, 100); // first event only records
    model.airPlacement = true;
    movementResponse(model, settings, clock, 101, 102);
    EXPECT_EQ(settings.bubble_initx, 101);
    EXPECT_EQ(settings.bubble_inity, 102);
}

} // namespace
} // namespace fw::test

#include "setup/SetupTable.h"
#include "setup/FishRegister.h"
#include "setup/ScrollBars.h"
#include "setup/SetupCommit.h"
#include "setup/TabGeometry.h"
#include "state/Fish.h"
#include "support/FixedClock.h"

#include "SetupFixture.h"

#include <gtest/gtest.h>

#include <map>

namespace fw {
namespace {

const LoadStep *stepFor(const std::vector<LoadStep> &steps, const QString &control)
{
    for (const LoadStep &step : steps) {
        if (step.control == control)
            return &step;
    }
    return nullptr;
}

qsizetype indexOf(const std::vector<LoadStep> &steps, const QString &control)
{
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (steps[i].control == control)
            return qsizetype(i);
    }
    return -1;
}

class MapReader final : public ControlReader
{
public:
    std::optional<std::int64_t> number(QStringView control) const override
    {
        const auto found = numbers.find(control.toString());
        if (found == numbers.end())
            return std::nullopt;
        return found->second;
    }
    QString text(QStringView control) const override
    {
        const auto found = texts.find(control.toString());
        return found == texts.end() ? QString() : found->second;
    }

    std::map<QString, std::optional<std::int64_t>> numbers;
    std::map<QString, QString> texts;
};

TEST(SetupLoading, ConvertsEachStoredTextAsItsRowSays)
{
    SettingsRecord record;
    record.foodtime1 = QStringLiteral("7");
    record.fishmovespeed = QStringLiteral("150ms"); // leading number taken
    record.screencleartime = QStringLiteral("30x"); // whole text must be a number
    record.forecolor = QStringLiteral("16776960");
    record.backcolor = QStringLiteral("16777216"); // beyond 24 bits
    record.timestyle = QStringLiteral("07");
    record.endpattern = QStringLiteral("99999"); // not 16-bit
    record.lighton = QStringLiteral("8.5");      // half to even
    record.bubble_view = 1;

    const std::vector<LoadStep> steps = loadSteps(record);
    EXPECT_EQ(stepFor(steps, "HScroll_food1")->number, 7);
    EXPECT_EQ(stepFor(steps, "Label_food1")->text, QStringLiteral("7時"));
    EXPECT_EQ(stepFor(steps, "HScroll_fishspeed")->number, 150);
    EXPECT_FALSE(stepFor(steps, "HScroll_screencleartime")->number);
    EXPECT_EQ(stepFor(steps, "Label_screencleartime")->text, QStringLiteral("30x分"));
    EXPECT_EQ(stepFor(steps, "pic_NameColor")->number, 16776960);
    EXPECT_FALSE(stepFor(steps, "Pic_BackColor")->number);
    EXPECT_EQ(stepFor(steps, "Combo_timeStyle")->number, 7);
    EXPECT_FALSE(stepFor(steps, "Option_endpattern")->number);
    EXPECT_EQ(stepFor(steps, "HScroll_lighton")->number, 8);
    EXPECT_EQ(stepFor(steps, "Check_bubble_view")->number, 1);
    // The bubble count is a step of its own.
    EXPECT_EQ(stepFor(steps, "HScroll_bubble_count_max"), nullptr);
}

TEST(SetupLoading, WritesTheTemperatureLabelBeforeItsValueAndOtherLabelsAfter)
{
    SettingsRecord record;
    record.wtemp = QStringLiteral("26");
    const std::vector<LoadStep> steps = loadSteps(record);
    EXPECT_LT(indexOf(steps, "Label_wtemp"), indexOf(steps, "HScroll_wtemp"));
    EXPECT_GT(indexOf(steps, "Label_food1"), indexOf(steps, "HScroll_food1"));
    // The check box comes before the scroll bar it enables.
    EXPECT_LT(indexOf(steps, "Check_food1"), indexOf(steps, "HScroll_food1"));
    EXPECT_LT(indexOf(steps, "Check_timeVisible"), indexOf(steps, "Combo_timeposition"));
}

TEST(SetupLoading, LowersABubbleCountAboveTheDialogsLimitInTheRecordItself)
{
    SettingsRecord record;
    record.bubble_count_max = 1000;
    EXPECT_EQ(bubbleCountForDialog(record), 400);
    EXPECT_EQ(record.bubble_count_max, 400);
    record.bubble_count_max = 250;
    EXPECT_EQ(bubbleCountForDialog(record), 250);
}

TEST(SetupCommitTable, StoresEveryKeyInItsCommittedFormat)
{
    test::FixedClock clock;
    SettingsRecord record;
    record.endpattern = QStringLiteral("2");
    record.timestyle = QStringLiteral("3");
    record.wchangedate = QStringLiteral("2001/01/01");
    MapReader controls;
    controls.numbers = {{"Option_endpattern", std::nullopt},
                        {"HScroll_fishspeed", 50},
                        {"pic_NameColor", 16776960},
                        {"Check_NameVisible", 1},
                        {"HScroll_screencleartime", 5},
                        {"Combo_timeStyle", std::nullopt},
                        {"Combo_timeposition", 3},
                        {"HScroll_food1", 7},
                        {"HScroll_wtemp", 26},
                        {"HScroll_wquantity", 5},
                        {"Check_bubble_view", 0},
                        {"Check_bubble_dist", 1},
                        {"HScroll_bubble_limity", 45},
                        {"HScroll_bubble_count_max", 400}};
    controls.texts = {{"txb_BackPicture", QStringLiteral("/tmp/海.jpg")}};

    commitSettings(record, controls, false, clock);
    EXPECT_EQ(record.endpattern, QStringLiteral("2")); // nothing selected: unchanged
    EXPECT_EQ(record.fishmovespeed, QStringLiteral("050"));
    EXPECT_EQ(record.forecolor, QStringLiteral("16776960"));
    EXPECT_EQ(record.namevisible, QStringLiteral("1"));
    EXPECT_EQ(record.screencleartime, QStringLiteral("05"));
    EXPECT_EQ(record.timestyle, QStringLiteral("3"));
    EXPECT_EQ(record.timeposition, QStringLiteral("03"));
    EXPECT_EQ(record.foodtime1, QStringLiteral("07"));
    EXPECT_EQ(record.wtemp, QStringLiteral("26"));
    EXPECT_EQ(record.wquantity, QStringLiteral("05"));
    EXPECT_EQ(record.screenbitmap, QStringLiteral("/tmp/海.jpg"));
    EXPECT_EQ(record.wchangedate, QStringLiteral("2001/01/01"));
    EXPECT_EQ(record.bubble_view, 0);
    EXPECT_EQ(record.bubble_dist, 1);
    EXPECT_EQ(record.bubble_limity, 45);
    EXPECT_EQ(record.bubble_count_max, 400);

    controls.numbers["HScroll_fishspeed"] = 1000;
    commitSettings(record, controls, true, clock);
    EXPECT_EQ(record.fishmovespeed, QStringLiteral("1000"));
    EXPECT_EQ(record.wchangedate, QStringLiteral("2026/12/08"));
}

TEST(SetupCommitTable, PadsWithZerosAfterTheSign)
{
    EXPECT_EQ(zeroPadded(7, 2), QStringLiteral("07"));
    EXPECT_EQ(zeroPadded(150, 2), QStringLiteral("150"));
    EXPECT_EQ(zeroPadded(-5, 2), QStringLiteral("-05"));
    EXPECT_EQ(zeroPadded(0, 3), QStringLiteral("000"));
}

TEST(SetupColours, AcceptOnly24BitColourTexts)
{
    EXPECT_EQ(colourFromText(u"0"), 0u);
    EXPECT_EQ(colourFromText(u" 16777215 "), 16777215u);
    EXPECT_FALSE(colourFromText(u"16777216"));
    EXPECT_FALSE(colourFromText(u"-1"));
    EXPECT_FALSE(colourFromText(u""));
    EXPECT_FALSE(colourFromText(u"blue"));
}

TEST(SetupScrollBars, LabelsShowTheValueWithItsUnit)
{
    const auto label = [](const char16_t *control, int value) {
        return findScrollSpec(QStringView(control))->labelText(value);
    };
    EXPECT_EQ(label(u"HScroll_food1", 7), QStringLiteral("07時"));
    EXPECT_EQ(label(u"HScroll_wtemp", 26), QStringLiteral("26℃"));
    EXPECT_EQ(label(u"HScroll_wquantity", 5), QStringLiteral("05㍑"));
    EXPECT_EQ(label(u"HScroll_wchangeinterval", 14), QStringLiteral("14日"));
    EXPECT_EQ(label(u"HScroll_bubble_limity", 0), QStringLiteral("0%"));
    EXPECT_EQ(label(u"HScroll_bubble_count_max", 250), QStringLiteral("250"));
    EXPECT_EQ(label(u"HScroll_fishspeed", 50), QStringLiteral("050ms"));
    EXPECT_EQ(label(u"HScroll_fishspeed", 1000), QStringLiteral("1000ms"));
    EXPECT_EQ(label(u"HScroll_screencleartime", 30), QStringLiteral("30分"));
    EXPECT_EQ(findScrollSpec(u"HScroll_wquantity")->smallStep, 5);
    EXPECT_EQ(findScrollSpec(u"hscroll_WTEMP")->minimum(), 18);
}

TEST(SetupTabs, DrawsEachTabFromThreeLinesAndOpensTheActiveOne)
{
    const TabLines second = tabLines(2);
    EXPECT_EQ(second.first, QLine(2460, 120, 2280, 480));
    EXPECT_EQ(second.top, QLine(2460, 120, 3900, 120));
    EXPECT_EQ(second.third, QLine(3900, 120, 4080, 480));
    EXPECT_EQ(tabOpeningTwips(2), QLine(2300, 480, 4060, 480));
    EXPECT_EQ(tabCaptionTwips(4).left(), 5940);
    EXPECT_EQ(twipsToPixels(QRect(QPoint(), setupClientTwips())).size(), QSize(542, 397));
    EXPECT_EQ(twipsToPixels(paneTwips()), QRect(12, 32, 521, 317));
}

using SetupFishCommit = test::SetupFixture;

TEST_F(SetupFishCommit, NamesAnUnnamedWorkingFishOnlyWhenItGoesBack)
{
    state.fish.count = 1;
    state.fish.at(1) = FishRecord(QStringLiteral("0") + QStringLiteral("ﾊﾅｺ").leftJustified(10) +
                                  QStringLiteral("460001"));
    takeWorkingFish(state);
    state.workingFish.count = 2;
    state.workingFish.at(2) =
        FishRecord(QStringLiteral("2") + QString(10, QLatin1Char(' ')) + QStringLiteral("460011"));
    ASSERT_TRUE(state.workingFish.at(2).name().trimmed().isEmpty());
    EXPECT_EQ(state.fish.count, 1);

    copyWorkingFishBack(state, random);
    ASSERT_EQ(state.fish.count, 2);
    EXPECT_EQ(state.fish.at(1), state.workingFish.at(1));
    EXPECT_FALSE(state.fish.at(2).name().trimmed().isEmpty());
    EXPECT_EQ(state.fish.at(2), state.workingFish.at(2));
    EXPECT_EQ(state.fish.at(2).species(), QLatin1Char('2'));
}

TEST_F(SetupFishCommit, TheTankKeepsItsFishValuesUntilOkAndEachFishTakesItsOwn)
{
    state.fish.count = 3;
    for (int p = 1; p <= 3; ++p) {
        state.fish.at(p) =
            FishRecord(QStringLiteral("%1fish%2      46000%3").arg(p).arg(p).arg(p % 2));
        state.values[p] =
            FishValues{std::int16_t(100 * p), std::int16_t(10 * p), 5, -3, 40, 30, 1, 10};
    }
    const auto tankValues = state.values;

    // Release the second fish, buy one, then Cancel: nothing in the tank moves.
    takeWorkingFish(state);
    ASSERT_TRUE(releaseFish(state, 2));
    ASSERT_TRUE(AddFish(state, random, clock, {1024, 768}, 1, 0, 1, 1, false));
    EXPECT_EQ(state.workingFish.count, 3);
    EXPECT_EQ(state.values, tankValues);

    // The same, then OK: the fish that moved up keeps its place and its step,
    // the new fish starts at rest.
    copyWorkingFishBack(state, random);
    ASSERT_EQ(state.fish.count, 3);
    EXPECT_TRUE(state.fish.at(2).text().startsWith(u"3fish3"));
    EXPECT_EQ(state.values[2].left, 300);
    EXPECT_EQ(state.values[2].movex, 5);
    EXPECT_EQ(state.values[1].left, 100);
    EXPECT_EQ(state.values[3].movex, 0);
    EXPECT_EQ(state.values[3].facing, 0);
}

TEST_F(SetupFishCommit, GivesTheIntervalAndColoursToTheAquariumBeforeSaving)
{
    test::FakeAquarium aquarium;
    state.savedInterval = 77;
    MapReader controls;
    ASSERT_TRUE(commitSetup(state, random, clock, &aquarium, {255, 65280}, controls, false));
    EXPECT_EQ(aquarium.interval, 77);
    EXPECT_EQ(aquarium.foreColor, 255u);
    EXPECT_EQ(aquarium.backColor, 65280u);
    EXPECT_EQ(stored("system", "date"), QStringLiteral("2026/12/08"));

    // Without an aquarium the commit still saves.
    EXPECT_TRUE(commitSetup(state, random, clock, nullptr, {}, controls, false));
}

} // namespace
} // namespace fw

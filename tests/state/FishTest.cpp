#include "state/Fish.h"
#include "platform/Clock.h"
#include "support/FixedClock.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

using namespace fw;
using fw::test::FixedClock;
using fw::test::ScriptedRandom;

namespace {

// A record of species, birth day, sex and name, the rest blank.
FishRecord fishRecord(QChar species, int birthDay, QChar sex, const QString &name = {})
{
    FishRecord record{QString(species)};
    record.setField(u"name", name.leftJustified(10, u' '));
    record.setField(u"age", FishRecord::numberField(birthDay));
    record.setField(u"sex", QString(sex));
    return record;
}

void addToTank(AppState &state, const FishRecord &record, std::int16_t width = 0,
               std::int16_t height = 0)
{
    state.fish.count += 1;
    state.fish.at(state.fish.count) = record;
    state.values[state.fish.count].width = width;
    state.values[state.fish.count].height = height;
}

const ScreenSize screen{1000, 800};

} // namespace

TEST(FishFields, ReadRawAndDisplayTexts)
{
    FixedClock clock;
    AppState state;
    addToTank(state, fishRecord(u'3', clock.dayNumber() - 42, u'0', QStringLiteral("*歩惟")));
    addToTank(state, fishRecord(u'9', clock.dayNumber(), u'1'));

    auto field = [&](int position, QStringView key, bool asText) {
        return GetFishField(state, clock, position, key, asText, false);
    };
    EXPECT_EQ(field(1, u"species", false), QStringLiteral("3"));
    EXPECT_EQ(field(1, u"species", true), QStringLiteral("ｼﾙﾊﾞｰﾊﾁｪｯﾄ"));
    EXPECT_EQ(field(2, u"species", true), QStringLiteral("ﾌﾒｲ"));
    EXPECT_EQ(field(1, u"name", false), QStringLiteral("*歩惟").leftJustified(10, u' '));
    EXPECT_EQ(field(1, u"age", false), FishRecord::numberField(clock.dayNumber() - 42));
    EXPECT_EQ(field(1, u"age", true), QStringLiteral("42"));
    EXPECT_EQ(field(2, u"age", true), QStringLiteral("0")); // born today
    EXPECT_EQ(field(1, u"sex", true), QStringLiteral("ﾒｽ"));
    EXPECT_EQ(field(2, u"sex", true), QStringLiteral("ｵｽ"));
    EXPECT_EQ(field(1, u"left", false), QStringLiteral("0"));
    EXPECT_FALSE(field(1, u"colour", false).has_value());
    EXPECT_FALSE(field(0, u"name", false).has_value());
    EXPECT_FALSE(field(100, u"name", false).has_value());
}

TEST(FishFields, SpeciesAndSexDisplayTextsAreTenAndTwoCharacters)
{
    for (char16_t code = u'0'; code <= u'5'; ++code)
        EXPECT_EQ(speciesDisplayText(QChar(code)).size(), 10) << char(code);
    EXPECT_EQ(speciesDisplayText(u'2'), QStringLiteral("ﾈｵﾝﾃﾄﾗ    "));
    EXPECT_EQ(sexDisplayText(u'x'), QStringLiteral("ｵｽ"));
}

TEST(FishFields, LeaderIsTheFirstFishOfTheSameSpecies)
{
    FixedClock clock;
    AppState state;
    for (QChar species : {u'1', u'2', u'1', u'2', u'4'})
        addToTank(state, fishRecord(species, 46000, u'0'));
    EXPECT_EQ(fishLeader(state, 3), 1);
    EXPECT_EQ(fishLeader(state, 4), 2);
    EXPECT_EQ(fishLeader(state, 2), 2);
    EXPECT_EQ(fishLeader(state, 5), 5);
    EXPECT_EQ(GetFishField(state, clock, 4, u"leader", false, false), QStringLiteral("2"));
}

TEST(FishFields, SetWorksOnTheChosenTable)
{
    AppState state;
    state.fish.count = 1;
    state.workingFish.count = 1;
    ASSERT_TRUE(SetFishField(state, 1, u"sex", u"1", true));
    EXPECT_EQ(state.workingFish.at(1).sex(), u'1');
    EXPECT_EQ(state.fish.at(1).sex(), u' ');
    EXPECT_FALSE(SetFishField(state, 1, u"leader", u"1", false));
}

TEST(AddFish, DrawsAgeSexLeftTopInThatOrderAndBuildsTheRecord)
{
    FixedClock clock;
    ScriptedRandom random;
    AppState state;
    state.values[1].movex = 9; // left over from an earlier fish
    random.pushDraw(189, 190); // age 199
    random.pushDraw(1, 2);     // male
    random.pushDraw(890, 891);
    random.pushDraw(711, 712);
    random.pushDraw(0, 80); // young: age 10
    random.pushDraw(0, 891);
    random.pushDraw(0, 712);
    ASSERT_TRUE(AddFish(state, random, clock, screen, 1, 2, 0, 0, true));
    ASSERT_TRUE(AddFish(state, random, clock, screen, 1, 5, 2, 1, true));
    EXPECT_EQ(random.remaining(), 0u);

    ASSERT_EQ(state.fish.count, 2);
    const QString expected = QStringLiteral("2") + QString(10, u' ') +
                             FishRecord::numberField(clock.dayNumber() - 199) + u'1' +
                             QString(74, u' ') + QString(20, u'0') + QString(9, u' ');
    EXPECT_EQ(state.fish.at(1).text(), expected);
    EXPECT_EQ(state.fish.at(1).left(), 0);
    EXPECT_EQ(state.values[1].left, 890);
    EXPECT_EQ(state.values[1].top, 711);
    EXPECT_EQ(state.values[1].movex, 0);
    EXPECT_EQ(state.values[1].topspeed, 10);
    EXPECT_EQ(state.fish.at(2).sex(), u'0');
    EXPECT_EQ(state.fish.at(2).birthDay(), clock.dayNumber() - 10);
    EXPECT_EQ(state.workingFish.count, 0);
}

TEST(AddFish, ToTheWorkingTableSetsOnlyTheWorkingValues)
{
    FixedClock clock;
    ScriptedRandom random{0.5, 0.25, 0.75};
    AppState state;
    state.workingFish.count = 3;
    ASSERT_TRUE(AddFish(state, random, clock, screen, 1, 4, 1, 2, false));
    EXPECT_EQ(state.workingFish.count, 4);
    EXPECT_EQ(state.workingFish.at(4).species(), u'4');
    EXPECT_EQ(state.workingFish.at(4).birthDay(), clock.dayNumber() - 150);
    EXPECT_EQ(state.workingValues[4].left, 222);
    EXPECT_EQ(state.workingValues[4].top, 534);
    // The tank's values at that place belong to the tank's own fish.
    EXPECT_EQ(state.values[4], FishValues{});
    EXPECT_EQ(state.fish.count, 0);
}

TEST(AddFish, OutOfRangeChoicesAreReportedAndAddNothing)
{
    FixedClock clock;
    ScriptedRandom random{0.5};
    AppState state;
    QStringList reports;
    auto report = [&](const QString &text) { reports << text; };
    EXPECT_FALSE(AddFish(state, random, clock, screen, 1, 0, 3, 0, true, report));
    EXPECT_FALSE(AddFish(state, random, clock, screen, 1, 0, 1, -1, true, report));
    EXPECT_EQ(reports, QStringList({QStringLiteral("規格外"), QStringLiteral("規格外")}));
    EXPECT_EQ(state.fish.count, 0);
}

TEST(AddFish, StopsAtTheTablesCapacity)
{
    FixedClock clock;
    ScriptedRandom random;
    AppState state;
    state.fish.count = 98;
    for (int i = 0; i < 6; ++i)
        random.push(0.1);
    EXPECT_FALSE(AddFish(state, random, clock, screen, 2, 0, 1, 1, true));
    EXPECT_EQ(state.fish.count, FishTable::Capacity);
}

TEST(SaveOrder, LargerSpritesFirstThenSpeciesThenOldestThenName)
{
    AppState state;
    addToTank(state, fishRecord(u'0', 46000, u'0', QStringLiteral("small")), 42, 17);
    addToTank(state, fishRecord(u'5', 46000, u'0', QStringLiteral("large")), 88, 104);
    addToTank(state, fishRecord(u'2', 46010, u'0', QStringLiteral("b")), 10, 10);
    addToTank(state, fishRecord(u'1', 46020, u'0', QStringLiteral("c")), 10, 10);
    addToTank(state, fishRecord(u'2', 46005, u'0', QStringLiteral("d")), 10, 10);
    addToTank(state, fishRecord(u'2', 46005, u'0', QStringLiteral("a")), 10, 10);
    for (int p = 1; p <= 6; ++p)
        state.values[p].left = static_cast<std::int16_t>(p * 100);

    prepareFishForSave(state);

    QStringList names;
    for (int p = 1; p <= state.fish.count; ++p)
        names << state.fish.at(p).name().trimmed().toString();
    EXPECT_EQ(names, QStringList({"large", "small", "c", "a", "d", "b"}));
    // The runtime values travel with their fish and are written into it.
    for (int p = 1; p <= state.fish.count; ++p)
        EXPECT_EQ(state.values[p].left, state.fish.at(p).left()) << p;
    EXPECT_EQ(state.values[1].width, 88);
    EXPECT_EQ(state.fish.at(1).left(), 200);
}

TEST(SaveOrder, WritesNegativeAndLargePositionsAsFiveCharacters)
{
    AppState state;
    addToTank(state, fishRecord(u'0', 46000, u'0'));
    state.values[1].left = -5;
    state.values[1].top = 123;
    state.values[1].movex = -32768;
    state.values[1].movey = 32767;
    prepareFishForSave(state);
    EXPECT_EQ(state.fish.at(1).text().mid(100), QStringLiteral("-000500123-999932767"));
}

#include "aquarium/life/Breeding.h"
#include "platform/Clock.h"
#include "state/AppState.h"
#include "state/Cp932.h"
#include "state/FishCondition.h"
#include "state/IniFile.h"
#include "state/SettingsFile.h"
#include "state/StateLoading.h"
#include "support/FixedClock.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace fw::test {
namespace {

constexpr int TankWidth = 800;
constexpr int TankHeight = 600;

// A tank of hand-made fish at 12:09:59, fed an hour ago, lit, clear and at
// 28 °C: the next tick, at 12:10:00, passes a ten-minute mark.
class Spawning : public ::testing::Test
{
protected:
    Spawning() : clock(QDateTime(QDate(2026, 12, 8), QTime(12, 9, 59)))
    {
        state.settings.fry = QStringLiteral("1");
        weather = {true, true, 28, clock.now().addSecs(-3600)};
    }

    int today() const { return clock.dayNumber(); }

    int addFish(int species, int daysOld, QChar sex, int left = 300, int top = 300)
    {
        const int p = ++state.fish.count;
        state.fish.at(p) = FishRecord(QString(QChar(u'0' + species)) +
                                      QStringLiteral("Fish%1").arg(p).leftJustified(10) +
                                      FishRecord::numberField(today() - daysOld) + sex);
        state.values[p] = FishValues{};
        state.values[p].left = static_cast<std::int16_t>(left);
        state.values[p].top = static_cast<std::int16_t>(top);
        state.values[p].width = 40;
        state.values[p].height = 30;
        return p;
    }

    // The first tick sets the mark; the second, a second later, passes it.
    bool tickPastMark()
    {
        breeding.advance(state, random, clock.now(), weather, TankWidth, TankHeight);
        clock.advanceMs(1000);
        return breeding.advance(state, random, clock.now(), weather, TankWidth, TankHeight);
    }

    FixedClock clock;
    ScriptedRandom random;
    AppState state;
    BreedingWeather weather;
    Breeding breeding;
};

TEST_F(Spawning, AnAdultPairInAWellKeptTankSpawnsAndTheEggsAreSaved)
{
    addFish(0, 200, u'1', 100, 200);
    const int mother = addFish(0, 180, u'0', 420, 250);
    random.push(0.0);      // the chance: the first able species, angelfish
    random.pushDraw(0, 1); // the one female
    random.pushDraw(3, 4); // 2 + 3 = 5 fry
    EXPECT_TRUE(tickPastMark());
    EXPECT_EQ(random.remaining(), 0u);
    ASSERT_EQ(breeding.clutches().size(), 1u);
    const EggClutch &clutch = breeding.clutches()[0];
    EXPECT_EQ(clutch, (EggClutch{0, today(), today() + 3, 420, 250, 5, QStringLiteral("Fish2")}));
    EXPECT_EQ(state.settings.eggs,
              QStringLiteral("0,%1,%2,420,250,5,Fish2").arg(today()).arg(today() + 3));
    EXPECT_TRUE(breeding.courting());
    EXPECT_EQ(fishCondition(state, clock, mother, false), FishCondition::WithEggs);
    EXPECT_EQ(fishCondition(state, clock, 1, false), FishCondition::Adult);
}

TEST_F(Spawning, NeedsAPairOfAdultsAndATankThatSuitsThem)
{
    // Each case leaves one condition unmet: no draw is taken (a draw would
    // find the scripted generator empty and fail the test).
    const auto unmet = [this](const char *why) {
        breeding = Breeding{};
        clock.set(QDateTime(QDate(2026, 12, 8), QTime(12, 9, 59)));
        const QString eggs = state.settings.eggs;
        EXPECT_FALSE(tickPastMark()) << why;
        EXPECT_EQ(state.settings.eggs, eggs) << why;
        EXPECT_FALSE(breeding.courting()) << why;
        EXPECT_EQ(random.taken(), 0) << why;
    };
    addFish(0, 300, u'1');
    addFish(0, 179, u'0'); // a day short of spawning age
    addFish(1, 150, u'0');
    addFish(1, 150, u'0'); // two females, no male
    addFish(3, 300, u'0');
    addFish(3, 300, u'1'); // hatchetfish never spawn
    addFish(4, 99, u'0');
    addFish(4, 300, u'1');
    unmet("no pair of adults");

    state.fish.at(2).setField(u"age", FishRecord::numberField(today() - 180));
    weather.clearWater = false;
    unmet("cloudy water");
    weather.clearWater = true;
    weather.celsius = 31; // too warm for angelfish
    unmet("warm water");
    weather.celsius = 28;
    weather.lastFeeding = clock.now().addSecs(-25 * 3600);
    unmet("fed more than a day ago");
    weather.lastFeeding = QDateTime();
    unmet("never fed in this run");
    weather.lastFeeding = clock.now().addSecs(-60);
    weather.lightOn = false;
    unmet("the light is off");
    weather.lightOn = true;
    state.settings.fry = QStringLiteral("0");
    unmet("raising fry is switched off");
    state.settings.fry = QStringLiteral("1");
    state.settings.eggs = QStringLiteral("0,%1,%2,10,10,0").arg(today() - 6).arg(today() - 3);
    unmet("spawned six days ago");

    // A week after the last spawn, with everything met, one draw decides.
    state.settings.eggs = QStringLiteral("0,%1,%2,10,10,0").arg(today() - 7).arg(today() - 4);
    breeding = Breeding{};
    clock.set(QDateTime(QDate(2026, 12, 8), QTime(12, 9, 59)));
    random.push(0.99); // no luck this time
    tickPastMark();
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_TRUE(breeding.clutches().empty()); // the week-old record is forgotten
    EXPECT_TRUE(state.settings.eggs.isEmpty());
}

TEST_F(Spawning, AFullerTankSpawnsLessAndOneOfSixtyNever)
{
    addFish(2, 150, u'0');
    addFish(2, 150, u'1');
    while (state.fish.count < 44)
        addFish(3, 50, u'0');
    // At 44 fish the chance at a mark is half the first-run tank's 1/900.
    random.push(0.6 / 900);
    EXPECT_FALSE(tickPastMark());
    random.push({0.4 / 900, 0.0, 0.0}); // spawns: the one female, 3 fry
    clock.advanceMs(600 * 1000);
    EXPECT_TRUE(breeding.advance(state, random, clock.now(), weather, TankWidth, TankHeight));
    ASSERT_EQ(breeding.clutches().size(), 1u);
    EXPECT_EQ(breeding.clutches()[0].fry, 3);
    EXPECT_EQ(breeding.clutches()[0].hatchDay, today() + 1);

    while (state.fish.count < 60)
        addFish(3, 50, u'0');
    state.settings.eggs.clear();
    breeding = Breeding{};
    clock.set(QDateTime(QDate(2026, 12, 8), QTime(12, 29, 59)));
    const int taken = random.taken();
    EXPECT_FALSE(tickPastMark());
    EXPECT_EQ(random.taken(), taken);
}

TEST_F(Spawning, FryHatchNearTheEggsWithTheHatchDayAsTheirBirthDay)
{
    addFish(1, 150, u'0'); // Fish1, a glowlight tetra
    addFish(4, 150, u'0'); // Fish2, a corydoras
    // The corydoras' eggs were due yesterday, while the saver was off; the
    // tetra's hatch tomorrow.
    state.settings.eggs = QStringLiteral("4,%1,%2,500,520,2,Fish2;1,%3,%4,100,100,4,Fish1")
                              .arg(today() - 5)
                              .arg(today() - 1)
                              .arg(today())
                              .arg(today() + 1);
    EXPECT_EQ(fishCondition(state, clock, 2, false), FishCondition::WithEggs);
    // Per fry: sex, x and y about the eggs, then its name from the pool.
    random.pushDraw(0, 2);
    random.pushDraw(70, 121);
    random.pushDraw(24, 49);
    random.push(0.0);
    random.pushDraw(1, 2);
    random.pushDraw(0, 121);
    random.pushDraw(48, 49);
    random.push(0.0);
    EXPECT_TRUE(breeding.advance(state, random, clock.now(), weather, TankWidth, TankHeight));
    EXPECT_EQ(random.remaining(), 0u);
    ASSERT_EQ(state.fish.count, 4);
    const FishRecord &daughter = state.fish.at(3);
    const FishRecord &son = state.fish.at(4);
    EXPECT_EQ(daughter.text().left(17),
              QStringLiteral("4*歩惟       ") + FishRecord::numberField(today() - 1) + u'0');
    EXPECT_EQ(son.text().left(17),
              QStringLiteral("4*敦士       ") + FishRecord::numberField(today() - 1) + u'1');
    EXPECT_EQ((std::pair<int, int>(state.values[3].left, state.values[3].top)),
              (std::pair<int, int>(510, 520)));
    EXPECT_EQ((std::pair<int, int>(state.values[4].left, state.values[4].top)),
              (std::pair<int, int>(440, 544)));
    EXPECT_EQ(state.values[3].movex, 0);
    EXPECT_EQ(fishCondition(state, clock, 3, false), FishCondition::Fry);
    EXPECT_EQ(fishCondition(state, clock, 2, false), FishCondition::Adult);
    EXPECT_EQ(fishCondition(state, clock, 1, false), FishCondition::WithEggs);
    EXPECT_EQ(state.settings.eggs, QStringLiteral("4,%1,%2,500,520,0;1,%3,%4,100,100,4,Fish1")
                                       .arg(today() - 5)
                                       .arg(today() - 1)
                                       .arg(today())
                                       .arg(today() + 1));
    // Nothing more is due: the next tick changes nothing and draws nothing.
    EXPECT_FALSE(breeding.advance(state, random, clock.now(), weather, TankWidth, TankHeight));
}

TEST_F(Spawning, TheTankNeverPassesNinetyNineFish)
{
    while (state.fish.count < 97)
        addFish(3, 50, u'1');
    state.settings.eggs = QStringLiteral("1,%1,%2,300,300,8").arg(today() - 1).arg(today());
    for (int i = 0; i < 2 * 4; ++i) // two fry, four draws each
        random.push(0.0);
    EXPECT_TRUE(breeding.advance(state, random, clock.now(), weather, TankWidth, TankHeight));
    EXPECT_EQ(state.fish.count, 99);
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_TRUE(breeding.clutches()[0].hatched());
}

TEST_F(Spawning, ACorydorasPairMeetsOnTheBottomAndThenSwimsOn)
{
    addFish(5, 150, u'0', 200, 420);
    addFish(5, 150, u'1', 600, 440);
    random.push({0.0, 0.0, 0.0});
    ASSERT_TRUE(tickPastMark());
    // The bottom of their band is 570; the eggs lie just above it.
    ASSERT_EQ(breeding.clutches()[0].y, 570 - 30 - 2);
    for (int t = 0; t < 290; ++t) { // 29 seconds, moving as the frames do
        clock.advanceMs(100);
        breeding.advance(state, random, clock.now(), weather, TankWidth, TankHeight);
        for (int p : {1, 2}) {
            state.values[p].left += state.values[p].movex;
            state.values[p].top += state.values[p].movey;
        }
    }
    EXPECT_EQ((std::pair<int, int>(state.values[1].left, state.values[1].top)),
              (std::pair<int, int>(200, 538)));
    EXPECT_EQ((std::pair<int, int>(state.values[2].left, state.values[2].top)),
              (std::pair<int, int>(226, 538)));
    EXPECT_EQ(state.values[2].movex, 0);
    clock.advanceMs(1000);
    state.values[2].movex = 3;
    breeding.advance(state, random, clock.now(), weather, TankWidth, TankHeight);
    EXPECT_FALSE(breeding.courting());
    EXPECT_EQ(state.values[2].movex, 3);
}

TEST(EggClutches, RoundTripThroughTheFileAndBrokenEntriesAreDropped)
{
    const std::vector<EggClutch> clutches{
        {0, 46000, 46003, 12, -5, 4, QStringLiteral("*歩;惟%")},
        {2, 46001, 46002, 700, 80, 0, QString()},
    };
    AppState state;
    state.settings.eggs = formatEggClutches(clutches);
    state.settings.fry = QStringLiteral("0");
    SettingsRecord loaded;
    loadSettings(loaded, IniFile::parse(settingsFileBytes(state)), {1000, 800});
    EXPECT_EQ(loaded.fry, u"0");
    EXPECT_EQ(parseEggClutches(loaded.eggs), clutches);

    // Files from before these keys: fry raised, no eggs.
    loadSettings(loaded, IniFile::parse("[case]\r\nwtemp=28\r\n"), {1000, 800});
    EXPECT_EQ(loaded.fry, u"1");
    EXPECT_TRUE(loaded.eggs.isEmpty());

    const QString edited = QStringLiteral("junk;") + state.settings.eggs +
                           QStringLiteral(";3,46000,46001,1,1,3"   // hatchetfish
                                          ";1,46005,46004,1,1,3"   // hatches before it is laid
                                          ";1,46000,46001,1,1,9"   // more fry than a clutch brings
                                          ";1,46000,46001,1"       // cut short
                                          ";4,46000,46004,x,1,2;;" // not a number
                                          "; 5, 46000 ,46004,1,1,2"); // blanks are fine
    std::vector<EggClutch> kept = clutches;
    kept.push_back({5, 46000, 46004, 1, 1, 2, QString()});
    EXPECT_EQ(parseEggClutches(edited), kept);

    // Five clutches whose mothers' names (hand-edited) take three bytes a
    // character in the file: the eggs all stay within one value of the
    // file, the last names give way.
    std::vector<EggClutch> many;
    for (int species : {0, 1, 2, 4, 5})
        many.push_back({species, 46000, 46001, -32768, 32767, 8, QString(10, QChar(u';'))});
    const QString text = formatEggClutches(many);
    EXPECT_LE(cp932ByteCount(text), IniFile::MaxValueBytes);
    const std::vector<EggClutch> back = parseEggClutches(text);
    ASSERT_EQ(back.size(), 5u);
    EXPECT_EQ(back[2], many[2]);
    EXPECT_TRUE(back[3].mother.isEmpty());
    EXPECT_TRUE(back[4].mother.isEmpty());
}

} // namespace
} // namespace fw::test

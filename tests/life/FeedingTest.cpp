#include "LivingTank.h"

#include "aquarium/MouseHandling.h"
#include "aquarium/SpeciesTraits.h"
#include "aquarium/life/FeedingTimes.h"
#include "state/Fish.h"

#include <gtest/gtest.h>

#include <set>

namespace fw::test {
namespace {

QDateTime on(int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute, second));
}

TEST(Feeding, FoodFallsAtTheFeedingHourByDayOrNight)
{
    for (const int hour : {12, 23}) {
        Tank tank(true, false, on(8, hour - 1, 59, 58));
        tank.state.settings.foodtime1 = QString::number(hour);
        for (int i = 0; i < 39; ++i) // up to 11:59:59.95
            tank.tick();
        EXPECT_TRUE(tank.life->flakes().empty()) << hour;
        tank.tick();
        EXPECT_EQ(tank.life->flakes().count(), portionFor(28)) << hour;
        EXPECT_EQ(tank.life->lastFeeding(), tank.clock.now());
    }
    EXPECT_EQ(portionFor(0), 6);
    EXPECT_EQ(portionFor(28), 42);
    EXPECT_EQ(portionFor(99), 60);
}

TEST(Feeding, FeedingsMissedWhileAwayGiveOnePortionSoonAfterTheStart)
{
    Tank tank(true, false, on(8, 10, 0));
    SettingsRecord &s = tank.state.settings;
    s.date = QStringLiteral("2026/12/05"); // three noons ago, and three midnights
    s.time = QStringLiteral("08:00:00");
    s.food2 = QStringLiteral("1");
    s.foodtime2 = QStringLiteral("0");
    tank.tick();
    EXPECT_TRUE(tank.life->flakes().empty());
    for (int i = 0; i < 80 && tank.life->flakes().empty(); ++i)
        tank.tick();
    EXPECT_EQ(tank.life->flakes().count(), portionFor(28));
    const QDateTime fed = tank.life->lastFeeding();
    EXPECT_GE(fed, on(8, 10, 0, 3));
    EXPECT_LE(fed, on(8, 10, 0, 4));
    for (int i = 0; i < 400; ++i)
        tank.tick();
    EXPECT_EQ(tank.life->lastFeeding(), fed);

    // Both feedings off: nothing falls, missed or not.
    Tank off(true, false, on(8, 11, 59));
    off.state.settings.date = QStringLiteral("2026/12/01");
    off.state.settings.food1 = QStringLiteral("0");
    for (int i = 0; i < 2400; ++i)
        off.tick();
    EXPECT_TRUE(off.life->flakes().empty());
    EXPECT_FALSE(off.life->lastFeeding().isValid());
}

// Follows a fed tank for `ticks` frames and checks, on every frame, what the
// fish do with the food: one fish to a flake, each species in its layer.
struct FeedingWatch
{
    int eaten = 0;
    int eatenLanded = 0;
    int eatenByCorydoras = 0;
    int eatenByHatchetfish = 0;
};

FeedingWatch watchFeeding(Tank &tank, int ticks)
{
    FeedingWatch watch;
    const int height = TankSize.height();
    std::array<int, 100> deepest{};
    for (int i = 1; i <= tank.state.fish.count; ++i)
        deepest[i] = std::max(tank.state.values[i].top + tank.state.values[i].height,
                              int(height * 0.15) + 1);
    for (int t = 0; t < ticks; ++t) {
        std::array<int, 100> claims{};
        std::array<FlakeState, 100> claimed{};
        for (int i = 1; i <= tank.state.fish.count; ++i) {
            claims[i] = tank.life->feeding().claimOf(i);
            if (claims[i] >= 0)
                claimed[i] = tank.life->flakes()[claims[i]].state;
        }
        tank.tick();
        std::set<int> taken;
        for (int i = 1; i <= tank.state.fish.count; ++i) {
            const int species = tank.state.fish.at(i).speciesIndex();
            const FishValues &v = tank.state.values[i];
            const int claim = tank.life->feeding().claimOf(i);
            if (claim >= 0) {
                EXPECT_TRUE(taken.insert(claim).second) << "two fish go for flake " << claim;
                if (species == 4 || species == 5)
                    EXPECT_EQ(tank.life->flakes()[claim].state, FlakeState::Landed);
            }
            // Hatchetfish keep to the top of the tank: one that was below
            // its band never goes deeper.
            if (species == 3) {
                EXPECT_LE(v.top + v.height, deepest[i]) << "fish " << i << " at " << t;
                deepest[i] =
                    std::max(std::min(deepest[i], v.top + v.height), int(height * 0.15) + 1);
            }
            const bool ate = claims[i] >= 0 && claim < 0 &&
                             tank.life->flakes()[claims[i]].state == FlakeState::Gone;
            if (!ate)
                continue;
            ++watch.eaten;
            watch.eatenLanded += claimed[i] == FlakeState::Landed;
            watch.eatenByCorydoras += species == 4 || species == 5;
            watch.eatenByHatchetfish += species == 3;
        }
    }
    return watch;
}

TEST(Feeding, EachFishGoesForItsOwnFlakeInItsOwnLayer)
{
    Tank tank(true, false, on(8, 12, 30));
    tank.tick();
    ASSERT_TRUE(tank.life->dropPortion(tank.state, tank.random, 400, 18, 800, 600));
    const FeedingWatch watch = watchFeeding(tank, 6000); // five minutes
    EXPECT_GE(tank.life->feeding().eaten(), 30);         // of 42: they want it
    EXPECT_GT(watch.eaten, 5);
    EXPECT_GT(watch.eatenByHatchetfish, 0);
    EXPECT_GT(watch.eatenByCorydoras, 0);
    EXPECT_EQ(watch.eatenLanded, watch.eatenByCorydoras); // and only they eat from the bottom
}

TEST(Feeding, LeftoversRestOnTheBottomAndDissolve)
{
    Tank tank(true, false, on(8, 12, 30));
    tank.state.fish.count = 0;
    tank.tick();
    ASSERT_TRUE(tank.life->dropPortion(tank.state, tank.random, 400, 18, 800, 600));
    EXPECT_EQ(tank.life->flakes().count(), 6);
    int landedAt = -1;
    for (int t = 0; t < 2000 && !tank.life->flakes().empty(); ++t) {
        tank.tick(500);
        if (landedAt < 0 && tank.life->flakes()[0].state == FlakeState::Landed) {
            landedAt = t;
            EXPECT_EQ(tank.life->flakes()[0].y, float(Flakes::bottomLine(600)));
        }
    }
    ASSERT_GT(landedAt, 0);
    EXPECT_TRUE(tank.life->flakes().empty());
    // Gone a few minutes after the last landed, not before.
    EXPECT_GE(tank.clock.now(), on(8, 12, 30).addMSecs(500LL * landedAt + 4 * 60 * 1000));
}

TEST(Feeding, TheClickAfterFoodDropsItThereAndShowsNothing)
{
    Tank tank(true, false, on(8, 12, 30));
    MouseContext mouse{tank.state, tank.model, tank.surface, tank.clock};
    tank.model.foodPlacement = true;
    const QImage before = tank.surface.image().copy();
    const MouseOutcome outcome = mouseDown(mouse, true, 321, 200);
    ASSERT_TRUE(outcome.dropFood);
    EXPECT_EQ(*outcome.dropFood, QPointF(321, 200));
    EXPECT_FALSE(tank.model.foodPlacement);
    EXPECT_FALSE(outcome.animationInterval);
    EXPECT_FALSE(tank.model.informationShown);
    EXPECT_EQ(tank.surface.image(), before);
    // The next click is an ordinary one again.
    EXPECT_FALSE(mouseDown(mouse, true, 321, 200).dropFood);
}

} // namespace
} // namespace fw::test

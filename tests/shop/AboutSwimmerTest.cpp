#include "dialogs/AboutSwimmer.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <random>

namespace fw {
namespace {

using test::ScriptedRandom;

constexpr int T = AboutSwimmer::TwipsPerPixel;
const QRect tankRect(0, 0, 234 * T, 63 * T);
const QRect fishStart(100 * T, 25 * T, 24 * T, 12 * T);

// Scripts one course: direction (left or right), the draw of the step, then
// the rounding choice and u.
void pushCourse(ScriptedRandom &random, bool left, int stepDraw, int speed, bool rounded, double u)
{
    random.pushDraw(left ? 1 : 0, 2);
    random.pushDraw(stepDraw, speed);
    random.pushDraw(rounded ? 0 : 1, 2);
    random.push(u);
}

TEST(AboutSwimmer, StartPicksSpeedAndCourse)
{
    ScriptedRandom random;
    random.pushDraw(15, 30); // speed 35
    pushCourse(random, true, 20, 35, false, 0.5);
    AboutSwimmer swimmer(tankRect, fishStart);
    swimmer.start(random);
    EXPECT_EQ(swimmer.speed(), 35);
    EXPECT_EQ(swimmer.dx(), -30);
    EXPECT_TRUE(swimmer.facesLeft());
    EXPECT_EQ(swimmer.dy(), 8); // -floor(-30 / 2 * 0.5) = -floor(-7.5)
    EXPECT_EQ(random.remaining(), 0u);
}

TEST(AboutSwimmer, RoundedSlopeGoesHalfToEven)
{
    ScriptedRandom random;
    random.pushDraw(0, 30);                      // speed 20
    pushCourse(random, false, 0, 20, true, 0.5); // dx 10, dy nearest(2.5) = 2
    AboutSwimmer swimmer(tankRect, fishStart);
    swimmer.start(random);
    EXPECT_EQ(swimmer.dx(), 10);
    EXPECT_FALSE(swimmer.facesLeft());
    EXPECT_EQ(swimmer.dy(), 2);
}

TEST(AboutSwimmer, BouncesOffTheRightWallAndTurnsLeft)
{
    ScriptedRandom random;
    random.pushDraw(29, 30);                      // speed 49
    pushCourse(random, false, 48, 49, true, 0.0); // dx 58, dy 0
    const QRect nearRight(tankRect.width() - fishStart.width() - 30, 25 * T, fishStart.width(),
                          fishStart.height());
    AboutSwimmer swimmer(tankRect, nearRight);
    swimmer.start(random);
    random.pushDraw(5, 10); // no new course
    swimmer.tick(random);
    EXPECT_EQ(swimmer.dx(), -58);
    EXPECT_TRUE(swimmer.facesLeft());
    EXPECT_EQ(swimmer.fish().x(), nearRight.x() - 58);
}

TEST(AboutSwimmer, StaysInTheTankAndFacesItsWayOverManyTicks)
{
    std::mt19937 engine(7);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    ScriptedRandom random;
    for (int i = 0; i < 5; ++i)
        random.push(uniform(engine));
    AboutSwimmer swimmer(tankRect, fishStart);
    swimmer.start(random);
    int turns = 0;
    bool wasLeft = swimmer.facesLeft();
    for (int tick = 0; tick < 5000; ++tick) {
        for (int i = 0; i < 5; ++i)
            random.push(uniform(engine));
        swimmer.tick(random);
        const int step = std::max(std::abs(swimmer.dx()), std::abs(swimmer.dy()));
        ASSERT_TRUE(tankRect.adjusted(-step, -step, step, step).contains(swimmer.fish()))
            << "tick " << tick;
        ASSERT_EQ(swimmer.facesLeft(), swimmer.dx() < 0) << "tick " << tick;
        ASSERT_GE(std::abs(swimmer.dx()), 10);
        ASSERT_LE(std::abs(swimmer.dx()), 58);
        turns += swimmer.facesLeft() != wasLeft;
        wasLeft = swimmer.facesLeft();
    }
    EXPECT_GT(turns, 20); // it really swims back and forth
}

} // namespace
} // namespace fw

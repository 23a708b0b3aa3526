#include "TankBuilder.h"

#include "aquarium/Behaviour.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace fw::test {
namespace {

constexpr int kWidth = 1000; // the tank spans x 0..1000; its outer fifths start at 200 and 800

// Runs one step and checks that every scripted draw was taken, no more.
void runStep(TankBuilder &tank, ScriptedRandom &random, int scaleLeft = 0)
{
    runBehaviourStep(tank.state, random, scaleLeft, kWidth);
    EXPECT_EQ(random.remaining(), 0u) << "fewer draws taken than scripted";
}

TEST(SolitaryBehaviour, EmptyTankAndUnknownSpeciesTakeNoDraws)
{
    TankBuilder tank;
    ScriptedRandom random;
    runStep(tank, random);

    const FishValues before = swimmer(10, 20, 3, -2, 88, 104, -1);
    tank.add(u'9', before);
    tank.add(u' ', before);
    runStep(tank, random);
    EXPECT_EQ(random.taken(), 0);
    EXPECT_EQ(tank[1].movex, 3);
    EXPECT_EQ(tank[2].movey, -2);
    EXPECT_EQ(tank[1].facing, -1);
}

struct RowCase
{
    char species;
    int r;
    int dx, dy;
    int wantDx, wantDy;
};

class RandomChoiceRow : public ::testing::TestWithParam<RowCase>
{};

// Rows without draws of their own; the fish sits mid-tank so the edge rule
// (one draw, 0 = skip) never reaches its inner test.
TEST_P(RandomChoiceRow, ChangesStepsAsTheRowSays)
{
    const RowCase c = GetParam();
    TankBuilder tank;
    tank.add(QChar(c.species), swimmer(500, 300, c.dx, c.dy, 60, 33, 1));
    ScriptedRandom random;
    random.pushDraw(c.r, 21);
    random.pushDraw(0, 2); // edge rule skipped
    runStep(tank, random);
    EXPECT_EQ(tank[1].movex, c.wantDx);
    EXPECT_EQ(tank[1].movey, c.wantDy);
}

INSTANTIATE_TEST_SUITE_P(
    Angelfish, RandomChoiceRow,
    ::testing::Values(
        // Row 2: halve dx (only when |dx| > 1) and dy, each to nearest-even.
        RowCase{'0', 2, 3, 5, 2, 2}, RowCase{'0', 2, 1, -3, 1, -2}, RowCase{'0', 2, -5, 3, -2, 2},
        // Row 3: dy halved; 1 -> 0, 3 -> 2, -3 -> -2.
        RowCase{'0', 3, 4, 1, 4, 0}, RowCase{'0', 3, 4, 3, 4, 2}, RowCase{'0', 3, 4, -3, 4, -2},
        // Row 4: dy halved and reversed.
        RowCase{'0', 4, 4, 3, 4, -2}, RowCase{'0', 4, 4, -5, 4, 2},
        // Row 5: dy halved and reversed, then dx halved when |dx| > 1.
        RowCase{'0', 5, -3, -5, -2, 2}, RowCase{'0', 5, 1, 4, 1, -2},
        // Rows 6, 7: a crawl of 1 doubles; dy halved.
        RowCase{'0', 6, 1, 3, 2, 2}, RowCase{'0', 7, -1, -1, -2, 0}, RowCase{'0', 7, 4, 5, 4, 2},
        // Rows 8, 9: |dx| above 1 slows by one; dy halved.
        RowCase{'0', 8, 5, 1, 4, 0}, RowCase{'0', 9, -5, 2, -4, 1}, RowCase{'0', 9, 1, 2, 1, 1},
        RowCase{'0', 9, -1, 6, -1, 3},
        // Rows 10 to 20 leave an angelfish alone.
        RowCase{'0', 10, 3, 3, 3, 3}, RowCase{'0', 11, 3, 3, 3, 3}, RowCase{'0', 12, 3, -3, 3, -3},
        RowCase{'0', 14, 3, 0, 3, 0}, RowCase{'0', 16, 3, 0, 3, 0}, RowCase{'0', 17, 3, 1, 3, 1},
        RowCase{'0', 20, -3, 1, -3, 1}));

INSTANTIATE_TEST_SUITE_P(
    Hatchetfish, RandomChoiceRow,
    ::testing::Values(RowCase{'3', 2, 3, 5, 2, 2}, RowCase{'3', 5, -3, -5, -2, 2},
                      RowCase{'3', 8, 5, 1, 4, 0}, RowCase{'3', 10, 3, 3, 3, 3},
                      // Rows 11, 12: a sinking hatchetfish sinks slower.
                      RowCase{'3', 11, 3, 3, 3, 2}, RowCase{'3', 12, 3, -3, 3, -3},
                      // Rows 14 to 16: a level hatchetfish starts climbing.
                      RowCase{'3', 14, 3, 0, 3, -1}, RowCase{'3', 16, 3, 2, 3, 2},
                      RowCase{'3', 17, 3, 0, 3, 0}, RowCase{'3', 20, 3, 0, 3, 0}));

INSTANTIATE_TEST_SUITE_P(
    Corydoras, RandomChoiceRow,
    ::testing::Values(RowCase{'4', 2, 3, 5, 2, 2}, RowCase{'5', 4, 4, 3, 4, -2},
                      RowCase{'5', 6, -1, 3, -2, 2}, RowCase{'4', 9, -5, 2, -4, 1},
                      // Rows 11, 12: a climbing corydoras climbs faster.
                      RowCase{'4', 11, 3, -3, 3, -4}, RowCase{'5', 12, 3, 3, 3, 3},
                      // Rows 13 to 16 leave corydoras alone.
                      RowCase{'4', 13, 3, 0, 3, 0}, RowCase{'5', 14, 3, 0, 3, 0},
                      RowCase{'4', 19, 3, 2, 3, 2}));

TEST(SolitaryBehaviour, AngelfishStartsTheWayItFaces)
{
    TankBuilder tank;
    tank.add(u'0', swimmer(500, 300, 0, 0, 88, 104, -1));
    ScriptedRandom random;
    random.pushDraw(0, 21);
    random.pushDraw(3, 10); // draw(T): dx = (3 + 1) * facing
    random.pushDraw(1, 10); // no reversal, and its second draw is not taken
    random.push(0.75);      // u: dy = trunc(4 / 2 * 0.75) = 1
    random.pushDraw(0, 2);  // dy reversed
    random.pushDraw(0, 2);  // edge rule skipped
    runStep(tank, random);
    EXPECT_EQ(tank[1].movex, -4);
    EXPECT_EQ(tank[1].movey, -1);
}

TEST(SolitaryBehaviour, AngelfishSometimesStartsBackwards)
{
    TankBuilder tank;
    tank.add(u'0', swimmer(500, 300, 0, 0, 88, 104, 1));
    ScriptedRandom random;
    random.pushDraw(0, 21);
    random.pushDraw(5, 10); // dx = 6
    random.pushDraw(0, 10);
    random.pushDraw(0, 2); // both zero: dx = -6
    random.push(0.5);      // dy = trunc(6 / 2 * 0.5) = 1
    random.pushDraw(1, 2);
    random.pushDraw(0, 2);
    runStep(tank, random);
    EXPECT_EQ(tank[1].movex, -6);
    EXPECT_EQ(tank[1].movey, 1);
}

TEST(SolitaryBehaviour, RowZeroOnAMovingAngelfishDoesNothing)
{
    TankBuilder tank;
    tank.add(u'0', swimmer(500, 300, 2, 1, 88, 104, 1));
    ScriptedRandom random;
    random.pushDraw(0, 21);
    random.pushDraw(0, 2);
    runStep(tank, random);
    EXPECT_EQ(tank[1].movex, 2);
    EXPECT_EQ(tank[1].movey, 1);
}

TEST(SolitaryBehaviour, AngelfishNotYetDrawnStaysStoppedAndTestsItsLeftAlone)
{
    TankBuilder tank;
    // width, height and facing 0: row 0 and the restart rule both give dx = 0.
    tank.add(u'0', swimmer(801, 300, 0, 5, 0, 0, 0));
    ScriptedRandom random;
    random.pushDraw(0, 21);
    random.pushDraw(7, 10); // dx = 8 * 0
    random.pushDraw(0, 10);
    random.pushDraw(0, 2); // -0
    random.push(0.9);      // dy = trunc(0)
    random.pushDraw(0, 2);
    random.pushDraw(1, 2);  // edge rule: x + 0 > 800, so it is tested
    random.pushDraw(1, 4);  // and stops a fish already stopped
    random.pushDraw(0, 20); // restart: dx = facing = 0
    runStep(tank, random);
    EXPECT_EQ(tank[1].movex, 0);
    EXPECT_EQ(tank[1].movey, 0);
    EXPECT_EQ(tank[1].facing, 0);
}

TEST(SolitaryBehaviour, RowOneTiltsByTheSignedStep)
{
    TankBuilder angel;
    angel.add(u'0', swimmer(500, 300, -5, 0, 88, 104, -1));
    ScriptedRandom random{(1 + 0.5) / 21, 0.9, 0.25}; // row 1, u, edge skipped
    runStep(angel, random);
    EXPECT_EQ(angel[1].movey, -2); // trunc(-5 / 2 * 0.9) = trunc(-2.25)

    TankBuilder hatchet;
    hatchet.add(u'3', swimmer(500, 30, 5, 0, 60, 33, 1));
    ScriptedRandom random2{(1 + 0.5) / 21, 0.9, 0.25, 0.25}; // row 1, u, reversed, edge skipped
    runStep(hatchet, random2);
    EXPECT_EQ(hatchet[1].movey, -2);
}

TEST(SolitaryBehaviour, HatchetfishAndCorydorasStartInARandomDirection)
{
    TankBuilder tank;
    tank.add(u'3', swimmer(500, 30, 0, 0, 60, 33, 1));
    tank.add(u'4', swimmer(500, 500, 6, 0, 60, 33, 1));
    ScriptedRandom random;
    random.pushDraw(0, 21);
    random.pushDraw(2, 10); // dx = 3
    random.pushDraw(0, 2);  // reversed
    random.push(0.99);      // dy = trunc(1.5 * 0.99) = 1
    random.pushDraw(1, 2);
    random.pushDraw(0, 2);
    // The moving corydoras keeps dx but still gets a new tilt.
    random.pushDraw(0, 21);
    random.push(0.5); // dy = trunc(6 / 2 * 0.5) = 1
    random.pushDraw(0, 2);
    random.pushDraw(0, 2);
    runStep(tank, random);
    EXPECT_EQ(tank[1].movex, -3);
    EXPECT_EQ(tank[1].movey, 1);
    EXPECT_EQ(tank[2].movex, 6);
    EXPECT_EQ(tank[2].movey, -1);
}

TEST(SolitaryBehaviour, HatchetfishSometimesDartsUp)
{
    TankBuilder tank;
    tank.add(u'3', swimmer(500, 30, 3, 2, 60, 33, 1));
    tank.add(u'3', swimmer(500, 30, 3, 2, 60, 33, 1));
    ScriptedRandom random;
    random.pushDraw(13, 21);
    random.pushDraw(0, 30);
    random.pushDraw(0, 2);
    random.pushDraw(13, 21);
    random.pushDraw(1, 30);
    random.pushDraw(0, 2);
    runStep(tank, random);
    EXPECT_EQ(tank[1].movey, -4);
    EXPECT_EQ(tank[2].movey, 2);
}

TEST(SolitaryBehaviour, EdgeRuleHalvesByTruncAndMayStop)
{
    TankBuilder tank;
    tank.add(u'4', swimmer(199, 500, -3, 0, 60, 33, -1)); // in the left fifth
    tank.add(u'4', swimmer(741, 500, 3, 0, 60, 33, 1));   // right edge at 801
    tank.add(u'4', swimmer(740, 500, 5, 0, 60, 33, 1));   // right edge at 800: not past
    tank.add(u'4', swimmer(900, 500, -5, 0, 60, 33, -1)); // heading left on the right side
    tank.add(u'4', swimmer(100, 500, 4, 0, 60, 33, 1));   // heading right on the left side
    ScriptedRandom random;
    random.pushDraw(10, 21);
    random.pushDraw(1, 2);
    random.pushDraw(0, 4); // -3 -> -1
    random.pushDraw(10, 21);
    random.pushDraw(1, 2);
    random.pushDraw(1, 4); // 3 -> 1 -> stopped; corydoras have no restart
    for (int i = 0; i < 3; ++i) {
        random.pushDraw(10, 21);
        random.pushDraw(1, 2); // tested, but none is near the edge it swims to
    }
    runStep(tank, random);
    EXPECT_EQ(tank[1].movex, -1);
    EXPECT_EQ(tank[2].movex, 0);
    EXPECT_EQ(tank[3].movex, 5);
    EXPECT_EQ(tank[4].movex, -5);
    EXPECT_EQ(tank[5].movex, 4);
}

TEST(SolitaryBehaviour, EdgeRuleMeasuresFromTheScaleLeft)
{
    TankBuilder tank;
    tank.add(u'4', swimmer(250, 500, -3, 0, 60, 33, -1));
    ScriptedRandom random;
    random.pushDraw(10, 21);
    random.pushDraw(1, 2);
    random.pushDraw(0, 4);
    runStep(tank, random, 100); // left fifth now ends at 300
    EXPECT_EQ(tank[1].movex, -1);
}

TEST(SolitaryBehaviour, RestartRules)
{
    TankBuilder tank;
    tank.add(u'0', swimmer(500, 300, 0, 0, 88, 104, -1));
    tank.add(u'0', swimmer(500, 300, 0, 0, 88, 104, -1));
    tank.add(u'0', swimmer(500, 300, 0, 0, 88, 104, -1));
    tank.add(u'3', swimmer(500, 30, 0, 0, 60, 33, 1));
    tank.add(u'3', swimmer(500, 30, 0, 0, 60, 33, 1));
    tank.add(u'5', swimmer(500, 500, 0, 0, 60, 33, 1));
    ScriptedRandom random;
    auto quiet = [&] {
        random.pushDraw(10, 21);
        random.pushDraw(0, 2);
    };
    quiet();
    random.pushDraw(0, 20); // angelfish: dx = facing
    quiet();
    random.pushDraw(1, 20);
    random.pushDraw(0, 40); // angelfish: dx = -facing
    quiet();
    random.pushDraw(1, 20);
    random.pushDraw(1, 40); // stays
    quiet();
    random.pushDraw(0, 20);
    random.pushDraw(1, 2);
    random.pushDraw(0, 2); // hatchetfish: -(1 + 1)
    quiet();
    random.pushDraw(3, 20); // hatchetfish stays
    quiet();                // corydoras: no restart draw at all
    runStep(tank, random);
    EXPECT_EQ(tank[1].movex, -1);
    EXPECT_EQ(tank[2].movex, 1);
    EXPECT_EQ(tank[3].movex, 0);
    EXPECT_EQ(tank[4].movex, -2);
    EXPECT_EQ(tank[5].movex, 0);
    EXPECT_EQ(tank[6].movex, 0);
}

} // namespace
} // namespace fw::test

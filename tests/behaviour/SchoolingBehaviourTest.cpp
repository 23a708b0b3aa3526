#include "TankBuilder.h"

#include "aquarium/Behaviour.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace fw::test {
namespace {

constexpr int kWidth = 1000;

void runStep(TankBuilder &tank, ScriptedRandom &random)
{
    runBehaviourStep(tank.state, random, 0, kWidth);
    EXPECT_EQ(random.remaining(), 0u) << "fewer draws taken than scripted";
}

// The draws of a leader that moves and keeps its tilt: nothing chosen, edge
// rule skipped, no restart (it moves), no climb.
void quietLeader(ScriptedRandom &random)
{
    random.pushDraw(16, 21);
    random.pushDraw(0, 2);
    random.pushDraw(1, 5);
}

// A follower's draws after its choice: edge rule skipped; no restart while it moves.
void edgeSkipped(ScriptedRandom &random)
{
    random.pushDraw(0, 2);
}

TEST(SchoolingBehaviour, LoneTetraIsItsOwnLeaderAndNeverFollows)
{
    TankBuilder tank;
    tank.add(u'0', swimmer(100, 100, 2, 0, 88, 104, 1)); // another species first
    tank.add(u'2', swimmer(500, 300, 3, 1, 42, 17, 1));
    ScriptedRandom random;
    random.pushDraw(10, 21);
    random.pushDraw(0, 2);
    random.pushDraw(12, 21); // follow the leader: it is its own, so no draws
    random.pushDraw(0, 2);
    random.pushDraw(1, 5); // leader rule: moving, no climb
    runStep(tank, random);
    EXPECT_EQ(tank[2].movex, 3);
    EXPECT_EQ(tank[2].movey, 1);
}

TEST(SchoolingBehaviour, StoppedLeaderTurnsAboutAndSetsOffTheOtherWay)
{
    TankBuilder tank;
    tank.add(u'1', swimmer(500, 300, 0, 0, 42, 17, 1));
    ScriptedRandom random;
    random.pushDraw(17, 21);
    random.pushDraw(0, 2);
    random.pushDraw(1, 5);
    random.pushDraw(0, 10); // restart: it turns about without moving, now facing left
    random.pushDraw(3, 10); // leader rule: sets off with its back to where it faces
    random.pushDraw(0, 5);
    random.push(0.5); // dy = trunc(4 / 2 * 0.5) = 1
    random.pushDraw(0, 2);
    runStep(tank, random);
    EXPECT_EQ(tank[1].facing, -1);
    EXPECT_EQ(tank[1].movex, 4);
    EXPECT_EQ(tank[1].movey, -1);
}

TEST(SchoolingBehaviour, StoppedLeaderFacingRightSetsOffLeftAndKeepsItsTilt)
{
    TankBuilder tank;
    tank.add(u'1', swimmer(500, 300, 0, 2, 42, 17, 1));
    ScriptedRandom random;
    random.pushDraw(17, 21);
    random.pushDraw(0, 2);
    random.pushDraw(1, 5);
    random.pushDraw(1, 10); // no turn
    random.pushDraw(9, 10); // dx = -10
    random.pushDraw(0, 5);  // taken, but dy is not 0
    runStep(tank, random);
    EXPECT_EQ(tank[1].facing, 1);
    EXPECT_EQ(tank[1].movex, -10);
    EXPECT_EQ(tank[1].movey, 2);
}

TEST(SchoolingBehaviour, RestartTakesTheFacing)
{
    TankBuilder tank;
    tank.add(u'2', swimmer(500, 300, 0, 0, 42, 17, -1));
    ScriptedRandom random;
    random.pushDraw(20, 21);
    random.pushDraw(0, 2);
    random.pushDraw(0, 5); // dx = facing
    random.pushDraw(4, 5); // leader, moving: no climb
    runStep(tank, random);
    EXPECT_EQ(tank[1].movex, -1);
    EXPECT_EQ(tank[1].facing, -1);
}

struct SlowdownCase
{
    int r;
    int dx, dy;
    int wantDx, wantDy;
};

class SchoolingSlowdownRow : public ::testing::TestWithParam<SlowdownCase>
{};

TEST_P(SchoolingSlowdownRow, StepsOneTowardZero)
{
    const SlowdownCase c = GetParam();
    TankBuilder tank;
    tank.add(u'1', swimmer(500, 300, c.dx, c.dy, 42, 17, 1));
    ScriptedRandom random;
    random.pushDraw(c.r, 21);
    random.pushDraw(0, 2);
    if (c.wantDx == 0) {
        random.pushDraw(1, 5);
        random.pushDraw(1, 10);
        random.pushDraw(0, 10); // leader rule sets a stopped leader off: -(0 + 1)
    }
    random.pushDraw(1, 5);
    runStep(tank, random);
    EXPECT_EQ(tank[1].movex, c.wantDx == 0 ? -1 : c.wantDx);
    EXPECT_EQ(tank[1].movey, c.wantDy);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SchoolingSlowdownRow,
    ::testing::Values(SlowdownCase{1, 3, 2, 3, 1}, SlowdownCase{2, 3, -2, 3, -1},
                      SlowdownCase{3, 3, 0, 3, 0}, SlowdownCase{4, 3, 2, 2, 1},
                      SlowdownCase{5, -3, -1, -2, 0}, SlowdownCase{6, 1, 1, 0, 0},
                      SlowdownCase{7, 3, 2, 2, 1}, SlowdownCase{8, -1, -1, -1, -1},
                      SlowdownCase{9, -2, 1, -1, 1}, SlowdownCase{16, 5, 5, 5, 5}));

TEST(SchoolingBehaviour, RowZeroStartsAStoppedTetraWithASignedTilt)
{
    TankBuilder tank;
    tank.add(u'2', swimmer(500, 300, 0, 0, 42, 17, 1));
    ScriptedRandom random;
    random.pushDraw(0, 21);
    random.pushDraw(4, 10); // dx = 5
    random.pushDraw(0, 2);  // dx = -5
    random.push(0.9);       // dy = trunc(-5 / 2 * 0.9) = -2
    random.pushDraw(0, 2);  // dy = 2
    random.pushDraw(0, 2);
    random.pushDraw(1, 5);
    runStep(tank, random);
    EXPECT_EQ(tank[1].movex, -5);
    EXPECT_EQ(tank[1].movey, 2);
}

TEST(SchoolingBehaviour, StoppedFollowerFarBehindTakesTheLeadersStepMinusOneOrTwo)
{
    for (int extra : {0, 1}) {
        TankBuilder tank;
        tank.add(u'2', swimmer(100, 300, -5, 0, 42, 17, -1));
        tank.add(u'2', swimmer(400, 300, 0, 0, 42, 17, -1)); // 300 > 3 widths to the right
        ScriptedRandom random;
        quietLeader(random);
        random.pushDraw(10, 21);
        random.pushDraw(extra, 2);
        edgeSkipped(random);
        runStep(tank, random);
        EXPECT_EQ(tank[2].movex, -5 - extra - 1);
        EXPECT_EQ(tank[2].movey, 0) << "level with its leader: no vertical start";
    }
}

TEST(SchoolingBehaviour, CatchingUpIsCappedAtTopSpeed)
{
    TankBuilder tank;
    tank.add(u'2', swimmer(100, 300, -9, 0, 42, 17, -1));
    tank.add(u'2', swimmer(400, 300, 0, 0, 42, 17, -1));
    tank.add(u'2', swimmer(100, 300, 0, 0, 42, 17, 1)); // a second follower, far to the left
    tank[1].movex = -9;
    tank[3].left = -300;
    ScriptedRandom random;
    quietLeader(random);
    random.pushDraw(10, 21);
    random.pushDraw(1, 2); // -9 - 1 - 1 = -11: capped
    edgeSkipped(random);
    random.pushDraw(10, 21);
    random.pushDraw(1, 2); // facing right: -9 + 2 = -7, not capped
    random.pushDraw(1, 2); // edge rule: moving left and in the left fifth
    random.pushDraw(0, 4);
    random.pushDraw(0, 2);
    runStep(tank, random);
    EXPECT_EQ(tank[2].movex, -10);
    EXPECT_EQ(tank[3].movex, -7);
}

TEST(SchoolingBehaviour, StoppedFollowerNotFacingTheLeaderDriftsTowardsIt)
{
    TankBuilder tank;
    tank.add(u'1', swimmer(100, 300, 2, 0, 42, 17, 1));
    tank.add(u'1', swimmer(150, 300, 0, 0, 42, 17, 1)); // facing away, more than a width behind
    tank.add(u'1', swimmer(120, 300, 0, 0, 42, 17, 1)); // facing away, within a width
    ScriptedRandom random;
    quietLeader(random);
    random.pushDraw(11, 21);
    random.pushDraw(3, 10); // dx = 0 - 3
    edgeSkipped(random);
    random.pushDraw(11, 21); // nothing starts it sideways
    random.pushDraw(0, 2);
    random.pushDraw(1, 5);
    random.pushDraw(0, 10); // restart: it turns about
    runStep(tank, random);
    // Fish 2: the close-behind rule does not apply because the leader travels
    // right; the neighbourhood rule then brings -3 one nearer to the leader's 2.
    EXPECT_EQ(tank[2].movex, -2);
    EXPECT_EQ(tank[3].movex, 0);
    EXPECT_EQ(tank[3].facing, -1);
}

TEST(SchoolingBehaviour, FollowerLevelWithItsLeaderDoesNotStart)
{
    TankBuilder tank;
    tank.add(u'2', swimmer(400, 300, 4, 3, 42, 17, 1));
    tank.add(u'2', swimmer(400, 300, 0, 0, 42, 17, 1)); // same x and y
    ScriptedRandom random;
    quietLeader(random);
    random.pushDraw(15, 21);
    random.pushDraw(0, 2);
    random.pushDraw(1, 5);
    random.pushDraw(1, 10); // stays stopped, keeps facing
    runStep(tank, random);
    EXPECT_EQ(tank[2].movex, 0);
    EXPECT_EQ(tank[2].movey, 0);
    EXPECT_EQ(tank[2].facing, 1);
}

TEST(SchoolingBehaviour, SwimmingAwayHalvesByTrunc)
{
    TankBuilder tank;
    tank.add(u'1', swimmer(500, 300, 1, 0, 42, 17, 1));
    tank.add(u'1', swimmer(700, 400, 3, 3, 42, 17, 1));    // right of and below the leader
    tank.add(u'1', swimmer(300, 200, -3, -3, 42, 17, -1)); // left of and above it
    ScriptedRandom random;
    quietLeader(random);
    random.pushDraw(10, 21);
    edgeSkipped(random);
    random.pushDraw(10, 21); // halved before the start rules: nothing starts
    edgeSkipped(random);
    runStep(tank, random);
    EXPECT_EQ(tank[2].movex, 1);
    EXPECT_EQ(tank[2].movey, 1);
    EXPECT_EQ(tank[3].movex, -1);
    EXPECT_EQ(tank[3].movey, -1);
}

TEST(SchoolingBehaviour, StoppedFollowerFarBelowClimbsNoSteeperThanItSwims)
{
    TankBuilder tank;
    tank.add(u'1', swimmer(300, 100, -2, -1, 42, 17, -1));
    tank.add(u'1', swimmer(500, 300, -2, 0, 42, 17, -1)); // 3h + d = 51 + 100 < 200
    tank.add(u'1', swimmer(500, 200, -2, 0, 42, 17, -1)); // 100 is not beyond 151
    ScriptedRandom random;
    quietLeader(random);
    random.pushDraw(10, 21);
    random.pushDraw(1, 2); // dy = -1 - 1 - 1 = -3, steeper than |dx| = 2
    edgeSkipped(random);
    random.pushDraw(10, 21);
    edgeSkipped(random);
    runStep(tank, random);
    EXPECT_EQ(tank[2].movey, -2);
    EXPECT_EQ(tank[3].movey, 0);
}

TEST(SchoolingBehaviour, StoppedFollowerFarAboveSinks)
{
    TankBuilder tank;
    tank.add(u'2', swimmer(500, 400, 5, 1, 42, 17, 1));
    tank.add(u'2', swimmer(500, 100, 0, 0, 42, 17, 1)); // level in x, so d = 0
    ScriptedRandom random;
    quietLeader(random);
    random.pushDraw(10, 21);
    random.pushDraw(0, 2); // dy = 1 + 0 + 1 = 2, but never steeper than dx = 0
    random.pushDraw(0, 2);
    random.pushDraw(0, 5); // restart with the facing
    runStep(tank, random);
    EXPECT_EQ(tank[2].movex, 1);
    EXPECT_EQ(tank[2].movey, 0);
}

TEST(SchoolingBehaviour, CloseBehindEasesOff)
{
    TankBuilder tank;
    tank.add(u'1', swimmer(100, 300, -2, -1, 42, 17, -1));
    tank.add(u'1', swimmer(150, 300, -5, 0, 42, 17, -1));  // faster: halved by trunc
    tank.add(u'1', swimmer(150, 300, -2, 0, 42, 17, -1));  // as fast: one slower
    tank.add(u'1', swimmer(100, 320, -2, -3, 42, 17, -1)); // below, climbing faster
    ScriptedRandom random;
    quietLeader(random);
    for (int i = 0; i < 3; ++i) {
        random.pushDraw(10, 21);
        edgeSkipped(random);
    }
    runStep(tank, random);
    // Fish 2: -5 -> -2, then close to the leader and as fast as it: unchanged.
    EXPECT_EQ(tank[2].movex, -2);
    // Fish 3: -2 -> -1; the neighbourhood rule leaves a slower fish alone.
    EXPECT_EQ(tank[3].movex, -1);
    // Fish 4: dy -3 -> trunc(-1.5) = -1, then a step of -2 like the leader's stays.
    EXPECT_EQ(tank[4].movey, -1);
    EXPECT_EQ(tank[4].movex, -2);
}

TEST(SchoolingBehaviour, CloseBehindMovingDownHalvesByNearest)
{
    TankBuilder tank;
    tank.add(u'2', swimmer(500, 330, 3, 1, 42, 17, 1));
    tank.add(u'2', swimmer(500, 300, 3, 3, 42, 17, 1)); // 3 -> nearest(1.5) = 2
    tank.add(u'2', swimmer(460, 300, 6, 5, 42, 17, 1)); // 6 -> 3 ; 5 -> 2
    ScriptedRandom random;
    quietLeader(random);
    random.pushDraw(10, 21);
    edgeSkipped(random);
    random.pushDraw(10, 21);
    edgeSkipped(random);
    runStep(tank, random);
    EXPECT_EQ(tank[2].movey, 2);
    EXPECT_EQ(tank[3].movex, 3);
    EXPECT_EQ(tank[3].movey, 2);
}

TEST(SchoolingBehaviour, FollowerNearItsLeaderMatchesItsStepByOne)
{
    TankBuilder tank;
    tank.add(u'1', swimmer(500, 300, -2, 0, 42, 17, -1));
    tank.add(u'1', swimmer(560, 310, -5, 0, 42, 17, -1)); // within 2 widths and 2 heights
    tank.add(u'1', swimmer(440, 290, 4, 0, 42, 17, 1));
    tank.add(u'1', swimmer(700, 300, -5, 0, 42, 17, -1)); // too far to be nudged
    ScriptedRandom random;
    quietLeader(random);
    for (int i = 0; i < 3; ++i) {
        random.pushDraw(16, 21);
        edgeSkipped(random);
    }
    runStep(tank, random);
    EXPECT_EQ(tank[2].movex, -4);
    EXPECT_EQ(tank[3].movex, 3);
    EXPECT_EQ(tank[4].movex, -5);
}

TEST(SchoolingBehaviour, FollowersSeeTheirLeadersStepOfThisTurn)
{
    TankBuilder tank;
    tank.add(u'2', swimmer(100, 300, 0, 0, 42, 17, 1)); // stopped leader, sets off left
    tank.add(u'2', swimmer(400, 300, 0, 0, 42, 17, -1));
    ScriptedRandom random;
    random.pushDraw(17, 21);
    random.pushDraw(0, 2);
    random.pushDraw(1, 5);
    random.pushDraw(1, 10);
    random.pushDraw(5, 10); // leader dx = -6
    random.pushDraw(1, 5);
    random.pushDraw(10, 21);
    random.pushDraw(0, 2); // follower: -6 - 0 - 1
    edgeSkipped(random);
    runStep(tank, random);
    EXPECT_EQ(tank[1].movex, -6);
    EXPECT_EQ(tank[2].movex, -7);
}

TEST(SchoolingBehaviour, EdgeRuleSlowsByOneAndMayHalveTheTilt)
{
    TankBuilder tank;
    tank.add(u'1', swimmer(150, 300, -4, 3, 42, 17, -1));
    tank.add(u'1', swimmer(760, 300, 4, -3, 42, 17, 1)); // is its leader's follower
    tank[2].top = 0;
    ScriptedRandom random;
    random.pushDraw(16, 21);
    random.pushDraw(1, 2);
    random.pushDraw(1, 4); // -4 -> -3
    random.pushDraw(1, 2); // 3 -> 1
    random.pushDraw(1, 5);
    random.pushDraw(16, 21);
    random.pushDraw(1, 2);
    random.pushDraw(0, 4); // dx stays
    random.pushDraw(0, 2); // tilt stays
    runStep(tank, random);
    EXPECT_EQ(tank[1].movex, -3);
    EXPECT_EQ(tank[1].movey, 1);
    EXPECT_EQ(tank[2].movex, 4);
    EXPECT_EQ(tank[2].movey, -3);
}

} // namespace
} // namespace fw::test

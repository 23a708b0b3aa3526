#include "aquarium/Behaviour.h"

#include "platform/Conversions.h"
#include "platform/Random.h"
#include "state/AppState.h"
#include "state/Fish.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace fw {

namespace {

// The working copy of one fish's values while its rules run. Arithmetic is
// done in int so a hand-edited extreme step cannot wrap; the result is
// clamped back into 16 bits when stored.
struct Swimmer
{
    int x = 0;
    int y = 0;
    int dx = 0;
    int dy = 0;
    int w = 0;
    int h = 0;
    int f = 0;
    int topSpeed = 0;
};

struct Extent
{
    double left = 0;
    double width = 0;

    bool inLeftFifth(int x) const { return x < left + 0.2 * width; }
    bool inRightFifth(int rightEdge) const { return rightEdge > left + 0.8 * width; }
};

Swimmer load(const FishValues &v)
{
    return {v.left, v.top, v.movex, v.movey, v.width, v.height, v.facing, v.topspeed};
}

std::int16_t clamp16(int value)
{
    return static_cast<std::int16_t>(std::clamp<int>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

void store(FishValues &v, const Swimmer &s)
{
    v.movex = clamp16(s.dx);
    v.movey = clamp16(s.dy);
    v.facing = clamp16(s.f);
}

int halfNearest(int value)
{
    return nearestInt(value / 2.0);
}

int halfTrunc(int value)
{
    return truncInt(value * 0.5);
}

int towardZero(int value)
{
    return value > 0 ? value - 1 : value < 0 ? value + 1 : 0;
}

// trunc(v / 2 * u) with u a fresh value of the generator.
int scaledHalf(Random &random, int value)
{
    const double u = random.next();
    return truncInt(value / 2.0 * u);
}

void negateOnCoin(Random &random, int &value)
{
    if (draw(random, 2) == 0) {
        value = -value;
    }
}

// Rows 2 to 9 of the random choice, shared by the three solitary species.
void halvingRows(Swimmer &s, int r)
{
    switch (r) {
    case 2:
        if (std::abs(s.dx) > 1) {
            s.dx = halfNearest(s.dx);
        }
        s.dy = halfNearest(s.dy);
        break;
    case 3:
        s.dy = halfNearest(s.dy);
        break;
    case 4:
        s.dy = halfNearest(-s.dy);
        break;
    case 5:
        s.dy = halfNearest(-s.dy);
        if (std::abs(s.dx) > 1) {
            s.dx = halfNearest(s.dx);
        }
        break;
    case 6:
    case 7:
        if (s.dx == 1) {
            s.dx = 2;
        } else if (s.dx == -1) {
            s.dx = -2;
        }
        s.dy = halfNearest(s.dy);
        break;
    case 8:
    case 9:
        if (s.dx > 1) {
            s.dx -= 1;
        } else if (s.dx < -1) {
            s.dx += 1;
        }
        s.dy = halfNearest(s.dy);
        break;
    default:
        break;
    }
}

void angelfishChoice(Swimmer &s, Random &random, int r)
{
    if (r == 0) {
        if (s.dx != 0) {
            return;
        }
        // It starts the way it faces; a fish never drawn (facing 0) stays put.
        s.dx = (draw(random, s.topSpeed) + 1) * s.f;
        if (draw(random, 10) == 0 && draw(random, 2) == 0) {
            s.dx = -s.dx;
        }
        s.dy = scaledHalf(random, std::abs(s.dx));
        negateOnCoin(random, s.dy);
    } else if (r == 1) {
        s.dy = scaledHalf(random, s.dx);
    } else {
        halvingRows(s, r);
    }
}

void bottomOrSurfaceChoice(Swimmer &s, Random &random, int r, bool hatchetfish)
{
    switch (r) {
    case 0:
        if (s.dx == 0) {
            s.dx = draw(random, s.topSpeed) + 1;
            negateOnCoin(random, s.dx);
        }
        s.dy = scaledHalf(random, std::abs(s.dx));
        negateOnCoin(random, s.dy);
        return;
    case 1:
        s.dy = scaledHalf(random, s.dx);
        negateOnCoin(random, s.dy);
        return;
    case 11:
    case 12:
        if (hatchetfish && s.dy > 0) {
            s.dy -= 1;
        } else if (!hatchetfish && s.dy < 0) {
            s.dy -= 1;
        }
        return;
    case 13:
        if (hatchetfish && draw(random, 30) == 0) {
            s.dy = -4;
        }
        return;
    case 14:
    case 15:
    case 16:
        if (hatchetfish && s.dy == 0) {
            s.dy = -1;
        }
        return;
    default:
        halvingRows(s, r);
        return;
    }
}

void solitaryEdgeRule(Swimmer &s, Random &random, const Extent &extent)
{
    if (draw(random, 2) != 1) {
        return;
    }
    const bool nearEdge = s.dx < 0 ? extent.inLeftFifth(s.x) : extent.inRightFifth(s.x + s.w);
    if (nearEdge) {
        s.dx = halfTrunc(s.dx);
        if (draw(random, 4) == 1) {
            s.dx = 0;
        }
    }
}

void solitaryRestart(Swimmer &s, Random &random, QChar species)
{
    if (s.dx != 0) {
        return;
    }
    if (species == u'0') {
        if (draw(random, 20) == 0) {
            s.dx = s.f;
        } else if (draw(random, 40) == 0) {
            s.dx = -s.f;
        }
    } else if (species == u'3') {
        if (draw(random, 20) == 0) {
            s.dx = draw(random, 2) + 1;
            negateOnCoin(random, s.dx);
        }
    }
}

void solitaryStep(Swimmer &s, Random &random, QChar species, const Extent &extent)
{
    const int r = draw(random, 21);
    if (species == u'0') {
        angelfishChoice(s, random, r);
    } else {
        bottomOrSurfaceChoice(s, random, r, species == u'3');
    }
    solitaryEdgeRule(s, random, extent);
    solitaryRestart(s, random, species);
}

// The ten rules by which a follower keeps to its leader, in their order.
void followLeader(Swimmer &s, Random &random, const FishValues &leader)
{
    const int xL = leader.left;
    const int yL = leader.top;
    const int dxL = leader.movex;
    const int dyL = leader.movey;

    // Swimming away from the leader halves the step.
    if (xL < s.x && s.dx > 0) {
        s.dx = halfTrunc(s.dx);
    }
    if (xL > s.x && s.dx < 0) {
        s.dx = halfTrunc(s.dx);
    }
    if (yL < s.y && s.dy > 0) {
        s.dy = halfTrunc(s.dy);
    }
    if (yL > s.y && s.dy < 0) {
        s.dy = halfTrunc(s.dy);
    }

    // Setting off sideways towards the leader.
    if (s.dx == 0) {
        if (xL < s.x) {
            if (s.f < 0) {
                s.dx = dxL;
                if (xL + 3 * s.w < s.x) {
                    s.dx = s.dx - draw(random, 2) - 1;
                    if (std::abs(s.dx) > s.topSpeed) {
                        s.dx = -s.topSpeed;
                    }
                }
            } else if (xL + s.w < s.x) {
                s.dx = s.dx - draw(random, s.topSpeed);
            }
        } else if (xL > s.x) {
            if (s.f > 0) {
                s.dx = dxL;
                if (xL - 3 * s.w > s.x) {
                    s.dx = s.dx + draw(random, 2) + 1;
                    if (std::abs(s.dx) > s.topSpeed) {
                        s.dx = s.topSpeed;
                    }
                }
            } else if (xL - s.w > s.x) {
                s.dx = s.dx + draw(random, s.topSpeed);
            }
        }
    }

    // Setting off vertically, never steeper than the sideways step.
    if (s.dy == 0) {
        const double d = std::abs(xL - s.x) * 0.5;
        if (yL < s.y) {
            if (yL + 3 * s.h + d < s.y) {
                s.dy = dyL - draw(random, 2) - 1;
                if (std::abs(s.dx) < std::abs(s.dy)) {
                    s.dy = -std::abs(s.dx);
                }
            }
        } else if (yL > s.y) {
            if (yL - 3 * s.h - d > s.y) {
                s.dy = dyL + draw(random, 2) + 1;
                if (std::abs(s.dx) < std::abs(s.dy)) {
                    s.dy = std::abs(s.dx);
                }
            }
        }
    }

    // Close behind a leader travelling the same way: ease off.
    if (xL < s.x && s.x < xL + 4 * s.w && dxL <= 0 && s.dx <= 0) {
        if (s.dx < dxL) {
            s.dx = halfTrunc(s.dx);
        } else if (s.dx < 0) {
            s.dx += 1;
        }
    }
    if (xL - 4 * s.w < s.x && s.x < xL && dxL >= 0 && s.dx >= 0) {
        if (s.dx > dxL) {
            s.dx = halfTrunc(s.dx);
        } else if (s.dx > 0) {
            s.dx -= 1;
        }
    }
    if (yL < s.y && s.y < yL + 4 * s.h && dyL <= 0 && s.dy <= 0) {
        if (s.dy < dyL) {
            s.dy = halfTrunc(s.dy);
        } else if (s.dy < 0) {
            s.dy += 1;
        }
    }
    if (yL - 4 * s.h < s.y && s.y < yL && dyL >= 0 && s.dy >= 0) {
        if (s.dy > dyL) {
            s.dy = halfNearest(s.dy);
        } else if (s.dy > 0) {
            s.dy -= 1;
        }
    }
}

// Whether a tetra heeds its leader in this step; by day always, without a draw.
bool heedsLeader(Random &random, double cohesion)
{
    return cohesion >= 1 || random.next() < cohesion;
}

void schoolingChoice(Swimmer &s, Random &random, const AppState &state, int index, int leader,
                     double cohesion)
{
    const int r = draw(random, 21);
    if (r == 0) {
        if (s.dx != 0) {
            return;
        }
        s.dx = draw(random, s.topSpeed) + 1;
        negateOnCoin(random, s.dx);
        s.dy = scaledHalf(random, s.dx);
        negateOnCoin(random, s.dy);
    } else if (r <= 3) {
        s.dy = towardZero(s.dy);
    } else if (r <= 6) {
        s.dx = towardZero(s.dx);
        s.dy = towardZero(s.dy);
    } else if (r <= 9) {
        if (std::abs(s.dx) > 1) {
            s.dx = towardZero(s.dx);
        }
        if (std::abs(s.dy) > 1) {
            s.dy = towardZero(s.dy);
        }
    } else if (r <= 15) {
        if (leader != index && heedsLeader(random, cohesion)) {
            followLeader(s, random, state.values[leader]);
        }
    }
}

void schoolingEdgeRule(Swimmer &s, Random &random, const Extent &extent)
{
    if (draw(random, 2) != 1) {
        return;
    }
    const bool movingLeft = s.dx < 0;
    const bool nearEdge = movingLeft ? extent.inLeftFifth(s.x) : extent.inRightFifth(s.x + s.w);
    if (!nearEdge) {
        return;
    }
    if (draw(random, 4) == 1) {
        s.dx += movingLeft ? 1 : -1;
    }
    if (draw(random, 2) == 1) {
        s.dy = halfTrunc(s.dy);
    }
}

void schoolingRestart(Swimmer &s, Random &random)
{
    if (s.dx != 0) {
        return;
    }
    if (draw(random, 5) == 0) {
        s.dx = s.f;
    } else if (draw(random, 10) == 0) {
        s.f = -s.f; // turns about on the spot
    }
}

void leaderOrFollower(Swimmer &s, Random &random, const AppState &state, int index, int leader)
{
    if (leader == index) {
        // A stopped leader sets off at once, back the way it came.
        if (s.dx == 0 && s.f > 0) {
            s.dx = -(draw(random, s.topSpeed) + 1);
        } else if (s.dx == 0 && s.f < 0) {
            s.dx = draw(random, s.topSpeed) + 1;
        }
        const bool climb = draw(random, 5) == 0;
        if (climb && s.dy == 0) {
            s.dy = scaledHalf(random, s.dx);
            negateOnCoin(random, s.dy);
        }
        return;
    }
    const FishValues &l = state.values[leader];
    if (std::abs(l.top - s.y) < 2 * s.h && std::abs(l.left - s.x) < 2 * s.w) {
        if (s.dx < 0 && l.movex > s.dx) {
            s.dx += 1;
        } else if (s.dx > 0 && l.movex < s.dx) {
            s.dx -= 1;
        }
    }
}

void schoolingStep(Swimmer &s, Random &random, const AppState &state, int index,
                   const Extent &extent, double cohesion)
{
    // The leader is the first fish of the species, which no step changes:
    // looked up once, not once per rule.
    const int leader = fishLeader(state, index);
    schoolingChoice(s, random, state, index, leader, cohesion);
    schoolingEdgeRule(s, random, extent);
    schoolingRestart(s, random);
    leaderOrFollower(s, random, state, index, leader);
}

} // namespace

void runBehaviourStep(AppState &state, Random &random, int scaleLeft, int scaleWidth,
                      double cohesion)
{
    const Extent extent{double(scaleLeft), double(scaleWidth)};
    const int count = std::clamp(state.fish.count, 0, FishTable::Capacity);
    for (int i = 1; i <= count; ++i) {
        const QChar species = state.fish.at(i).species();
        Swimmer s = load(state.values[i]);
        if (species == u'0' || species == u'3' || species == u'4' || species == u'5') {
            solitaryStep(s, random, species, extent);
        } else if (species == u'1' || species == u'2') {
            schoolingStep(s, random, state, i, extent, cohesion);
        } else {
            continue; // unknown species: left exactly as loaded
        }
        // The step itself changes only the steps and the facing; storing the
        // leader's values before its followers run lets them see this step's.
        store(state.values[i], s);
    }
}

} // namespace fw

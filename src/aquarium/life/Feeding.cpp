#include "aquarium/life/Feeding.h"

#include "aquarium/SpeciesTraits.h"
#include "aquarium/life/Flakes.h"
#include "platform/Conversions.h"
#include "platform/Random.h"
#include "state/AppState.h"
#include "state/Fish.h"

#include <QPointF>

#include <algorithm>
#include <cmath>
#include <limits>

namespace fw {

namespace {

constexpr int Hatchetfish = 3;
constexpr int NeonTetra = 2;
constexpr qint64 SatedMs = 30 * 1000;
// One chance in this many, each frame, that a fish notices food by day;
// by night it takes five times as long.
constexpr int NoticeOdds = 15;
constexpr int NightNoticeOdds = 75;
// How near the mouth a flake must be to be eaten.
constexpr int Reach = 4;

bool isBottomDweller(int species)
{
    return species == 4 || species == 5;
}

// Where a fish's mouth is, from its top-left corner: hatchetfish feed with
// their upturned mouths, corydoras with theirs low at the front.
QPointF mouthOf(const FishValues &v, int species)
{
    const double y = species == Hatchetfish     ? 3.0
                     : isBottomDweller(species) ? v.height - 3.0
                                                : v.height / 2.0;
    const double x = v.facing < 0 ? 2.0 : v.width - 2.0;
    return {v.left + x, v.top + y};
}

QPointF centreOf(const Flake &flake)
{
    return {flake.x + Flakes::Size / 2.0, flake.y + Flakes::Size / 2.0};
}

// Whether a flake lies in a species' layer, where a fish of it can bring its
// mouth without leaving its depth band.
bool inLayer(const Flake &flake, int species, const FishValues &v, int height)
{
    const bool state = isBottomDweller(species) ? flake.state == FlakeState::Landed
                       : species == Hatchetfish ? flake.state == FlakeState::Floating ||
                                                      flake.state == FlakeState::Sinking
                                                : flake.state == FlakeState::Sinking;
    if (!state)
        return false;
    const SpeciesTraits &traits = speciesTraits[species];
    const double top = height * traits.bandTop / 100.0;
    const double bottom = height - height * traits.bandBottom / 100.0;
    const double mouthY = mouthOf(v, species).y() - v.top;
    const double wantedTop = centreOf(flake).y() - mouthY;
    return wantedTop >= top - Reach && wantedTop + v.height <= bottom + Reach;
}

int speciesOf(const AppState &state, int fish)
{
    return state.fish.at(fish).speciesIndex();
}

int stepToward(double distance, int most)
{
    if (std::abs(distance) < 0.5)
        return 0;
    int step = nearestInt(distance / 5);
    if (step == 0)
        step = distance > 0 ? 1 : -1;
    return std::clamp(step, -most, most);
}

} // namespace

int Feeding::tend(const Tank &tank)
{
    if (tank.flakes.empty())
        return 0;
    const int count = std::clamp(tank.state.fish.count, 0, FishTable::Capacity);
    int eaten = 0;
    for (int fish = 1; fish <= count; ++fish) {
        const int species = speciesOf(tank.state, fish);
        if (species < 0)
            continue;
        if (eatWithin(tank, fish)) {
            ++eaten;
            ++m_eaten;
            continue;
        }
        if (m_claim[fish] == 0)
            claim(tank, fish);
        if (m_claim[fish] != 0)
            steer(tank, fish);
    }
    return eaten;
}

bool Feeding::eatWithin(const Tank &tank, int fish)
{
    const FishValues &v = tank.state.values[fish];
    const int species = speciesOf(tank.state, fish);
    const QPointF mouth = mouthOf(v, species);
    for (int slot = 0; slot < Flakes::Capacity; ++slot) {
        const Flake &flake = tank.flakes[slot];
        const bool mine = m_claim[fish] == slot + 1;
        if (flake.state == FlakeState::Gone || (!mine && flake.claimedBy != 0) ||
            !inLayer(flake, species, v, tank.height))
            continue;
        const QPointF centre = centreOf(flake);
        if (std::abs(centre.x() - mouth.x()) > Reach || std::abs(centre.y() - mouth.y()) > Reach)
            continue;
        tank.flakes.eat(slot);
        // One it went for stays for others.
        if (!mine && m_claim[fish] != 0 && tank.flakes[m_claim[fish] - 1].claimedBy == fish)
            tank.flakes[m_claim[fish] - 1].claimedBy = 0;
        m_claim[fish] = 0;
        m_satedUntil[fish] = tank.now + SatedMs;
        return true;
    }
    return false;
}

void Feeding::claim(const Tank &tank, int fish)
{
    const int species = speciesOf(tank.state, fish);
    if (tank.now < m_satedUntil[fish])
        return;
    // Neon tetras school: the followers come with their leader and take
    // what they meet on the way, without choosing a flake of their own.
    if (species == NeonTetra && fishLeader(tank.state, fish) != fish)
        return;
    const int odds =
        tank.light >= 1
            ? NoticeOdds
            : NoticeOdds + nearestInt((NightNoticeOdds - NoticeOdds) * (1 - tank.light));
    if (draw(tank.random, odds) != 0)
        return;
    const FishValues &v = tank.state.values[fish];
    const QPointF mouth = mouthOf(v, species);
    int best = -1;
    double nearest = std::numeric_limits<double>::max();
    for (int slot = 0; slot < Flakes::Capacity; ++slot) {
        const Flake &flake = tank.flakes[slot];
        if (flake.state == FlakeState::Gone || flake.claimedBy != 0 ||
            !inLayer(flake, species, v, tank.height))
            continue;
        const QPointF d = centreOf(flake) - mouth;
        const double distance = d.x() * d.x() + d.y() * d.y();
        if (distance < nearest) {
            nearest = distance;
            best = slot;
        }
    }
    if (best < 0)
        return;
    tank.flakes[best].claimedBy = std::int16_t(fish);
    m_claim[fish] = std::int16_t(best + 1);
}

void Feeding::steer(const Tank &tank, int fish)
{
    const int slot = m_claim[fish] - 1;
    Flake &flake = tank.flakes[slot];
    FishValues &v = tank.state.values[fish];
    const int species = speciesOf(tank.state, fish);
    // Gone to another, dissolved, or out of reach of this fish's layer.
    if (flake.state == FlakeState::Gone || flake.claimedBy != fish ||
        !inLayer(flake, species, v, tank.height)) {
        if (flake.claimedBy == fish)
            flake.claimedBy = 0;
        m_claim[fish] = 0;
        return;
    }
    const QPointF d = centreOf(flake) - mouthOf(v, species);
    const int most = std::max<int>(1, v.topspeed);
    v.movex = std::int16_t(stepToward(d.x(), most));
    v.movey = std::int16_t(stepToward(d.y(), std::max(1, most / 2)));
    // Turned toward it, so the mouth leads.
    if (v.movex != 0)
        v.facing = std::int16_t(v.movex > 0 ? 1 : -1);
}

} // namespace fw

#pragma once

#include "aquarium/SpeciesTraits.h"
#include "aquarium/life/Breeding.h"
#include "aquarium/life/Feeding.h"
#include "aquarium/life/Flakes.h"
#include "aquarium/life/LightSchedule.h"
#include "aquarium/life/TankLook.h"

#include <QDateTime>

#include <array>
#include <optional>

namespace fw {

class Clock;
class Random;
struct AppState;
struct SettingsRecord;

// The tank's slow state: the light from the clock, the water's haze from its
// age, the fishes' pace from the temperature and the hour, spawning and
// hatching. The frames and the behaviour step ask it a few numbers; in daylight, clear water and at
// 28 °C each of them leaves the tank exactly as it always was.
class TankLife
{
public:
    // Reads the state for this instant and carries out an automatic water
    // change that has fallen due. True when the settings changed (a water
    // change), which should be saved at once.
    bool advance(SettingsRecord &settings, const Clock &clock);

    // Spawning and hatching for this tick, in a tank of `width` x `height`
    // pixels; after the behaviour step, so a spawning pair's steps are the
    // ones the frame moves. True when eggs or fish changed, to be saved.
    bool breed(AppState &state, Random &random, const Clock &clock, int width, int height);
    const Breeding &breeding() const { return m_breeding; }

    // Grades the tank's pictures for the present light and haze.
    bool followLook(const TankLook::Scene &scene)
    {
        return m_look.follow(m_light.level, m_shownHaze, scene);
    }
    const SpriteCatalogue &sprites(const SpriteCatalogue &originals) const
    {
        return m_look.sprites(originals);
    }

    // When food last fell into the water (by the clock or by hand); null
    // until it first does in this run.
    QDateTime lastFeeding() const { return m_lastFeeding; }
    void noteFeeding(const QDateTime &when) { m_lastFeeding = when; }

    // Food falls at the feeding hours (and once, soon after the start, for
    // any that passed while the tank was not running); the fish go for it.
    // For a tank `width` x `height` pixels. Takes no draw while no food is
    // due or in the water.
    void tendFood(AppState &state, Random &random, int width, int height);
    // A portion falls around (x, y), if fewer than the most flakes are in
    // the water. True when any fell.
    bool dropPortion(const AppState &state, Random &random, double x, double y, int width,
                     int height);
    Flakes &flakes() { return m_flakes; }
    const Flakes &flakes() const { return m_flakes; }
    const Feeding &feeding() const { return m_feeding; }

    LightState light() const { return m_light; }
    // The level the sound effects play at, half by night, when it has
    // changed since it was last asked for (in steps a listener cannot hear).
    std::optional<double> newEffectsLevel();
    double haze() const { return m_shownHaze; }

    // How a fish of `species` paces itself: 1 at 28 °C by day.
    double pace(int species) const { return m_pace[species]; }
    // How many percent of the tank's height a species keeps lower in the
    // water, being uneasy at this temperature.
    float bandShift(int species) const { return m_bandShift[species]; }
    // The share of behaviour steps in which a tetra heeds its leader's
    // rules: 1 by day, less as the school loosens at night.
    double schoolCohesion() const { return m_cohesion; }

    // Fish `fish`'s step along one axis (0 x, 1 y) for this frame: `move`
    // scaled by its species' pace, the fractions carried to later frames.
    int pacedStep(int fish, int axis, int move, int species);

private:
    void followWater(SettingsRecord &settings, const Clock &clock, const QDateTime &now,
                     bool &changed);
    void followFish(const SettingsRecord &settings);
    void followFeedingHours(const SettingsRecord &settings, const QDateTime &now);

    bool m_started = false;
    QDateTime m_lastTick;
    QDateTime m_lastFeeding;
    // When a portion is due to fall; null when none is.
    QDateTime m_portionDue;
    Flakes m_flakes;
    Feeding m_feeding;
    LightState m_light;
    double m_shownHaze = 0;
    double m_targetHaze = 0;
    double m_hazeRate = 0; // per second
    std::array<double, SpeciesCount> m_pace{1, 1, 1, 1, 1, 1};
    std::array<float, SpeciesCount> m_bandShift{};
    double m_cohesion = 1;
    double m_sentEffectsLevel = -1;
    // Index = fish position; fractions of a pixel not yet moved.
    std::array<std::array<double, 2>, 100> m_carried{};
    TankLook m_look;
    Breeding m_breeding;
};

} // namespace fw

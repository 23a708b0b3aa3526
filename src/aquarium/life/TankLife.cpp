#include "aquarium/life/TankLife.h"

#include "aquarium/life/FeedingTimes.h"
#include "aquarium/life/WaterTemperature.h"
#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "platform/Random.h"
#include "platform/Sound.h"
#include "state/AppState.h"
#include "state/SettingsRecord.h"
#include "state/WaterCare.h"

#include <algorithm>
#include <cmath>

namespace fw {

namespace {

// A feeding missed while the tank was not running falls this long after
// the start, once the tank is on the screen.
constexpr int MissedFeedingDelaySeconds = 3;
// A feeding's cloud falls somewhere over the middle of the tank.
constexpr double FeedingMargin = 0.15;
// A water change clears the haze over this long, not in one frame.
constexpr double ClearingSeconds = 3;
// Resting fish swim at half their pace.
constexpr double NightPace = 0.5;
constexpr double NightCohesion = 0.35;
// An uneasy fish moves more sluggishly and keeps lower.
constexpr double UneasyPace = 0.75;
constexpr float UneasyShift = 8;
constexpr float LowestBandMargin = 2;

} // namespace

bool TankLife::advance(SettingsRecord &settings, const Clock &clock)
{
    const QDateTime now = clock.now();
    bool changed = false;
    m_light = lightAt(settings, now.time());
    followWater(settings, clock, now, changed);
    followFish(settings);
    followFeedingHours(settings, now);
    m_lastTick = now;
    m_started = true;
    return changed;
}

void TankLife::followWater(SettingsRecord &settings, const Clock &clock, const QDateTime &now,
                           bool &changed)
{
    const int today = Clock::dayNumberOf(now.date());
    const double before = waterHaze(settings, today);
    if (!m_started)
        m_shownHaze = m_targetHaze = before;
    if (automaticChangeDue(settings, today)) {
        changeWater(settings, before, clock);
        changed = true;
    }
    const double target = waterHaze(settings, today);
    if (target != m_targetHaze) // each change takes the same few seconds, however large
        m_hazeRate = std::max(std::abs(target - m_shownHaze), 0.05) / ClearingSeconds;
    m_targetHaze = target;
    const double seconds =
        m_started ? std::clamp((Clock::wallMs(now) - Clock::wallMs(m_lastTick)) / 1000.0, 0.0, 1.0)
                  : 0.0;
    const double most = seconds * m_hazeRate;
    if (m_shownHaze < m_targetHaze)
        m_shownHaze = std::min(m_targetHaze, m_shownHaze + most);
    else
        m_shownHaze = std::max(m_targetHaze, m_shownHaze - most);
}

void TankLife::followFish(const SettingsRecord &settings)
{
    const double darkness = 1 - m_light.level;
    const double celsius = waterTemperature(settings.wtemp);
    const double activity = temperatureActivity(celsius);
    const double rest = 1 - (1 - NightPace) * darkness;
    m_cohesion = 1 - (1 - NightCohesion) * darkness;
    for (int species = 0; species < SpeciesCount; ++species) {
        const bool uneasy = temperatureFeel(species, celsius) != TemperatureFeel::Comfortable;
        m_pace[species] = activity * rest * (uneasy ? UneasyPace : 1);
        m_bandShift[species] =
            uneasy ? std::min(UneasyShift, speciesTraits[species].bandBottom - LowestBandMargin)
                   : 0;
    }
}

void TankLife::followFeedingHours(const SettingsRecord &settings, const QDateTime &now)
{
    if (!m_started) {
        // However many passed since the last save, one portion.
        if (feedingBetween(settings, lastSaved(settings), now))
            m_portionDue = now.addSecs(MissedFeedingDelaySeconds);
    } else if (feedingBetween(settings, m_lastTick, now)) {
        m_portionDue = now;
    }
}

void TankLife::tendFood(AppState &state, Random &random, int width, int height)
{
    if (m_portionDue.isValid() && m_lastTick >= m_portionDue) {
        m_portionDue = QDateTime();
        const double x = width * (FeedingMargin + (1 - 2 * FeedingMargin) * random.next());
        dropPortion(state, random, x, Flakes::surfaceLine(height), width, height);
    }
    m_feeding.tend({state, m_flakes, random, height, m_light.level, Clock::wallMs(m_lastTick)});
}

bool TankLife::dropPortion(const AppState &state, Random &random, double x, double y, int width,
                           int height)
{
    if (m_flakes.count() >= Flakes::Capacity)
        return false;
    const int fell = m_flakes.drop(portionFor(std::clamp(state.fish.count, 0, 99)), x, y, width,
                                   height, random, Clock::wallMs(m_lastTick));
    if (fell > 0) {
        m_lastFeeding = m_lastTick;
        state.sound->foodFalls(panAt(x, width));
    }
    return fell > 0;
}

bool TankLife::breed(AppState &state, Random &random, const Clock &clock, int width, int height)
{
    // The haze the water has now, not the one still shown while it clears.
    const BreedingWeather weather{m_light.phase == LightPhase::Day, m_targetHaze < ClearWaterLimit,
                                  waterTemperature(state.settings.wtemp), m_lastFeeding};
    return m_breeding.advance(state, random, clock.now(), weather, width, height);
}

std::optional<double> TankLife::newEffectsLevel()
{
    const double level = std::round((0.5 + 0.5 * m_light.level) * 32) / 32;
    if (level == m_sentEffectsLevel)
        return std::nullopt;
    m_sentEffectsLevel = level;
    return level;
}

int TankLife::pacedStep(int fish, int axis, int move, int species)
{
    double &carried = m_carried[fish][axis];
    const double pace = m_pace[species];
    if (pace == 1) {
        carried = 0;
        return move;
    }
    carried += move * pace;
    const double whole = std::trunc(carried);
    carried -= whole;
    return int(whole);
}

} // namespace fw

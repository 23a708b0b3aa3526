#include "aquarium/life/Breeding.h"

#include "aquarium/SpeciesTraits.h"
#include "aquarium/life/WaterTemperature.h"
#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "platform/Random.h"
#include "state/AppState.h"
#include "state/Fish.h"

#include <algorithm>
#include <array>

namespace fw {

namespace {

constexpr int DaysBetweenSpawns = 7;
// No spawn from this many fish on; below it, the fewer fish the likelier.
constexpr int CrowdedTank = 60;
constexpr int FirstRunFish = 28;
// The chance, at each ten-minute mark, that one species able to spawn does
// so in a tank of the first-run size. With the light on twelve hours and
// the saver running a few of them a day, that is a few spawns a month.
constexpr double ChancePerMark = 1.0 / 900;
constexpr qint64 SecondsPerMark = 600;
constexpr qint64 FedWithinSeconds = 24 * 3600;
// How far from where the eggs lay the fry appear.
constexpr int FrySpreadX = 60;
constexpr int FrySpreadY = 24;

bool breedingOn(const AppState &state)
{
    return state.settings.fry != u"0";
}

// The fish of `species` and sex that may spawn today, by position.
struct Candidates
{
    std::array<int, FishTable::Capacity> positions{};
    int count = 0;
};

Candidates adultsOf(const AppState &state, int species, QChar sex, int today)
{
    Candidates found;
    const int age = spawningAge(species);
    const int fish = std::min(state.fish.count, FishTable::Capacity);
    for (int p = 1; p <= fish && age > 0; ++p) {
        const FishRecord &record = state.fish.at(p);
        if (record.speciesIndex() == species && record.sex() == sex &&
            today - record.birthDay() >= age)
            found.positions[found.count++] = p;
    }
    return found;
}

bool spawnedThisWeek(const std::vector<EggClutch> &clutches, int species, int today)
{
    return std::any_of(clutches.begin(), clutches.end(), [&](const EggClutch &c) {
        return c.species == species && today - c.spawnDay < DaysBetweenSpawns;
    });
}

bool fedToday(const BreedingWeather &weather, const QDateTime &now)
{
    if (!weather.lastFeeding.isValid())
        return false;
    const qint64 since = weather.lastFeeding.secsTo(now);
    return since >= 0 && since <= FedWithinSeconds;
}

// The male nearest to the female at `female`.
int nearestMale(const AppState &state, const Candidates &males, int female)
{
    const FishValues &f = state.values[female];
    int best = males.positions[0];
    long bestDistance = -1;
    for (int i = 0; i < males.count; ++i) {
        const FishValues &m = state.values[males.positions[i]];
        const long dx = m.left - f.left, dy = m.top - f.top;
        const long distance = dx * dx + dy * dy;
        if (bestDistance < 0 || distance < bestDistance) {
            best = males.positions[i];
            bestDistance = distance;
        }
    }
    return best;
}

int clampedPlace(int value, int extent)
{
    return std::clamp(value, 0, std::max(extent - 1, 0));
}

} // namespace

int spawningAge(int species)
{
    switch (species) {
    case 0:
        return 180;
    case 1:
    case 2:
    case 4:
    case 5:
        return 100;
    }
    return 0;
}

Brood broodOf(int species)
{
    switch (species) {
    case 0:
        return {3, 2, 5};
    case 1:
    case 2:
        return {1, 3, 8};
    }
    return {4, 2, 5};
}

bool Breeding::advance(AppState &state, Random &random, const QDateTime &now,
                       const BreedingWeather &weather, int width, int height)
{
    readClutches(state.settings.eggs);
    const int today = Clock::dayNumberOf(now.date());
    const bool raised = breedingOn(state);
    bool changed = forgetOldClutches(today, raised);
    if (raised)
        changed |= hatchDue(state, random, today, width, height);
    if (tenMinuteMarkPassed(now) && raised)
        changed |= trySpawn(state, random, now, weather, height);
    m_courtship.steer(state, now);
    if (changed) {
        state.settings.eggs = formatEggClutches(m_clutches);
        m_readText = state.settings.eggs;
    }
    return changed;
}

void Breeding::readClutches(const QString &text)
{
    // Parsed again only when someone else wrote the text (loading, a test).
    if (m_read && text == m_readText)
        return;
    m_clutches = parseEggClutches(text);
    m_readText = text;
    m_read = true;
}

bool Breeding::forgetOldClutches(int today, bool fryRaised)
{
    // Hatched clutches are kept only for the weekly rule. With the fry not
    // raised, waiting eggs are not kept either.
    const auto forgotten = std::erase_if(m_clutches, [&](const EggClutch &c) {
        return (c.hatched() && today - c.spawnDay >= DaysBetweenSpawns) ||
               (!c.hatched() && !fryRaised);
    });
    return forgotten > 0;
}

bool Breeding::hatchDue(AppState &state, Random &random, int today, int width, int height)
{
    bool hatchedAny = false;
    for (EggClutch &clutch : m_clutches) {
        if (clutch.hatched() || clutch.hatchDay > today)
            continue;
        // The tank holds 99 fish at most: a full tank gets fewer fry.
        const int room = FishTable::Capacity - state.fish.count;
        for (int i = 0; i < std::min(clutch.fry, room); ++i) {
            const QChar sex = draw(random, 2) == 0 ? u'0' : u'1';
            const int left = clutch.x + draw(random, 2 * FrySpreadX + 1) - FrySpreadX;
            const int top = clutch.y + draw(random, 2 * FrySpreadY + 1) - FrySpreadY;
            addBornFish(state, random, clutch.species, clutch.hatchDay, sex,
                        clampedPlace(left, width), clampedPlace(top, height));
        }
        clutch.fry = 0;
        clutch.mother.clear();
        hatchedAny = true;
    }
    return hatchedAny;
}

bool Breeding::tenMinuteMarkPassed(const QDateTime &now)
{
    const qint64 mark = Clock::wallMs(now) / 1000 / SecondsPerMark;
    const bool passed = m_lastMark >= 0 && mark != m_lastMark;
    m_lastMark = mark;
    return passed;
}

bool Breeding::trySpawn(AppState &state, Random &random, const QDateTime &now,
                        const BreedingWeather &weather, int height)
{
    const int fish = state.fish.count;
    if (m_courtship.active() || fish >= CrowdedTank || !weather.lightOn || !weather.clearWater ||
        !fedToday(weather, now))
        return false;
    const int today = Clock::dayNumberOf(now.date());
    std::array<int, SpeciesCount> able{};
    int ableCount = 0;
    for (int species = 0; species < SpeciesCount; ++species) {
        if (spawningAge(species) > 0 &&
            temperatureFeel(species, weather.celsius) == TemperatureFeel::Comfortable &&
            !spawnedThisWeek(m_clutches, species, today) &&
            adultsOf(state, species, u'0', today).count > 0 &&
            adultsOf(state, species, u'1', today).count > 0)
            able[ableCount++] = species;
    }
    if (ableCount == 0)
        return false;
    // One draw decides whether, and which, species spawns.
    const double chance = ChancePerMark * (CrowdedTank - fish) / (CrowdedTank - FirstRunFish);
    const int chosen = truncInt(random.next() / chance);
    if (chosen >= ableCount)
        return false;
    const int species = able[chosen];
    const Candidates females = adultsOf(state, species, u'0', today);
    const int female = females.positions[draw(random, females.count)];
    const int male = nearestMale(state, adultsOf(state, species, u'1', today), female);
    const FishValues &f = state.values[female];
    const Courtship::Spot spot = Courtship::spotFor(species, f.left, f.top, f.height, height);
    const Brood brood = broodOf(species);
    const int fry = brood.fewest + draw(random, brood.most - brood.fewest + 1);
    m_clutches.push_back({species, today, today + brood.days, spot.x, spot.y, fry,
                          trimmedSpaces(state.fish.at(female).name()).toString()});
    m_courtship.start(state, female, male, spot, now);
    return true;
}

} // namespace fw

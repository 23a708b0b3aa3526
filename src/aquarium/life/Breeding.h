#pragma once

#include "aquarium/life/Courtship.h"
#include "state/EggClutches.h"

#include <QDateTime>

#include <vector>

namespace fw {

class Random;
struct AppState;

// What the tank offers the fish this tick, as the tank's life reads it.
struct BreedingWeather
{
    bool lightOn = false;
    bool clearWater = false;
    double celsius = 28;
    QDateTime lastFeeding; // null: no food has fallen in this run
};

// A fish's age from which it may spawn: 180 days for angelfish, 100 for the
// tetras and corydoras; none for hatchetfish, which do not breed in a tank.
int spawningAge(int species);

// Days from spawning to hatching, and the fewest and most fry a clutch brings.
struct Brood
{
    int days;
    int fewest;
    int most;
};
Brood broodOf(int species);

// Spawning and hatching. The eggs live in the settings' `eggs` text, so a
// restart loses none; this class keeps them parsed and writes them back when
// they change.
class Breeding
{
public:
    // One tick at `now` in a tank of `width` x `height` pixels: hatches the
    // clutches that are due, may start a spawn at each ten-minute mark of the
    // clock, and steers a spawning pair. With nothing due and no spawn under
    // way it changes nothing and draws nothing. True when the eggs or the
    // fish table changed, to be saved at once.
    bool advance(AppState &state, Random &random, const QDateTime &now,
                 const BreedingWeather &weather, int width, int height);

    const std::vector<EggClutch> &clutches() const { return m_clutches; }
    bool courting() const { return m_courtship.active(); }

private:
    void readClutches(const QString &text);
    bool hatchDue(AppState &state, Random &random, int today, int width, int height);
    bool forgetOldClutches(int today, bool fryRaised);
    bool trySpawn(AppState &state, Random &random, const QDateTime &now,
                  const BreedingWeather &weather, int height);
    bool tenMinuteMarkPassed(const QDateTime &now);

    std::vector<EggClutch> m_clutches;
    QString m_readText; // the settings text m_clutches stands for
    bool m_read = false;
    qint64 m_lastMark = -1;
    Courtship m_courtship;
};

} // namespace fw

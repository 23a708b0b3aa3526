#pragma once

#include "aquarium/life/LightSchedule.h"

#include <QString>

namespace fw {

// The words the tank information gives for the light and the water, each at
// most five characters in Japanese, translated.
QString waterClarityWord(double haze);
// "12日目": the day since the last water change; blank when it is unknown.
QString waterDayText(std::optional<int> days);
QString lightPhaseWord(LightPhase phase);

// A line for the fish information when the water is outside the comfort of
// fish `species`, without its line feed; empty when it is comfortable.
QString temperatureWarning(int species, double celsius);

} // namespace fw

#pragma once

#include "setup/SetupTable.h"
#include "state/AppState.h"

#include <cstdint>

namespace fw {

class AquariumLink;
class Clock;
class Random;

// The working copy of the fish and their runtime values that the dialog
// edits, taken when it opens.
void takeWorkingFish(AppState &state);

// Gives a running aquarium (if any) the animation interval it had before the
// dialog opened.
void giveIntervalBack(const AppState &state, AquariumLink *aquarium);

// Copies the working fish back into the tank, each with its own runtime
// values; a fish still without a name gets one from the name pool first.
void copyWorkingFishBack(AppState &state, Random &random);

// The dialog's OK once the controls are read: the running aquarium gets its
// interval and the new colours at once, every setting is stored in its
// committed format, the fish go back and everything is written. False when
// the settings file could not be written (the state in memory is committed
// all the same).
struct SetupColours
{
    std::uint32_t fore = 0;
    std::uint32_t back = 0;
};
bool commitSetup(AppState &state, Random &random, const Clock &clock, AquariumLink *aquarium,
                 SetupColours colours, const ControlReader &controls, bool waterChanged);

} // namespace fw

#pragma once

#include "startup/HostCommandLine.h"
#include "state/AppState.h"
#include "state/ScreenSize.h"

#include <functional>
#include <optional>

namespace fw {

class Clock;
class Random;

// The hosting request of this process's arguments (after the program name)
// and its XSCREENSAVER_WINDOW.
HostRequest hostRequestFrom(int argc, const char *const *argv);

// Answers what needs no display, lock or file: --help prints the usage text,
// a refused hosting argument its reason. Returns the exit status when the
// program ends here.
std::optional<int> answerBeforeStart(const HostRequest &request);

// Loads the settings file for an instance that shows the tank of another
// one (a further monitor) and must never write it. When the owner is still
// creating a first file, this waits up to `patienceMs` for it; without one it
// runs on the first-run state in memory.
void prepareReadOnlyState(AppState &state, Random &random, const Clock &clock, ScreenSize screen,
                          int patienceMs = 3000);

} // namespace fw

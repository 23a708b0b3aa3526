#pragma once

#include "state/StateKeeper.h"

#include <chrono>

namespace fw {

// The program's entry: decides from the command line whether to run, loads
// the state and runs the aquarium or the configuration dialog. Returns the
// process's exit status. The running tank is saved every `savePeriod`; only
// a build for the tests passes a shorter one.
int runApplication(int argc, char **argv,
                   std::chrono::milliseconds savePeriod = StateKeeper::DefaultPeriod);

} // namespace fw

#pragma once

namespace fw {

// The program's entry: decides from the command line whether to run, loads
// the state and runs the aquarium or the configuration dialog. Returns the
// process's exit status.
int runApplication(int argc, char **argv);

} // namespace fw

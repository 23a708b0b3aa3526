#include "startup/ui/StartupContext.h"

namespace fw {

int runAquariumMode(StartupContext &context)
{
    // The aquarium window is shown here, modally; until it exists the mode
    // ends where the window would open.
    Q_UNUSED(context);
    return 0;
}

} // namespace fw

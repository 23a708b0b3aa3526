#include "startup/ui/StartupContext.h"

namespace fw {

int runConfigurationMode(StartupContext &context)
{
    // The configuration dialog is shown here, modally, with no aquarium to
    // link to; until it exists the mode ends where the dialog would open.
    Q_UNUSED(context);
    return 0;
}

} // namespace fw

#include "setup/ui/frmSetup.h"
#include "startup/ui/StartupContext.h"

namespace fw {

int runConfigurationMode(StartupContext &context)
{
    // No aquarium runs in this mode: the dialog is the only window, and the
    // program ends when it closes, whichever way.
    frmSetup dialog(context.state, context.random, context.clock, context.screen, nullptr);
    dialog.exec();
    return 0;
}

} // namespace fw

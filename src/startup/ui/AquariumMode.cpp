#include "aquarium/ui/frmAquarium.h"
#include "setup/ui/frmSetup.h"
#include "startup/SoundSwitch.h"
#include "startup/ui/HostWindow.h"
#include "startup/ui/StartupContext.h"

#include <QApplication>

namespace fw {

namespace {

// Runs the aquarium inside a host's window: the host owns input and ends us
// with a signal, so the window only draws.
int runHosted(StartupContext &context)
{
    // Opened and checked at start-up, before anything was loaded.
    HostWindow &host = *context.hostWindow;
    frmAquarium window(context.state, context.random, context.clock, context.control, host.size());
    window.setHosted(true);
    window.setStateKeeper(context.keeper);
    context.setAquariumUnload([&window] { window.Form_Unload(); });
    host.embed(&window);
    QObject::connect(&host, &HostWindow::resized, &window,
                     [&window](QSize size) { window.resizeToScreen(size); });
    QObject::connect(&host, &HostWindow::gone, &window,
                     [&context] { context.control.EndProgram(); });
    window.PictureScreen_GotFocus();
    context.sound->setTankRunning(true);
    return QApplication::exec();
}

} // namespace

int runAquariumMode(StartupContext &context)
{
    if (context.host.hosted())
        return runHosted(context);

    const QSize screen(context.screen.width, context.screen.height);
    frmAquarium window(context.state, context.random, context.clock, context.control, screen);
    window.setStateKeeper(context.keeper);
    window.setConfigurationOpener([&context, &window] {
        frmSetup dialog(context.state, context.random, context.clock, context.screen, &window,
                        &window);
        dialog.exec();
        context.sound->follow(context.state.settings);
    });
    context.setAquariumUnload([&window] { window.Form_Unload(); });
    window.showOverScreen();
    context.sound->setTankRunning(true);
    return QApplication::exec();
}

} // namespace fw

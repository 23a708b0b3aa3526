#include "startup/ui/Application.h"

#include "startup/ApplicationControl.h"
#include "startup/CommandLine.h"
#include "startup/SingleInstance.h"
#include "startup/StartupState.h"
#include "startup/ui/StartupContext.h"

#include <QApplication>
#include <QScreen>

namespace fw {

namespace {

ScreenSize primaryScreenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {640, 480};
    const QSize size = screen->geometry().size();
    return {size.width(), size.height()};
}

} // namespace

int runApplication(int argc, char **argv)
{
    // Decided before anything else: the host's other switches end the
    // program without a display, a file or a lock.
    const QString commandLine = commandLineFrom(argc, argv);
    const StartMode mode = startModeFor(commandLine);
    if (mode == StartMode::Quit)
        return 0;

    SingleInstance instance;
    if (!instance.acquire())
        return 0;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("finwicks"));

    SeededRandom random = SeededRandom::fromClock();
    SystemClock clock;
    AppState state;
    state.settingsPath = settingsFilePath();
    ensureSettingsFolder(state.settingsPath);
    const ScreenSize screen = primaryScreenSize();
    prepareState(state, random, clock, screen);

    ApplicationControl control(commandLine);
    control.setBeforeExit([&instance] { instance.release(); });
    StartupContext context{
        state,
        random,
        clock,
        control,
        commandLine,
        screen,
        [&control](std::function<void()> unload) { control.setAquariumUnload(std::move(unload)); }};

    if (mode == StartMode::Configuration)
        return runConfigurationMode(context);
    control.HideMouseCursor();
    const int status = runAquariumMode(context);
    control.ShowMouseCursor();
    return status;
}

} // namespace fw

#include "startup/ui/Application.h"

#include "platform/Screen.h"
#include "platform/SoundLibrary.h"
#include "platform/ui/OverrideCursorKeeper.h"
#include "startup/AbruptEnd.h"
#include "startup/ApplicationControl.h"
#include "startup/CommandLine.h"
#include "startup/HostStart.h"
#include "startup/SignalWatcher.h"
#include "startup/SingleInstance.h"
#include "startup/SoundSwitch.h"
#include "startup/StartupState.h"
#include "startup/Translations.h"
#include "startup/ui/HostWindow.h"
#include "startup/ui/StartupContext.h"
#include "state/AtomicFile.h"

#include <QApplication>
#include <QLocale>

namespace fw {

int runApplication(int argc, char **argv, std::chrono::milliseconds savePeriod)
{
    // Decided before anything else: the host's other switches end the
    // program without a display, a file or a lock.
    const QString commandLine = commandLineFrom(argc, argv);
    const HostRequest host = hostRequestFrom(argc, argv);
    if (host.mode == HostMode::Help) {
        // The help is shown in the user's language too; no display needed.
        QCoreApplication core(argc, argv);
        Translations translations;
        translations.install(QLocale().uiLanguages(), QCoreApplication::applicationDirPath());
        return *answerBeforeStart(host);
    }
    if (const std::optional<int> status = answerBeforeStart(host))
        return *status;
    const StartMode mode = host.hosted() ? StartMode::Aquarium : startModeFor(commandLine);
    if (mode == StartMode::Quit)
        return 0;
    if (host.hosted() && !chooseX11ForHosting())
        return 1;

    // A host starts one saver per monitor: the first owns the settings file,
    // the others show the same tank and leave the file to it.
    SingleInstance instance;
    const bool owner = instance.acquire();
    if (!owner && !host.hosted())
        return 0;

    // Everything is drawn by the CPU: Qt's GL integration would only map its
    // libraries. One set by the user is left alone.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("finwicks"));
    Translations translations;
    translations.install(QLocale().uiLanguages(), QApplication::applicationDirPath());
    SignalWatcher signalWatcher;
    OverrideCursorKeeper cursorKeeper;
    std::unique_ptr<HostWindow> hostWindow;
    if (host.hosted() && !(hostWindow = openHostWindow(host)))
        return 1;

    SeededRandom random = SeededRandom::fromClock();
    SystemClock clock;
    AppState state;
    state.settingsPath = settingsFilePath();
    ensureSettingsFolder(state.settingsPath);
    const QSize primary = primaryScreenSize();
    const ScreenSize screen{primary.width(), primary.height()};
    FileVersion loadedVersion;
    if (owner) {
        // Holding the lock, we are the only instance that saves from now on:
        // an older half-written copy is a save that was killed.
        removeLeftoverTemporary(state.settingsPath, clock.now());
        prepareState(state, random, clock, screen);
    } else {
        loadedVersion = prepareReadOnlyState(state, random, clock, screen);
    }

    // Opened only when a sound is wanted; ending the program ends it at once.
    const QSize hostSize = hostWindow ? hostWindow->size() : QSize();
    SoundSwitch sound(mayPlaySound(owner, host, hostSize, primary), openSoundLibrary);
    sound.follow(state.settings);
    state.sound = &sound;

    // Only the owner of the file saves while the tank runs, and only the
    // tank's state changes as it runs.
    std::optional<StateKeeper> keeper;
    if (owner && mode == StartMode::Aquarium) {
        keeper.emplace(state, clock, savePeriod);
        runBeforeAbruptEnd([&keeper] { keeper->saveBeforeEnd(); });
    }

    ApplicationControl control(commandLine);
    control.setBeforeExit([&instance] { instance.release(); });
    StartupContext context{state,
                           random,
                           clock,
                           control,
                           commandLine,
                           screen,
                           [&](std::function<void()> unload) {
                               // Unloading saves; a read-only instance saves only
                               // when its tank is the latest.
                               if (!owner)
                                   unload = unloadIfOwnerGone(
                                       [&instance] { return instance.acquire(); },
                                       state.settingsPath, loadedVersion, std::move(unload));
                               control.setAquariumUnload(std::move(unload));
                           },
                           host,
                           hostWindow.get(),
                           !owner,
                           &sound,
                           keeper ? &*keeper : nullptr};
    // A host, a terminal or the session ending stops us the way EXIT does;
    // in the configuration dialog nothing is committed.
    QObject::connect(&signalWatcher, &SignalWatcher::terminationRequested, &application,
                     [&control] { control.EndProgram(); });

    if (mode == StartMode::Configuration)
        return runConfigurationMode(context);
    control.HideMouseCursor();
    const int status = runAquariumMode(context);
    // The event loop ended without EndProgram: keep the run all the same.
    if (keeper)
        keeper->saveBeforeEnd();
    clearBeforeAbruptEnd();
    control.ShowMouseCursor();
    return status;
}

} // namespace fw

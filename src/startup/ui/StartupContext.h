#pragma once

#include "platform/Clock.h"
#include "platform/ProgramControl.h"
#include "platform/Random.h"
#include "startup/HostCommandLine.h"
#include "state/AppState.h"
#include "state/ScreenSize.h"

#include <QString>

#include <functional>

namespace fw {

class HostWindow;
class SoundSwitch;
class StateKeeper;

// Everything a mode needs, owned by runApplication for the whole run.
struct StartupContext
{
    AppState &state;
    Random &random;
    const Clock &clock;
    ProgramControl &control;
    QString commandLine;
    ScreenSize screen;
    // The aquarium mode registers how to unload its window here, so that
    // EndProgram closes it (and so saves) before the process ends.
    std::function<void(std::function<void()>)> setAquariumUnload;
    // Set when a screen saver host gave us its window to draw in.
    HostRequest host = {};
    // That window, open and checked; null unless hosted.
    HostWindow *hostWindow = nullptr;
    // A further hosted instance: it shows the tank but never saves it.
    bool readOnly = false;
    // The program's sound; it follows the settings after each OK.
    SoundSwitch *sound = nullptr;
    // Saves the running tank now and then; null where this process must not
    // write the file.
    StateKeeper *keeper = nullptr;
};

// The two modes; each shows its one window modally and returns the exit
// status when it closes.
int runAquariumMode(StartupContext &context);
int runConfigurationMode(StartupContext &context);

} // namespace fw

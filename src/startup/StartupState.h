#pragma once

#include "state/AppState.h"
#include "state/AtomicFile.h"
#include "state/ScreenSize.h"

#include <QString>

namespace fw {

class Clock;
class Random;

// $XDG_CONFIG_HOME/finwicks/FINWICKS.INI, or ~/.config/finwicks/FINWICKS.INI
// when the variable is unset or not an absolute path.
QString settingsFilePath();

// Creates the folder of the settings file; false when it cannot.
bool ensureSettingsFolder(const QString &settingsPath);

// Copies (or, when it cannot be read, moves) a settings file that is about to
// be replaced to FINWICKS.INI.bak beside it, so its fish are not lost, and
// says so on standard error. Earlier backups become .bak.1 and .bak.2.
bool keepUnusableFile(const QString &settingsPath);
inline constexpr int KeptBackups = 3;

// What start-up found.
struct StartupOutcome
{
    bool firstRun = false;
    bool saved = true; // the first-run file was written (always true otherwise)
};

// Fills the state from state.settingsPath: when the file holds no saved tank
// (holdsSavedState), the first-run state is created and saved (the old file kept as
// .bak); then every setting and fish is loaded and unnamed fish get names.
StartupOutcome prepareState(AppState &state, Random &random, const Clock &clock, ScreenSize screen,
                            const FileReplaceSteps &steps = {});

} // namespace fw

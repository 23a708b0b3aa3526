#pragma once

#include "startup/HostCommandLine.h"
#include "state/AppState.h"
#include "state/ScreenSize.h"

#include <functional>
#include <optional>

namespace fw {

class Clock;
class Random;

// The hosting request of this process's arguments (after the program name)
// and its XSCREENSAVER_WINDOW.
HostRequest hostRequestFrom(int argc, const char *const *argv);

// Answers what needs no display, lock or file: --help prints the usage text,
// a refused hosting argument its reason. Returns the exit status when the
// program ends here.
std::optional<int> answerBeforeStart(const HostRequest &request);

// One version of the settings file. Every save replaces the file, so any
// save gives a different version.
struct FileVersion
{
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;

    bool operator==(const FileVersion &) const = default;
};

FileVersion fileVersion(const QString &path);

// Loads the settings file for an instance that shows the tank of another
// one (a further monitor) and must not overwrite it. When the owner is still
// creating a first file, this waits up to `patienceMs` for it; without one it
// runs on the first-run state in memory. Returns the version it loaded.
FileVersion prepareReadOnlyState(AppState &state, Random &random, const Clock &clock,
                                 ScreenSize screen, int patienceMs = 3000);

// The unload of a read-only instance. It saves only when, at its end, the
// owner has gone (`takeLock` succeeds) and nobody wrote the file since it was
// loaded: then its tank is the latest. Otherwise the owner's newer file
// stays as it is.
std::function<void()> unloadIfOwnerGone(std::function<bool()> takeLock, QString path,
                                        FileVersion loaded, std::function<void()> unload);

} // namespace fw

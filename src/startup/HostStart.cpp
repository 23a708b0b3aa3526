#include "startup/HostStart.h"

#include "startup/StartupState.h"
#include "state/Fish.h"
#include "state/IniFile.h"
#include "state/SettingsFile.h"
#include "state/StateLoading.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QThread>

#include <cstdio>
#include <sys/stat.h>

namespace fw {

namespace {

// By the same rule as the owner's start, so both instances agree on whether
// the file holds a tank.
bool fileHasDate(const QString &path)
{
    return holdsSavedState(readSettingsFile(path));
}

} // namespace

HostRequest hostRequestFrom(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return parseHostArguments(arguments, qEnvironmentVariable("XSCREENSAVER_WINDOW"));
}

std::optional<int> answerBeforeStart(const HostRequest &request)
{
    if (request.mode == HostMode::Help) {
        std::fputs(qPrintable(usageText()), stdout);
        std::fflush(stdout);
        return 0;
    }
    if (request.mode == HostMode::Invalid) {
        std::fprintf(stderr, "finwicks: %s (see finwicks --help)\n", qUtf8Printable(request.error));
        return 1;
    }
    return std::nullopt;
}

FileVersion fileVersion(const QString &path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {true, static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino),
            static_cast<qint64>(info.st_size),
            static_cast<qint64>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

std::function<void()> unloadIfOwnerGone(std::function<bool()> takeLock, QString path,
                                        FileVersion loaded, std::function<void()> unload)
{
    return [takeLock = std::move(takeLock), path = std::move(path), loaded,
            unload = std::move(unload)] {
        if (takeLock() && fileVersion(path) == loaded)
            unload();
    };
}

FileVersion prepareReadOnlyState(AppState &state, Random &random, const Clock &clock,
                                 ScreenSize screen, int patienceMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!fileHasDate(state.settingsPath) && waited.elapsed() < patienceMs)
        QThread::msleep(100);

    // Taken before reading: a save in between makes the instance think its
    // tank older than it is, never newer.
    const FileVersion loaded = fileVersion(state.settingsPath);
    if (fileHasDate(state.settingsPath)) {
        // With a date in the file, loading writes nothing.
        prepareState(state, random, clock, screen);
        return loaded;
    }
    // No file to show: the tank the owner is about to create, kept in memory.
    createFirstRunState(state, random, clock, screen);
    for (int p = 1; p <= FishTable::Capacity; ++p)
        state.values[p].facing = 0;
    nameUnnamedFish(state, random, false);
    return loaded;
}

} // namespace fw

#include "startup/StartupState.h"

#include "state/Fish.h"
#include "state/IniFile.h"
#include "state/SettingsFile.h"
#include "state/StateLoading.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace fw {

QString settingsFilePath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return QDir(base).filePath(QStringLiteral("finwicks/FINWICKS.INI"));
}

bool ensureSettingsFolder(const QString &settingsPath)
{
    return QDir().mkpath(QFileInfo(settingsPath).absolutePath());
}

bool keepUnusableFile(const QString &settingsPath)
{
    if (!QFileInfo(settingsPath).isFile())
        return false;
    // Earlier backups move one place back, the oldest beyond the last goes.
    const auto backupName = [&settingsPath](int n) {
        return settingsPath + (n == 0 ? QStringLiteral(".bak") : QStringLiteral(".bak.%1").arg(n));
    };
    QFile::remove(backupName(KeptBackups - 1));
    for (int n = KeptBackups - 2; n >= 0; --n) {
        if (QFileInfo::exists(backupName(n)))
            QFile::rename(backupName(n), backupName(n + 1));
    }
    const QString backup = backupName(0);
    if (QFile::copy(settingsPath, backup) || QFile::rename(settingsPath, backup)) {
        std::fprintf(stderr, "finwicks: %s holds no saved tank; kept it as %s\n",
                     qUtf8Printable(settingsPath), qUtf8Printable(backup));
        return true;
    }
    std::fprintf(stderr, "finwicks: could not keep %s as %s\n", qUtf8Printable(settingsPath),
                 qUtf8Printable(backup));
    return false;
}

StartupOutcome prepareState(AppState &state, Random &random, const Clock &clock, ScreenSize screen,
                            const FileReplaceSteps &steps)
{
    StartupOutcome outcome;
    std::optional<IniFile> file = readSettingsFile(state.settingsPath);
    if (!holdsSavedState(file)) {
        outcome.firstRun = true;
        keepUnusableFile(state.settingsPath);
        createFirstRunState(state, random, clock, screen);
        outcome.saved = SaveAll(state, clock, steps);
        file = outcome.saved ? readSettingsFile(state.settingsPath) : std::nullopt;
    }
    if (file) {
        loadSettings(state.settings, *file, screen);
        loadFishTable(state, random, *file);
    } else {
        // Nothing could be read back: run on with the state in memory, which
        // is what the file would have held.
        for (int p = 1; p <= FishTable::Capacity; ++p)
            state.values[p].facing = 0;
        nameUnnamedFish(state, random, false);
    }
    return outcome;
}

} // namespace fw

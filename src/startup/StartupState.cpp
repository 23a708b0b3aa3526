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
    const QString backup = settingsPath + QStringLiteral(".bak");
    if (!QFileInfo(settingsPath).isFile())
        return false;
    if (QFileInfo::exists(backup))
        QFile::remove(backup);
    if (QFile::copy(settingsPath, backup) || QFile::rename(settingsPath, backup))
        return true;
    std::fprintf(stderr, "finwicks: could not keep %s as %s\n", qUtf8Printable(settingsPath),
                 qUtf8Printable(backup));
    return false;
}

StartupOutcome prepareState(AppState &state, Random &random, const Clock &clock, ScreenSize screen,
                            const FileReplaceSteps &steps)
{
    StartupOutcome outcome;
    std::optional<IniFile> file = IniFile::load(state.settingsPath);
    const QString date = file ? file->value(u"system", u"date").value_or(QStringLiteral("NoFile"))
                              : QStringLiteral("NoFile");
    if (date == u"NoFile") {
        outcome.firstRun = true;
        keepUnusableFile(state.settingsPath);
        createFirstRunState(state, random, clock, screen);
        outcome.saved = SaveAll(state, clock, steps);
        file = outcome.saved ? IniFile::load(state.settingsPath) : std::nullopt;
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

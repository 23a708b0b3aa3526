#pragma once

#include "state/AppState.h"
#include "state/AtomicFile.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace fw {

class Clock;
class IniFile;

// The settings file at `path` as far as the program reads it: the keys of
// "system" and "case" and the fish keys, however large the file is. Empty
// when it cannot be read.
std::optional<IniFile> readSettingsFile(const QString &path);
// The same from the file's bytes.
IniFile parseSettingsFile(QByteArrayView bytes);

// Whether a read settings file holds a saved tank: its "date" in "system" is
// there and is not "NoFile". Every instance decides by this whether the
// first-run state takes the file's place.
bool holdsSavedState(const std::optional<IniFile> &file);

// The value of `key` in `section` of the settings file at `path`, at most 254
// bytes in the file's code page; `defaultValue` when the file, section or key
// is missing or cannot be read.
QString ReadSetting(const QString &path, QStringView section, QStringView key,
                    const QString &defaultValue);

// Writes the whole settings record and the fish table (in save order) to
// state.settingsPath. The file is replaced whole or not at all: on failure the
// old file is kept, the reason goes to standard error, and false is returned.
bool SaveAll(AppState &state, const Clock &clock);
// The same with the file steps replaced (tests make them fail).
bool SaveAll(AppState &state, const Clock &clock, const FileReplaceSteps &steps);

// The bytes SaveAll would write now, made from a copy, so the state keeps
// its fish order and its date: a save while the tank runs must neither move
// the fish the window is working with nor change the day of the last
// finished run, which the end rule reads.
QByteArray snapshotBytes(const AppState &state, const Clock &clock);

// Replaces the settings file at `path` with `bytes` (atomically, as SaveAll
// does); on failure the old file is kept and the reason goes to standard
// error.
bool writeSettingsFile(const QString &path, QByteArrayView bytes,
                       const FileReplaceSteps &steps = {});

// The bytes SaveAll writes for the state as it stands (no reordering, no new
// date): "[system]", "[case]" and, with fish, "[fish]", keys in table order.
QByteArray settingsFileBytes(const AppState &state);

// True when the path names a file that can be opened for reading.
bool FileExists(const QString &path);

} // namespace fw

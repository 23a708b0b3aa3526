#pragma once

#include "state/AppState.h"

#include <QString>
#include <QStringView>

namespace fw {

class Clock;

// The value of `key` in `section` of the settings file at `path`, at most 254
// bytes in the file's code page; `defaultValue` when the file, section or key
// is missing or cannot be read.
QString ReadSetting(const QString &path, QStringView section, QStringView key,
                    const QString &defaultValue);

// Writes the whole settings record and the fish table (in save order) to
// state.settingsPath. The file is replaced whole or not at all: on failure the
// old file is kept, the reason goes to standard error, and false is returned.
bool SaveAll(AppState &state, const Clock &clock);

} // namespace fw

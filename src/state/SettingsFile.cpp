#include "state/SettingsFile.h"

#include "state/Fish.h"
#include "state/IniFile.h"
#include "state/SettingsKeys.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace fw {

QString ReadSetting(const QString &path, QStringView section, QStringView key,
                    const QString &defaultValue)
{
    const std::optional<IniFile> file = IniFile::load(path);
    if (!file)
        return defaultValue;
    return file->value(section, key).value_or(defaultValue);
}

bool FileExists(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

QByteArray settingsFileBytes(const AppState &state)
{
    IniWriter writer;
    QStringView currentSection;
    for (const SettingKey &key : settingKeys()) {
        if (key.sectionName() != currentSection) {
            currentSection = key.sectionName();
            writer.section(currentSection);
        }
        writer.entry(key.keyName(), settingValue(state.settings, key));
    }
    const int count = std::min(state.fish.count, FishTable::Capacity);
    if (count > 0) {
        writer.section(u"fish");
        for (int p = 1; p <= count; ++p)
            writer.entry(QStringLiteral("f%1").arg(p, 2, 10, QChar(u'0')), state.fish.at(p).text());
    }
    return writer.bytes();
}

bool SaveAll(AppState &state, const Clock &clock)
{
    return SaveAll(state, clock, FileReplaceSteps{});
}

bool SaveAll(AppState &state, const Clock &clock, const FileReplaceSteps &steps)
{
    prepareFishForSave(state);
    state.settings.date = dateText(clock);
    state.settings.time = timeText(clock);

    QString error;
    if (replaceFile(state.settingsPath, settingsFileBytes(state), &error, steps))
        return true;
    std::fprintf(stderr, "finwicks: the settings were not saved, the old file is kept: %s\n",
                 qUtf8Printable(error));
    return false;
}

} // namespace fw

#include "state/SettingsFile.h"

#include "state/Fish.h"
#include "state/IniFile.h"
#include "state/SettingsKeys.h"
#include "state/StateLoading.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

#include <cstdio>
#include <memory>

namespace fw {

namespace {

bool isSettingsSection(QStringView section)
{
    return section.compare(u"system", Qt::CaseInsensitive) == 0 ||
           section.compare(u"case", Qt::CaseInsensitive) == 0;
}

bool isSettingKey(QStringView key)
{
    // Without allocating: a file may hold millions of junk keys.
    return std::any_of(settingKeys().begin(), settingKeys().end(), [key](const SettingKey &s) {
        return s.keyName().size() == key.size() &&
               s.keyName().compare(key, Qt::CaseInsensitive) == 0;
    });
}

// Keeps what loading reads, so that a file of junk keys costs one pass and
// no memory. Keys past f99 are kept up to the tank's capacity.
IniSelection settingsSelection()
{
    // The keys past f99 accepted so far, by folded name (at most 99, so a
    // repeated one is not counted twice).
    auto beyondKept = std::make_shared<QSet<QString>>();
    return {[](QStringView section) {
                return isSettingsSection(section) ||
                       section.compare(u"fish", Qt::CaseInsensitive) == 0;
            },
            [beyondKept](QStringView section, QStringView key) {
                if (isSettingsSection(section))
                    return isSettingKey(key);
                switch (fishKeyKind(key)) {
                case FishKeyKind::Numbered:
                    return true;
                case FishKeyKind::Beyond: {
                    const QString name = key.toString().toLower();
                    if (beyondKept->contains(name))
                        return true;
                    if (beyondKept->size() >= FishTable::Capacity)
                        return false;
                    beyondKept->insert(name);
                    return true;
                }
                case FishKeyKind::None:
                    break;
                }
                return false;
            }};
}

} // namespace

std::optional<IniFile> readSettingsFile(const QString &path)
{
    return IniFile::load(path, settingsSelection());
}

IniFile parseSettingsFile(QByteArrayView bytes)
{
    return IniFile::parse(bytes, settingsSelection());
}

bool holdsSavedState(const std::optional<IniFile> &file)
{
    return file && file->value(u"system", u"date").value_or(QStringLiteral("NoFile")) != u"NoFile";
}

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

namespace {

// What every save does to the state before it is written.
void stampForSave(AppState &state, const Clock &clock)
{
    prepareFishForSave(state);
    state.settings.date = dateText(clock);
    state.settings.time = timeText(clock);
}

} // namespace

bool SaveAll(AppState &state, const Clock &clock, const FileReplaceSteps &steps)
{
    stampForSave(state, clock);
    return writeSettingsFile(state.settingsPath, settingsFileBytes(state), steps);
}

QByteArray snapshotBytes(const AppState &state, const Clock &clock)
{
    AppState copy;
    copy.settings = state.settings;
    copy.fish = state.fish;
    copy.values = state.values;
    stampForSave(copy, clock);
    return settingsFileBytes(copy);
}

bool writeSettingsFile(const QString &path, QByteArrayView bytes, const FileReplaceSteps &steps)
{
    QString error;
    if (replaceFile(path, bytes, &error, steps))
        return true;
    std::fprintf(stderr, "finwicks: the settings were not saved, the old file is kept: %s\n",
                 qUtf8Printable(error));
    return false;
}

} // namespace fw

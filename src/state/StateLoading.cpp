#include "state/StateLoading.h"

#include "platform/Conversions.h"
#include "state/Fish.h"
#include "state/IniFile.h"
#include "state/SettingsKeys.h"

#include <algorithm>

namespace fw {

namespace {

struct StarterFish
{
    int count;
    int species;
    int ageClass;
    int sexChoice;
};

constexpr StarterFish starterFish[] = {
    {1, 0, 1, 1}, {1, 0, 1, 2}, {2, 0, 2, 1}, {2, 0, 2, 2}, {8, 1, 0, 0}, {8, 2, 0, 0},
    {1, 3, 1, 1}, {1, 3, 1, 2}, {1, 4, 1, 1}, {1, 4, 1, 2}, {1, 5, 1, 1}, {1, 5, 1, 2},
};

void setFromField(std::int16_t &target, int fieldValue)
{
    // A stored number beyond 16 bits leaves the value as it was.
    if (const auto value = toInt16(fieldValue))
        target = *value;
}

void addLoadedFish(AppState &state, const std::optional<QString> &value)
{
    if (!value || value->startsWith(u"NODATA") || state.fish.count >= FishTable::Capacity)
        return;
    const int p = ++state.fish.count;
    FishRecord &record = state.fish.at(p);
    record = FishRecord(*value);

    FishValues &values = state.values[p];
    setFromField(values.left, record.left());
    setFromField(values.top, record.top());
    setFromField(values.movex, record.movex());
    setFromField(values.movey, record.movey());
    values.width = 0;
    values.height = 0;
    values.topspeed = 10;
}

// The fish keys past f99 in the order of their numbers.
std::vector<QString> beyondFishKeys(const IniFile &file)
{
    std::vector<QString> keys = file.keys(u"fish");
    std::erase_if(keys, [](const QString &key) { return fishKeyKind(key) != FishKeyKind::Beyond; });
    std::sort(keys.begin(), keys.end(), [](const QString &a, const QString &b) {
        return a.size() != b.size() ? a.size() < b.size() : a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return keys;
}

} // namespace

void createFirstRunState(AppState &state, Random &random, const Clock &clock, ScreenSize screen)
{
    state.settings = SettingsRecord{};
    for (const SettingKey &key : settingKeys())
        assignSetting(state.settings, key, firstRunValue(key, clock, screen));

    state.fish.count = 0;
    for (const StarterFish &fish : starterFish)
        AddFish(state, random, clock, screen, fish.count, fish.species, fish.ageClass,
                fish.sexChoice, true);
}

void loadSettings(SettingsRecord &settings, const IniFile &file, ScreenSize screen)
{
    for (const SettingKey &key : settingKeys()) {
        const QString value =
            file.value(key.sectionName(), key.keyName()).value_or(missingValue(key, screen));
        assignSetting(settings, key, value);
    }
    if (settings.version != QStringView(CurrentVersion))
        settings.version = QString::fromUtf16(CurrentVersion);
}

void loadFishTable(AppState &state, Random &random, const IniFile &file)
{
    for (int p = 1; p <= FishTable::Capacity; ++p)
        state.values[p].facing = 0;
    state.fish.count = 0;

    // A gap in the keys (f05 without f04, only possible by hand) must not
    // lose the fish after it: they move up, and the next save closes the gap.
    for (int k = 1; k <= FishTable::Capacity; ++k)
        addLoadedFish(state, file.value(u"fish", QStringLiteral("f%1").arg(k, 2, 10, QChar(u'0'))));
    // Keys past f99 (a hand-edited file) follow in their order while there is
    // room, so the next save keeps them as f-keys within 99.
    for (const QString &key : beyondFishKeys(file))
        addLoadedFish(state, file.value(u"fish", key));
    nameUnnamedFish(state, random, false);
}

FishKeyKind fishKeyKind(QStringView key)
{
    if (key.size() < 3 || (key[0] != u'f' && key[0] != u'F'))
        return FishKeyKind::None;
    const QStringView digits = key.sliced(1);
    const bool allDigits =
        std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!allDigits)
        return FishKeyKind::None;
    if (digits.size() == 2)
        return digits == u"00" ? FishKeyKind::None : FishKeyKind::Numbered;
    return digits[0] == u'0' ? FishKeyKind::None : FishKeyKind::Beyond;
}

} // namespace fw

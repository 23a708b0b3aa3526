#include "aquarium/life/FeedingTimes.h"

#include "aquarium/life/Flakes.h"
#include "aquarium/life/LightSchedule.h"
#include "platform/Conversions.h"
#include "state/SettingsRecord.h"

#include <algorithm>

namespace fw {

std::optional<int> feedingHour(const SettingsRecord &settings, int which)
{
    const QString &enabled = which == 1 ? settings.food1 : settings.food2;
    if (enabled != u"1")
        return std::nullopt;
    return lightHour(which == 1 ? settings.foodtime1 : settings.foodtime2);
}

bool feedingBetween(const SettingsRecord &settings, const QDateTime &after, const QDateTime &upTo)
{
    if (!after.isValid() || !upTo.isValid() || after >= upTo)
        return false;
    // Days and milliseconds of the local time of day: compared without
    // making dates, which an animation tick should not allocate for.
    const qint64 upToDay = upTo.date().toJulianDay();
    const qint64 upToMs = upTo.time().msecsSinceStartOfDay();
    const qint64 afterDay = after.date().toJulianDay();
    const qint64 afterMs = after.time().msecsSinceStartOfDay();
    for (int which : {1, 2}) {
        const std::optional<int> hour = feedingHour(settings, which);
        if (!hour)
            continue;
        // The last time that hour struck, up to `upTo`.
        const qint64 struckMs = *hour * 3600000LL;
        const qint64 struckDay = struckMs <= upToMs ? upToDay : upToDay - 1;
        if (struckDay > afterDay || (struckDay == afterDay && struckMs > afterMs))
            return true;
    }
    return false;
}

QDateTime lastSaved(const SettingsRecord &settings)
{
    const QDate date = QDate::fromString(trimmedSpaces(settings.date).toString(), u"yyyy/MM/dd");
    const QTime time = QTime::fromString(trimmedSpaces(settings.time).toString(), u"HH:mm:ss");
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

int portionFor(int fishCount)
{
    return std::clamp((fishCount * 3 + 1) / 2, 6, Flakes::Capacity);
}

} // namespace fw

#include "aquarium/life/LightSchedule.h"

#include "platform/Conversions.h"
#include "state/SettingsRecord.h"

#include <cmath>

namespace fw {

namespace {

constexpr double MinutesPerDay = 24 * 60;

double minutesAfter(double minute, int hour)
{
    const double after = std::fmod(minute - hour * 60.0, MinutesPerDay);
    return after < 0 ? after + MinutesPerDay : after;
}

} // namespace

std::optional<int> lightHour(QStringView text)
{
    const std::optional<double> value = textToNumber(text);
    if (!value || *value != std::floor(*value) || *value < 0 || *value > 23)
        return std::nullopt;
    return int(*value);
}

LightState lightAt(const SettingsRecord &settings, QTime time)
{
    const std::optional<int> on = lightHour(settings.lighton);
    const std::optional<int> off = lightHour(settings.lightoff);
    if (!on || !off || *on == *off)
        return {};
    const double minute = time.msecsSinceStartOfDay() / 60000.0;
    const double sinceOn = minutesAfter(minute, *on);
    const double dayLength = minutesAfter(*off * 60.0, *on);
    if (sinceOn < dayLength) {
        if (sinceOn < LightRampMinutes)
            return {sinceOn / LightRampMinutes, LightPhase::Dawn};
        return {};
    }
    const double sinceOff = sinceOn - dayLength;
    if (sinceOff < LightRampMinutes)
        return {1 - sinceOff / LightRampMinutes, LightPhase::Dusk};
    return {0, LightPhase::Night};
}

} // namespace fw

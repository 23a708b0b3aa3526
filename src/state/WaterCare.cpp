#include "state/WaterCare.h"

#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "state/SettingsKeys.h"
#include "state/SettingsRecord.h"

#include <QDate>

#include <algorithm>

namespace fw {

namespace {

constexpr int HazeStartDays = 7;
constexpr int MurkyDays = 30;
constexpr double FullChangeLitres = 60;

// Digits only, so a date can be read on every frame without allocating.
std::optional<int> digitsValue(QStringView text)
{
    if (text.isEmpty() || text.size() > 4)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

double storedTurbidity(const SettingsRecord &settings)
{
    return std::clamp(decimalPrefix(settings.wturbidity) / 100.0, 0.0, 1.0);
}

} // namespace

std::optional<int> dayNumberOfDateText(QStringView text)
{
    text = trimmedSpaces(text);
    const qsizetype first = text.indexOf(u'/');
    const qsizetype second = first < 0 ? -1 : text.indexOf(u'/', first + 1);
    if (second < 0)
        return std::nullopt;
    const auto year = digitsValue(text.first(first));
    const auto month = digitsValue(text.sliced(first + 1, second - first - 1));
    const auto day = digitsValue(text.sliced(second + 1));
    if (!year || !month || !day || text.sliced(first + 1, second - first - 1).size() > 2 ||
        text.sliced(second + 1).size() > 2)
        return std::nullopt;
    const QDate date(*year, *month, *day);
    if (!date.isValid())
        return std::nullopt;
    return Clock::dayNumberOf(date);
}

std::optional<int> waterAgeDays(const SettingsRecord &settings, int today)
{
    const std::optional<int> changed = dayNumberOfDateText(settings.wchangedate);
    if (!changed)
        return std::nullopt;
    // A change dated in the future (a clock set back) counts as today's.
    return std::max(0, today - *changed);
}

double hazeOfAge(int days)
{
    if (days <= HazeStartDays)
        return 0;
    const double share = std::min(1.0, double(days - HazeStartDays) / (MurkyDays - HazeStartDays));
    return share * share;
}

double waterHaze(const SettingsRecord &settings, int today)
{
    const double gathered = hazeOfAge(waterAgeDays(settings, today).value_or(0));
    return std::max(storedTurbidity(settings), gathered);
}

void changeWater(SettingsRecord &settings, double hazeBefore, const Clock &clock)
{
    const double litres = std::clamp(decimalPrefix(settings.wquantity), 0.0, FullChangeLitres);
    const double left = std::clamp(hazeBefore, 0.0, 1.0) * (1 - litres / FullChangeLitres);
    settings.wturbidity = QString::number(nearestInt(left * 100));
    settings.wchangedate = dateText(clock);
}

bool automaticChangeDue(const SettingsRecord &settings, int today)
{
    if (settings.wautochange != u"1")
        return false;
    const std::optional<int> age = waterAgeDays(settings, today);
    if (!age)
        return true;
    const double interval = std::max(1.0, decimalPrefix(settings.wchangeinterval));
    return *age >= interval;
}

} // namespace fw

#include "aquarium/life/TankStatus.h"

#include "aquarium/life/WaterTemperature.h"
#include "state/WaterCare.h"

#include <QCoreApplication>

#include <algorithm>

namespace fw {

namespace {

// Five characters in all: "999日目".
constexpr int MostDaysShown = 999;

QString tr(const char *text)
{
    return QCoreApplication::translate("TankStatus", text);
}

} // namespace

QString waterClarityWord(double haze)
{
    if (haze < ClearWaterLimit)
        return tr("澄んでいる");
    if (haze < CloudyWaterLimit)
        return tr("やや濁り");
    return tr("濁っている");
}

QString waterDayText(std::optional<int> days)
{
    if (!days)
        return {};
    return tr("%1日目").arg(std::min(*days, MostDaysShown));
}

QString lightPhaseWord(LightPhase phase)
{
    switch (phase) {
    case LightPhase::Day:
        return tr("昼");
    case LightPhase::Dusk:
        return tr("夕暮れ");
    case LightPhase::Night:
        return tr("夜");
    case LightPhase::Dawn:
        return tr("夜明け");
    }
    return {};
}

QString temperatureWarning(int species, double celsius)
{
    switch (temperatureFeel(species, celsius)) {
    case TemperatureFeel::TooWarm:
        return tr("水温が高すぎます");
    case TemperatureFeel::TooCold:
        return tr("水温が低すぎます");
    case TemperatureFeel::Comfortable:
        break;
    }
    return {};
}

} // namespace fw

#pragma once

#include <QStringView>
#include <QTime>

#include <optional>

namespace fw {

struct SettingsRecord;

enum class LightPhase
{
    Day,
    Dusk,
    Night,
    Dawn,
};

struct LightState
{
    double level = 1; // 1 full daylight, 0 moonlight
    LightPhase phase = LightPhase::Day;
};

// How long the light takes to go off or come on, from the hour on.
inline constexpr int LightRampMinutes = 30;

// An hour setting as 0..23; empty for an empty or unreadable text.
std::optional<int> lightHour(QStringView text);

// The light at a time of day: on from `lighton`:00 (full at :30) until
// `lightoff`:00 (night from :30), wrapping midnight. Equal hours, or an hour
// that cannot be read, keep the light on.
LightState lightAt(const SettingsRecord &settings, QTime time);

} // namespace fw

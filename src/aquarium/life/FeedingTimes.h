#pragma once

#include <QDateTime>

#include <optional>

namespace fw {

struct SettingsRecord;

// The hour of the first or second feeding (1 or 2) when it is switched on
// and its hour can be read; empty otherwise.
std::optional<int> feedingHour(const SettingsRecord &settings, int which);

// Whether an enabled feeding hour (hh:00:00 local time) lies in (after, upTo].
bool feedingBetween(const SettingsRecord &settings, const QDateTime &after, const QDateTime &upTo);

// When the state was last saved (the keys `date` and `time`); null when they
// cannot be read.
QDateTime lastSaved(const SettingsRecord &settings);

// How much food one feeding gives a tank of `fishCount` fish: about one
// flake and a half each, at least 6 and at most 60.
int portionFor(int fishCount);

} // namespace fw

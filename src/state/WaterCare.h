#pragma once

#include <QStringView>

#include <optional>

namespace fw {

class Clock;
struct SettingsRecord;

// How the tank's water ages and how a change clears it. The dialog's "change
// now" and the running tank's automatic change both go through here, so the
// two always agree on what a change leaves.

// Haze of the water: 0 clear, 1 as murky as it gets.
inline constexpr double ClearWaterLimit = 0.2;   // below: clear
inline constexpr double CloudyWaterLimit = 0.55; // from here: plainly murky

// A "YYYY/MM/DD" text (one- or two-digit month and day accepted, blanks
// around it too) as a day number; empty when it is no real date.
std::optional<int> dayNumberOfDateText(QStringView text);

// Whole days since the last water change, never below 0; empty when the
// stored date is unreadable.
std::optional<int> waterAgeDays(const SettingsRecord &settings, int today);

// The haze of water `days` old straight after a change that left none: none
// for a week, then growing until it is plainly murky after about a month.
double hazeOfAge(int days);

// The haze today: what the last change left, or what the water has gathered
// since, whichever is more. So a change of little water clears a little,
// and water changed regularly never builds up haze from change to change.
double waterHaze(const SettingsRecord &settings, int today);

// Changes `wquantity` litres now: 60 litres clear all the haze, none clear
// nothing, and a change in between clears its share. Sets `wchangedate` to
// today and `wturbidity` to what is left.
void changeWater(SettingsRecord &settings, double hazeBefore, const Clock &clock);

// An automatic change is on and its interval has passed (or the date of the
// last change is unreadable, which a change mends).
bool automaticChangeDue(const SettingsRecord &settings, int today);

} // namespace fw

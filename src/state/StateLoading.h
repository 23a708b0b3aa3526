#pragma once

#include "state/AppState.h"
#include "state/ScreenSize.h"

namespace fw {

class Clock;
class IniFile;
class Random;

// Every setting to its first-run value and the 28 starter fish in the tank
// (unnamed). Does not write the file.
void createFirstRunState(AppState &state, Random &random, const Clock &clock, ScreenSize screen);

// The settings record from the sections "system" and "case": missing keys get
// their defaults, numbers go through the decimal-prefix conversion, a 16-bit
// value out of range leaves the member as it was, and the version is forced
// to the current one.
void loadSettings(SettingsRecord &settings, const IniFile &file, ScreenSize screen);

// The tank from the section "fish": f01 to f99 in order, skipping missing
// keys, then keys past f99 in the order of their numbers, up to 99 fish;
// records padded or cut to their length, runtime values from the records;
// then every unnamed fish gets a name from the pool.
void loadFishTable(AppState &state, Random &random, const IniFile &file);

// What a key of the section "fish" is: f01 to f99, a key past them
// (f100, f101, ... without leading zeros) or no fish key.
enum class FishKeyKind
{
    None,
    Numbered,
    Beyond,
};
FishKeyKind fishKeyKind(QStringView key);

// The version every saved file carries.
inline constexpr const char16_t *CurrentVersion = u"0.34b";

} // namespace fw

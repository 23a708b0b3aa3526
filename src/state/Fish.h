#pragma once

#include "state/AppState.h"
#include "state/ScreenSize.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

namespace fw {

class Clock;
class Random;

// The record accessors, buying, naming and the save order of the fish tables.
// Positions are 1-based. Nothing here allocates per call except where a text
// is returned.

// The field `key` of the record at `position` ("species", "name", "age",
// "sex", "left", "top", "movex", "movey", "leader"), as display text where
// asText asks for it; empty for any other key.
std::optional<QString> GetFishField(const AppState &state, const Clock &clock, int position,
                                    QStringView key, bool asText, bool working);

// Replaces a field of a record; false (and nothing changed) for an unknown key.
bool SetFishField(AppState &state, int position, QStringView key, QStringView value, bool working);

// The lowest position of the fish table whose species code equals that of the
// fish at `position` (possibly `position` itself).
int fishLeader(const AppState &state, int position);

// Display texts: ten half-width katakana characters for a species code
// ("ﾌﾒｲ" for an unknown one), "ﾒｽ" or "ｵｽ" for a sex code.
QString speciesDisplayText(QChar code);
QString sexDisplayText(QChar code);
// The same sex written out in a sentence, where the register abbreviates.
QString sexWord(QChar code);

// Age in whole days of a fish born on `birthDay` (a day number).
int ageInDays(const Clock &clock, int birthDay);

// Appends `count` new fish to the fish table (toTank) or the working table.
// An age class or sex choice outside 0..2 is reported through `report` with
// the text "規格外".
bool AddFish(AppState &state, Random &random, const Clock &clock, ScreenSize screen, int count,
             int species, int ageClass, int sexChoice, bool toTank,
             const std::function<void(const QString &)> &report = {});

// Appends one fish born on `birthDay` (a day number) to the fish table at
// (left, top), at rest, named from the pool; false when the tank is full.
bool addBornFish(AppState &state, Random &random, int species, int birthDay, QChar sex, int left,
                 int top);

// A free name for sex 0 or 1, ten characters, marked with "*"; ten spaces when
// the pool has none left for that sex.
QString PickFishName(AppState &state, Random &random, int sex);
void BuildNamePool(AppState &state);

// Gives every fish of the table whose name is blank a name from the pool.
void nameUnnamedFish(AppState &state, Random &random, bool working);

// The saving of the fish table: writes each fish's runtime position and step
// into its record, then puts the fish into save order (largest sprite first,
// then species, oldest, name), moving the per-fish values with the records.
void prepareFishForSave(AppState &state);
// Whether the fish at position a is saved before the one at b.
bool fishSavedBefore(const AppState &state, int a, int b);

} // namespace fw

#pragma once

#include <QString>
#include <QStringList>

namespace fw {

// The texts of the fish shop tab: the species catalogue, the choice lists and
// the labels that count fish. Kept apart from the widgets so they can be
// checked without a window.

inline constexpr int SpeciesCount = 6;
inline constexpr int TankCapacity = 99;

// The names of the species list, in species-code order.
QStringList shopSpeciesNames();
// The choices of the sex and age lists; item 0 lets the shop choose at random.
QStringList shopSexChoices();
QStringList shopAgeChoices();

// The catalogue entry of species `code`: nine labelled lines and the
// description, each ending in CR LF. Any other code gives the labels with
// empty values and an empty description.
QString catalogueText(int code);

// Room left in a tank holding `fishCount` fish.
int remainingRoom(int fishCount);
// "あと04匹": the room left, two digits.
QString remainingText(int fishCount);
// "03匹": the count chosen on the scroll bar, two digits.
QString countText(int count);

// A number as at least two digits with leading zeros ("-01" below zero).
QString twoDigits(int value);

} // namespace fw

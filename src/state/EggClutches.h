#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace fw {

// Eggs laid in the tank, waiting to hatch, as the settings file keeps them in
// one value of "case":
//   species,spawn day,hatch day,x,y,fry[,mother];...
// Days are day numbers, x and y the spot in surface pixels where the eggs
// lie, fry how many will hatch, mother the trimmed name of the fish that
// laid them (for the register's "with eggs"). A clutch that has hatched stays
// with fry 0 until a week after its spawn day, so the rule of one spawn a
// week for each species outlives a restart.
struct EggClutch
{
    int species = 0;
    int spawnDay = 0;
    int hatchDay = 0;
    int x = 0;
    int y = 0;
    int fry = 0;
    QString mother;

    bool hatched() const { return fry == 0; }

    friend bool operator==(const EggClutch &, const EggClutch &) = default;
};

// The most fry one clutch brings.
inline constexpr int MostFryPerClutch = 8;

// The clutches of a stored text, in order. An entry that is not a clutch (a
// hand-edited file: missing fields, a species that does not breed, a hatch
// day before the spawn day, too many fry) is dropped; the others stay.
std::vector<EggClutch> parseEggClutches(QStringView text);

// The text of the clutches, within what one value of the settings file can
// hold: should the mothers' names make it too long, the last names are left
// out (those fish lose their "with eggs" mark; no egg is lost).
QString formatEggClutches(const std::vector<EggClutch> &clutches);

// Whether a clutch laid by the fish named `trimmedName` (of species 0..5) is
// still waiting to hatch.
bool carriesEggs(const std::vector<EggClutch> &clutches, int species, QStringView trimmedName);

} // namespace fw

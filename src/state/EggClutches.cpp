#include "state/EggClutches.h"

#include "state/Cp932.h"
#include "state/IniFile.h"

#include <array>
#include <optional>

namespace fw {

namespace {

constexpr int NumberFields = 6;
// Longer than any fish waits for its eggs; a later hatch day is a typing slip.
constexpr int LongestIncubation = 30;
constexpr int MostDay = 99999; // five digits, as a fish's birth day

bool breeds(int species)
{
    return species >= 0 && species <= 5 && species != 3; // hatchetfish never spawn here
}

// The ';' between clutches and the '%' that escapes it may stand in a name.
QString escapedName(QStringView name)
{
    QString text = name.toString();
    text.replace(u'%', QStringLiteral("%25"));
    text.replace(u';', QStringLiteral("%3B"));
    return text;
}

QString unescapedName(QStringView name)
{
    QString text = name.toString();
    text.replace(QStringLiteral("%3B"), QStringLiteral(";"), Qt::CaseInsensitive);
    text.replace(QStringLiteral("%25"), QStringLiteral("%"));
    return text;
}

std::optional<int> wholeNumber(QStringView text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

std::optional<EggClutch> parsedClutch(QStringView entry)
{
    std::array<int, NumberFields> numbers{};
    static constexpr std::array<std::pair<int, int>, NumberFields> ranges{{{0, 5},
                                                                           {1, MostDay},
                                                                           {1, MostDay},
                                                                           {-32768, 32767},
                                                                           {-32768, 32767},
                                                                           {0, MostFryPerClutch}}};
    for (int i = 0; i < NumberFields; ++i) {
        const qsizetype comma = entry.indexOf(u',');
        const QStringView field = comma < 0 ? entry : entry.first(comma);
        const std::optional<int> number = wholeNumber(field, ranges[i].first, ranges[i].second);
        if (!number)
            return std::nullopt;
        numbers[i] = *number;
        // The last number may end the entry: a clutch without its mother.
        if (comma < 0 && i < NumberFields - 1)
            return std::nullopt;
        entry = comma < 0 ? QStringView() : entry.sliced(comma + 1);
    }
    EggClutch clutch{numbers[0],
                     numbers[1],
                     numbers[2],
                     numbers[3],
                     numbers[4],
                     numbers[5],
                     unescapedName(entry.trimmed())};
    if (!breeds(clutch.species) || clutch.hatchDay < clutch.spawnDay ||
        clutch.hatchDay > clutch.spawnDay + LongestIncubation)
        return std::nullopt;
    return clutch;
}

QString entryText(const EggClutch &c, bool withMother)
{
    QString text = QStringLiteral("%1,%2,%3,%4,%5,%6")
                       .arg(c.species)
                       .arg(c.spawnDay)
                       .arg(c.hatchDay)
                       .arg(c.x)
                       .arg(c.y)
                       .arg(c.fry);
    if (withMother && !c.mother.isEmpty())
        text += u',' + escapedName(c.mother);
    return text;
}

QString joined(const std::vector<EggClutch> &clutches, std::size_t namedCount)
{
    QString text;
    for (std::size_t i = 0; i < clutches.size(); ++i) {
        if (i > 0)
            text += u';';
        text += entryText(clutches[i], i < namedCount);
    }
    return text;
}

} // namespace

std::vector<EggClutch> parseEggClutches(QStringView text)
{
    std::vector<EggClutch> clutches;
    for (QStringView entry : text.tokenize(u';', Qt::SkipEmptyParts)) {
        if (const std::optional<EggClutch> clutch = parsedClutch(entry))
            clutches.push_back(*clutch);
    }
    return clutches;
}

QString formatEggClutches(const std::vector<EggClutch> &clutches)
{
    for (std::size_t named = clutches.size();; --named) {
        QString text = joined(clutches, named);
        if (named == 0 || cp932ByteCount(text) <= IniFile::MaxValueBytes)
            return text;
    }
}

bool carriesEggs(const std::vector<EggClutch> &clutches, int species, QStringView trimmedName)
{
    if (trimmedName.isEmpty())
        return false;
    for (const EggClutch &clutch : clutches) {
        if (!clutch.hatched() && clutch.species == species && clutch.mother == trimmedName)
            return true;
    }
    return false;
}

} // namespace fw

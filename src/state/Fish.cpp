#include "state/Fish.h"

#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "platform/Random.h"
#include "state/NameLists.h"
#include "state/SettingsKeys.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace fw {

namespace {

constexpr int NameLength = 10;

bool validPosition(int position)
{
    return position >= 1 && position <= FishTable::Capacity;
}

QString fittedName(QStringView name)
{
    return name.left(NameLength).toString().leftJustified(NameLength, u' ');
}

// Whether a fish of the tank already wears this given name, with or without
// the automatic marker.
bool nameWorn(const FishTable &tank, QStringView name)
{
    for (int p = 1; p <= tank.count; ++p) {
        const QStringView worn = tank.at(p).name();
        if (trimmedSpaces(worn) == name || trimmedSpaces(worn.mid(1)) == name)
            return true;
    }
    return false;
}

// Adds the names of `list` that no fish wears, written as `written` (the
// same list, or its Latin letters); a name worn in either writing is taken.
void appendNames(NamePool &pool, const FishTable &tank, QStringView list, QStringView written,
                 int sex)
{
    const auto writtenTokens = written.tokenize(u',', Qt::SkipEmptyParts);
    auto writtenNames = writtenTokens.begin();
    for (QStringView name : list.tokenize(u',', Qt::SkipEmptyParts)) {
        const QStringView shown = *writtenNames;
        ++writtenNames;
        if (!nameWorn(tank, name) && !nameWorn(tank, shown))
            pool.rows.push_back({u'*' + shown.toString(), sex});
    }
}

std::optional<int> ageForClass(Random &random, int ageClass)
{
    switch (ageClass) {
    case 0:
        return draw(random, 190) + 10;
    case 1:
        return draw(random, 100) + 100;
    case 2:
        return draw(random, 80) + 10;
    }
    return std::nullopt;
}

std::optional<QChar> sexForChoice(Random &random, int sexChoice)
{
    switch (sexChoice) {
    case 0:
        return draw(random, 2) == 0 ? u'0' : u'1';
    case 1:
        return QChar(u'0');
    case 2:
        return QChar(u'1');
    }
    return std::nullopt;
}

QString newFishRecord(int species, int birthDay, QChar sex)
{
    QString text;
    text.reserve(FishRecord::Length);
    text += QChar(u'0' + species);
    text += QString(NameLength, u' ');
    text += FishRecord::numberField(birthDay);
    text += sex;
    text += QString(74, u' ');
    text += QString(20, u'0');
    return text; // the record pads the rest with spaces
}

void placeAtRest(FishValues &values, int left, int top)
{
    values = FishValues{};
    values.left = static_cast<std::int16_t>(left);
    values.top = static_cast<std::int16_t>(top);
}

void exchangeFish(AppState &state, int a, int b)
{
    std::swap(state.fish.at(a), state.fish.at(b));
    std::swap(state.values[a], state.values[b]);
}

} // namespace

QString speciesDisplayText(QChar code)
{
    // Ten columns each, so the register's columns stay aligned.
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("Fish", "ｴﾝｾﾞﾙﾌｨｯｼｭ"), QT_TRANSLATE_NOOP("Fish", "ｸﾞﾛｰﾗｲﾄﾃﾄﾗ"),
        QT_TRANSLATE_NOOP("Fish", "ﾈｵﾝﾃﾄﾗ    "), QT_TRANSLATE_NOOP("Fish", "ｼﾙﾊﾞｰﾊﾁｪｯﾄ"),
        QT_TRANSLATE_NOOP("Fish", "ｱﾙｸｱｰﾄｽ(ｺﾘ"), QT_TRANSLATE_NOOP("Fish", "ｱﾙﾋﾞﾉ(ｺﾘ  "),
    };
    const char16_t c = code.unicode();
    if (c >= u'0' && c <= u'5')
        return QCoreApplication::translate("Fish", texts[c - u'0']);
    return QCoreApplication::translate("Fish", "ﾌﾒｲ");
}

QString sexDisplayText(QChar code)
{
    return code == u'0' ? QCoreApplication::translate("Fish", "ﾒｽ")
                        : QCoreApplication::translate("Fish", "ｵｽ");
}

QString sexWord(QChar code)
{
    return code == u'0' ? QCoreApplication::translate("Fish", "ﾒｽ", "in a sentence")
                        : QCoreApplication::translate("Fish", "ｵｽ", "in a sentence");
}

int ageInDays(const Clock &clock, int birthDay)
{
    return clock.dayNumber() - birthDay;
}

std::optional<QString> GetFishField(const AppState &state, const Clock &clock, int position,
                                    QStringView key, bool asText, bool working)
{
    if (!validPosition(position))
        return std::nullopt;
    const FishRecord &record = state.table(working).at(position);
    if (key == u"species")
        return asText ? speciesDisplayText(record.species()) : QString(record.species());
    if (key == u"name")
        return record.name().toString();
    if (key == u"age") {
        if (asText)
            return QString::number(ageInDays(clock, record.birthDay()));
        return record.birthDayField().toString();
    }
    if (key == u"sex")
        return asText ? sexDisplayText(record.sex()) : QString(record.sex());
    if (key == u"left")
        return QString::number(record.left());
    if (key == u"top")
        return QString::number(record.top());
    if (key == u"movex")
        return QString::number(record.movex());
    if (key == u"movey")
        return QString::number(record.movey());
    if (key == u"leader")
        return QString::number(fishLeader(state, position));
    return std::nullopt;
}

bool SetFishField(AppState &state, int position, QStringView key, QStringView value, bool working)
{
    if (!validPosition(position))
        return false;
    return state.table(working).at(position).setField(key, value);
}

int fishLeader(const AppState &state, int position)
{
    if (!validPosition(position))
        return position;
    const QChar species = state.fish.at(position).species();
    for (int p = 1; p <= state.fish.count; ++p) {
        if (state.fish.at(p).species() == species)
            return p;
    }
    return position;
}

bool AddFish(AppState &state, Random &random, const Clock &clock, ScreenSize screen, int count,
             int species, int ageClass, int sexChoice, bool toTank,
             const std::function<void(const QString &)> &report)
{
    const int width = std::max(screen.width - 109, 0);
    const int height = std::max(screen.height - 88, 0);
    FishTable &table = state.table(!toTank);
    for (int i = 0; i < count; ++i) {
        if (table.count >= FishTable::Capacity || species < 0 || species > 9)
            return false;
        const std::optional<int> age = ageForClass(random, ageClass);
        const std::optional<QChar> sex = age ? sexForChoice(random, sexChoice) : std::nullopt;
        if (!age || !sex) {
            // A caller's mistake: say so and add nothing rather than a
            // half-made fish.
            if (report)
                report(QCoreApplication::translate("Fish", "規格外"));
            return false;
        }
        table.count += 1;
        const int position = table.count;
        table.at(position) = FishRecord(newFishRecord(species, clock.dayNumber() - *age, *sex));
        const int left = draw(random, width);
        placeAtRest(state.valuesOf(!toTank)[position], left, draw(random, height));
    }
    return true;
}

bool addBornFish(AppState &state, Random &random, int species, int birthDay, QChar sex, int left,
                 int top)
{
    FishTable &table = state.fish;
    if (table.count >= FishTable::Capacity)
        return false;
    const QString name = PickFishName(state, random, sex == u'0' ? 0 : 1);
    table.count += 1;
    table.at(table.count) = FishRecord(newFishRecord(species, birthDay, sex));
    table.at(table.count).setField(u"name", name);
    placeAtRest(state.values[table.count], left, top);
    return true;
}

void BuildNamePool(AppState &state)
{
    NamePool &pool = state.namePool;
    pool.rows.clear();
    pool.rows.reserve(201);
    const bool latin = namesInLatinLetters();
    appendNames(pool, state.fish, femaleNameList(),
                latin ? femaleLatinNameList() : femaleNameList(), 0);
    appendNames(pool, state.fish, maleNameList(), latin ? maleLatinNameList() : maleNameList(), 1);
    pool.rows.push_back({QString(), std::nullopt});
    pool.built = true;
}

QString PickFishName(AppState &state, Random &random, int sex)
{
    NamePool &pool = state.namePool;
    if (pool.isStale())
        BuildNamePool(state);

    auto end = std::find_if(pool.rows.begin(), pool.rows.end(),
                            [](const NamePoolRow &row) { return !row.sex.has_value(); });
    const int n = static_cast<int>(std::count_if(
        pool.rows.begin(), end, [sex](const NamePoolRow &row) { return row.sex == sex; }));
    const int k = truncInt(random.next() * n + 1);

    int seen = 0;
    for (auto row = pool.rows.begin(); row != end; ++row) {
        if (row->sex == sex && ++seen == k) {
            const QString name = fittedName(row->name);
            pool.rows.erase(row);
            return name;
        }
    }
    return QString(NameLength, u' ');
}

void nameUnnamedFish(AppState &state, Random &random, bool working)
{
    FishTable &table = state.table(working);
    for (int p = 1; p <= table.count; ++p) {
        const FishRecord &record = table.at(p);
        if (!trimmedSpaces(record.name()).isEmpty())
            continue;
        const int sex = nearestInt(decimalPrefix(QStringView(record.text()).mid(16, 1)));
        table.at(p).setField(u"name", PickFishName(state, random, sex));
    }
}

bool fishSavedBefore(const AppState &state, int a, int b)
{
    const FishValues &va = state.values[a];
    const FishValues &vb = state.values[b];
    const int areaA = va.width * va.height;
    const int areaB = vb.width * vb.height;
    if (areaA != areaB)
        return areaA > areaB;
    const FishRecord &ra = state.fish.at(a);
    const FishRecord &rb = state.fish.at(b);
    if (ra.species() != rb.species())
        return ra.species() < rb.species();
    if (ra.birthDay() != rb.birthDay())
        return ra.birthDay() < rb.birthDay();
    return ra.name().compare(rb.name()) < 0;
}

void prepareFishForSave(AppState &state)
{
    const int count = std::min(state.fish.count, FishTable::Capacity);
    for (int p = 1; p <= count; ++p) {
        const FishValues &values = state.values[p];
        FishRecord &record = state.fish.at(p);
        record.setField(u"left", FishRecord::numberField(values.left));
        record.setField(u"top", FishRecord::numberField(values.top));
        record.setField(u"movex", FishRecord::numberField(values.movex));
        record.setField(u"movey", FishRecord::numberField(values.movey));
    }
    for (int i = 1; i <= count; ++i) {
        for (int j = i; j <= count; ++j) {
            if (fishSavedBefore(state, j, i))
                exchangeFish(state, i, j);
        }
    }
}

} // namespace fw

#include "state/Fish.h"
#include "state/NameLists.h"
#include "support/ScriptedRandom.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace fw;
using fw::test::ScriptedRandom;

namespace {

QStringList names(QStringView list)
{
    QStringList result;
    for (QStringView name : list.tokenize(u',', Qt::SkipEmptyParts))
        result << name.toString();
    return result;
}

void addNamedFish(AppState &state, const QString &name, QChar sex = u'0')
{
    state.fish.count += 1;
    FishRecord &record = state.fish.at(state.fish.count);
    record = FishRecord(QStringLiteral("0"));
    record.setField(u"name", name.leftJustified(10, u' '));
    record.setField(u"sex", QString(sex));
}

int rowsOfSex(const NamePool &pool, int sex)
{
    int n = 0;
    for (const NamePoolRow &row : pool.rows) {
        if (!row.sex)
            break;
        n += *row.sex == sex;
    }
    return n;
}

QString padded(const char16_t *name)
{
    return QString::fromUtf16(name).leftJustified(10, u' ');
}

} // namespace

TEST(NameLists, HoldOneHundredDistinctNamesEach)
{
    const QStringList female = names(femaleNameList());
    const QStringList male = names(maleNameList());
    ASSERT_EQ(female.size(), 100);
    ASSERT_EQ(male.size(), 100);
    EXPECT_EQ(QSet<QString>(female.begin(), female.end()).size(), 100);
    EXPECT_EQ(female.first(), QStringLiteral("歩惟"));
    EXPECT_EQ(female.at(76), QStringLiteral("蘭々"));
    EXPECT_EQ(female.last(), QStringLiteral("Ｌ"));
    EXPECT_EQ(male.first(), QStringLiteral("敦士"));
    EXPECT_EQ(male.at(43), QStringLiteral("仁覺"));
    EXPECT_EQ(male.last(), QStringLiteral("ｌ"));
    EXPECT_TRUE(femaleNameList().endsWith(u','));
}

TEST(NameLists, LatinLettersGoNameForNameWithTheKanji)
{
    QStringList all;
    for (const auto &[kanji, latin] : {std::pair{femaleNameList(), femaleLatinNameList()},
                                       std::pair{maleNameList(), maleLatinNameList()}}) {
        const QStringList written = names(latin);
        ASSERT_EQ(written.size(), names(kanji).size());
        for (const QString &name : written) {
            // Latin letters only, and room for the marker in the 10-byte field.
            EXPECT_TRUE(name.size() <= 9 && !name.isEmpty()) << name.toStdString();
            for (QChar c : name)
                EXPECT_TRUE(c.isLetter() && c.unicode() < 0x80) << name.toStdString();
        }
        all += written;
    }
    EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), all.size());
    EXPECT_EQ(names(femaleLatinNameList()).at(76), QStringLiteral("Ranran"));
    EXPECT_EQ(names(maleLatinNameList()).at(43), QStringLiteral("Ninkaku"));
    EXPECT_EQ(names(maleLatinNameList()).last(), QStringLiteral("l"));
}

TEST(NamePool, LeavesOutNamesTheTankWearsWithOrWithoutTheMarker)
{
    AppState state;
    addNamedFish(state, QStringLiteral("綾華"));
    addNamedFish(state, QStringLiteral("*泉美"));
    addNamedFish(state, QStringLiteral("X敦士"), u'1'); // any first character counts as a marker
    BuildNamePool(state);
    const NamePool &pool = state.namePool;
    ASSERT_EQ(pool.rows.size(), 198u);
    EXPECT_EQ(pool.rows.front().name, QStringLiteral("*歩惟"));
    EXPECT_EQ(pool.rows[1].name, QStringLiteral("*伊代"));
    EXPECT_EQ(rowsOfSex(pool, 0), 98);
    EXPECT_EQ(rowsOfSex(pool, 1), 99);
    EXPECT_EQ(pool.rows[98].name, QStringLiteral("*章弘"));
    EXPECT_FALSE(pool.rows.back().sex.has_value());
    EXPECT_TRUE(pool.rows.back().name.isEmpty());
    EXPECT_FALSE(pool.isStale());
}

TEST(NamePool, PicksTheKthNameOfTheSexAndRemovesIt)
{
    AppState state;
    ScriptedRandom random;
    random.push(0.0);        // first female
    random.push(0.999);      // last male of 100
    random.push(2.5 / 99.0); // third of the 99 females left
    EXPECT_EQ(PickFishName(state, random, 0), padded(u"*歩惟"));
    EXPECT_EQ(PickFishName(state, random, 1), padded(u"*ｌ"));
    EXPECT_EQ(PickFishName(state, random, 0), padded(u"*伊代"));
    EXPECT_EQ(rowsOfSex(state.namePool, 0), 98);
    EXPECT_EQ(rowsOfSex(state.namePool, 1), 99);
    EXPECT_EQ(state.namePool.rows.size(), 198u);
}

TEST(NamePool, RunningDryForOneSexLeavesTheFishUnnamed)
{
    AppState state;
    ScriptedRandom random;
    QSet<QString> drawn;
    for (int i = 0; i < 100; ++i) {
        random.push(0.5);
        const QString name = PickFishName(state, random, 0);
        ASSERT_EQ(name.size(), 10);
        ASSERT_TRUE(name.startsWith(u'*')) << i;
        drawn.insert(name);
    }
    EXPECT_EQ(drawn.size(), 100);
    random.push(0.5);
    EXPECT_EQ(PickFishName(state, random, 0), QString(10, u' '));
    random.push(0.0);
    EXPECT_EQ(PickFishName(state, random, 1), padded(u"*敦士"));
    EXPECT_EQ(random.remaining(), 0u);
}

TEST(NamePool, AReleasedFishsNameCanBeDrawnAgain)
{
    AppState state;
    ScriptedRandom random;
    // The tank's only female fish wears the first name; the pool skips it.
    addNamedFish(state, QStringLiteral("*歩惟"));
    random.push(0.0);
    EXPECT_EQ(PickFishName(state, random, 0), padded(u"*綾華"));

    // The fish leaves the tank; the pool is marked stale and rebuilt.
    state.fish.count = 0;
    state.namePool.markStale();
    EXPECT_TRUE(state.namePool.isStale());
    random.push(0.0);
    EXPECT_EQ(PickFishName(state, random, 0), padded(u"*歩惟"));
}

TEST(NamePool, NamesOnlyBlankFishOfTheChosenTable)
{
    AppState state;
    ScriptedRandom random;
    addNamedFish(state, QString(), u'1');
    addNamedFish(state, QStringLiteral("ポチ"));
    addNamedFish(state, QStringLiteral("   "), u'0');
    random.push(0.0);
    random.push(0.0);
    nameUnnamedFish(state, random, false);
    EXPECT_EQ(state.fish.at(1).name(), padded(u"*敦士"));
    EXPECT_EQ(state.fish.at(2).name(), padded(u"ポチ"));
    EXPECT_EQ(state.fish.at(3).name(), padded(u"*歩惟"));
    EXPECT_EQ(random.remaining(), 0u);
}

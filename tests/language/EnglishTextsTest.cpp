#include "InstalledTranslation.h"

#include "aquarium/ClockText.h"
#include "aquarium/MouseHandling.h"
#include "setup/FishRegister.h"
#include "setup/FishShop.h"
#include "setup/ScrollBars.h"
#include "state/AppState.h"
#include "state/Cp932.h"
#include "state/Fish.h"
#include "state/NameLists.h"
#include "state/SettingsKeys.h"
#include "support/FixedClock.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

FishRecord record(int species, const QString &name, int birthDay, int sex)
{
    return FishRecord(QString::number(species) + name.leftJustified(10, u' ', true) +
                      QStringLiteral("%1").arg(birthDay, 5, 10, QLatin1Char('0')) +
                      QString::number(sex));
}

// The display columns (a CP932 byte each) before every "|" of a register row.
QList<int> barColumns(const QString &row)
{
    QList<int> columns;
    for (qsizetype i = 0; i < row.size(); ++i) {
        if (row[i] == u'|')
            columns << cp932ByteCount(QStringView(row).left(i));
    }
    return columns;
}

class EnglishTexts : public ::testing::Test
{
protected:
    void SetUp() override
    {
        state.fish.count = 3;
        state.fish.at(1) = record(0, QStringLiteral("*歩惟"), clock.dayNumber() - 7, 0);
        state.fish.at(2) = record(5, QStringLiteral("Nemo"), clock.dayNumber() - 1234, 1);
        state.fish.at(3) = record(9, QStringLiteral("Odd"), clock.dayNumber() - 1, 0);
        state.workingFish = state.fish;
    }

    // The fish information's age line for a fish `days` old.
    QString ageLine(int days)
    {
        state.fish.at(1) = record(0, QStringLiteral("A"), clock.dayNumber() - days, 0);
        return fishInformation(state, clock, 1).split(u'\n').value(1);
    }

    test::FixedClock clock{QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7))};
    AppState state;
};

TEST_F(EnglishTexts, TheClockFollowsTheLanguage)
{
    ClockText text;
    text.format(clock.now(), ClockFormat(u"00"));
    EXPECT_EQ(text.view(), u"2026/03/04  05:06:07");
    test::InstalledTranslation english(QStringLiteral("en"));
    text.format(clock.now(), ClockFormat(u"00"));
    EXPECT_EQ(text.view(), u"2026-03-04  05:06:07");
    text.format(clock.now(), ClockFormat(u"05"));
    EXPECT_EQ(text.view(), u"26-03-04");
    text.format(clock.now(), ClockFormat(u"07"));
    EXPECT_EQ(text.view(), u"05:06");
    // Stored dates are shown in the clock's form; the file keeps its own.
    EXPECT_EQ(shownDate(QStringLiteral("2026/12/08")), u"2026-12-08");
    EXPECT_EQ(shownDate(QStringLiteral("2026/13/08")), u"2026/13/08");
    EXPECT_EQ(dateText(clock), u"2026/03/04");
}

TEST_F(EnglishTexts, RegisterColumnsLineUpAsInJapanese)
{
    const QList<int> japanese = barColumns(registerRow(state, clock, 1));
    const int japaneseHeader = cp932ByteCount(registerHeader());
    test::InstalledTranslation english(QStringLiteral("en"));
    for (int position : {1, 2, 3}) {
        const QString row = registerRow(state, clock, position);
        EXPECT_EQ(barColumns(row), japanese) << row.toStdString();
    }
    EXPECT_EQ(registerRow(state, clock, 1), u"Angelfish |*歩惟     | F|   7 d| Fry      |");
    EXPECT_EQ(registerRow(state, clock, 2), u"Albino    |Nemo      | M|1234 d| Adult    |");
    EXPECT_EQ(registerRow(state, clock, 3), u"Unknown   |Odd       | F|   1 d| Fry      |");
    EXPECT_LE(cp932ByteCount(registerHeader()), japaneseHeader);
}

TEST_F(EnglishTexts, UserDataStaysAsTheUserWroteIt)
{
    test::InstalledTranslation english(QStringLiteral("en"));
    const QString information = fishInformation(state, clock, 1);
    EXPECT_EQ(information, u"  Name: *歩惟\n  Age: 7 days\n  Sex: Female\n  State: Fry\n");
    // The record keeps its codes; only their display is translated.
    EXPECT_EQ(GetFishField(state, clock, 1, u"species", false, false), u"0");
    EXPECT_EQ(GetFishField(state, clock, 1, u"sex", false, false), u"0");
    EXPECT_EQ(state.fish.at(1).text(),
              record(0, QStringLiteral("*歩惟"), clock.dayNumber() - 7, 0).text());
    // A name the register refuses is refused for its own bytes in any language.
    EXPECT_EQ(checkNewName(state, 2, u"あいうえおか"), NameCheck::TooLong);
    EXPECT_EQ(checkNewName(state, 2, u"Angelfish1"), NameCheck::Accepted);
}

TEST_F(EnglishTexts, ShopAndScrollLabelsInEnglish)
{
    test::InstalledTranslation english(QStringLiteral("en"));
    EXPECT_EQ(shopSpeciesNames().value(0), u"Angelfish");
    EXPECT_EQ(shopSexChoices(), (QStringList{QStringLiteral("Mixed"), QStringLiteral("Female"),
                                             QStringLiteral("Male")}));
    EXPECT_TRUE(catalogueText(0).startsWith(
        u"Family: Cichlidae\r\nScientific name: Pterophyllum scalare\r\n"));
    EXPECT_TRUE(catalogueText(0).contains(u"Temperature: 24–28 °C\r\n"));
    EXPECT_EQ(findScrollSpec(u"HScroll_food1")->labelText(7), u"07:00");
    EXPECT_EQ(findScrollSpec(u"HScroll_fishspeed")->labelText(50), u"50 ms");
    EXPECT_EQ(findScrollSpec(u"HScroll_wtemp")->labelText(28), u"28 °C");
    EXPECT_EQ(findScrollSpec(u"HScroll_wquantity")->labelText(15), u"15 L");
    EXPECT_EQ(findScrollSpec(u"HScroll_screencleartime")->labelText(5), u"5 min");
}

TEST_F(EnglishTexts, CountsTakeTheirPluralAndJapaneseKeepsItsDigits)
{
    const ScrollSpec *interval = findScrollSpec(u"HScroll_wchangeinterval");
    const ScrollSpec *speed = findScrollSpec(u"HScroll_fishspeed");
    EXPECT_EQ(interval->labelText(7), u"07日");
    EXPECT_EQ(speed->labelText(50), u"050ms");
    EXPECT_EQ(findScrollSpec(u"HScroll_wtemp")->labelText(28), u"28℃");
    EXPECT_EQ(remainingText(97), u"あと02匹");
    EXPECT_EQ(countText(3), u"03匹");
    EXPECT_EQ(ageLine(1), u"  生後:1日");

    test::InstalledTranslation english(QStringLiteral("en"));
    EXPECT_EQ(ageLine(1), u"  Age: 1 day");
    EXPECT_EQ(ageLine(2), u"  Age: 2 days");
    EXPECT_EQ(interval->labelText(0), u"0 days");
    EXPECT_EQ(interval->labelText(1), u"1 day");
    EXPECT_EQ(interval->labelText(2), u"2 days");
    EXPECT_EQ(remainingText(99), u"Room for 0 more");
    EXPECT_EQ(remainingText(98), u"Room for 1 more");
    EXPECT_EQ(countText(1), u"1 fish");
    EXPECT_EQ(countText(2), u"2 fish");
}

TEST_F(EnglishTexts, ANameTheFileCannotStoreIsRefusedSayingSo)
{
    EXPECT_EQ(nameErrorText(NameCheck::Unencodable).problem, u"使えない文字が含まれています");
    test::InstalledTranslation english(QStringLiteral("en"));
    for (const QString &name : {QStringLiteral("Café"), QStringLiteral("Fin🐟")}) {
        EXPECT_EQ(checkNewName(state, 2, name), NameCheck::Unencodable) << name.toStdString();
        EXPECT_EQ(renameFish(state, 2, name), NameCheck::Unencodable);
    }
    EXPECT_EQ(state.workingFish.at(2).name(), u"Nemo      ");
    const NameError error = nameErrorText(NameCheck::Unencodable);
    EXPECT_TRUE(error.problem.contains(u"settings file cannot store"))
        << error.problem.toStdString();
    EXPECT_EQ(releaseAnswer(), u"&Release");
    EXPECT_EQ(keepAnswer(), u"&Keep");
}

TEST_F(EnglishTexts, AutomaticNamesAreWrittenInLatinLettersAndNeverTwice)
{
    AppState japanese;
    BuildNamePool(japanese);
    EXPECT_FALSE(namesInLatinLetters());
    EXPECT_EQ(japanese.namePool.rows.front().name, u"*歩惟");

    test::InstalledTranslation english(QStringLiteral("en"));
    EXPECT_TRUE(namesInLatinLetters());
    AppState tank;
    tank.fish.count = 2;
    tank.fish.at(1) = record(0, QStringLiteral("*歩惟"), 0, 0); // given before, in kanji
    tank.fish.at(2) = record(0, QStringLiteral("*Ayaka"), 0, 0);
    test::ScriptedRandom random;
    random.push(0.0);   // the first free female name
    random.push(0.999); // the last male one
    EXPECT_EQ(PickFishName(tank, random, 0), u"*Izumi    ");
    EXPECT_EQ(PickFishName(tank, random, 1), u"*l        ");
    EXPECT_EQ(tank.fish.at(1).text(), record(0, QStringLiteral("*歩惟"), 0, 0).text());
    for (const NamePoolRow &row : tank.namePool.rows) {
        if (row.sex)
            EXPECT_LE(cp932ByteCount(row.name), 10) << row.name.toStdString();
    }
}

} // namespace
} // namespace fw

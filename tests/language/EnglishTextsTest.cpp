#include "InstalledTranslation.h"

#include "aquarium/ClockText.h"
#include "aquarium/MouseHandling.h"
#include "setup/FishRegister.h"
#include "setup/FishShop.h"
#include "setup/ScrollBars.h"
#include "state/AppState.h"
#include "state/Cp932.h"
#include "state/Fish.h"
#include "support/FixedClock.h"

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
        state.fish.count = 2;
        state.fish.at(1) = record(0, QStringLiteral("*歩惟"), clock.dayNumber() - 7, 0);
        state.fish.at(2) = record(5, QStringLiteral("Nemo"), clock.dayNumber() - 1234, 1);
        state.workingFish = state.fish;
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
}

TEST_F(EnglishTexts, RegisterColumnsLineUpAsInJapanese)
{
    const QList<int> japanese = barColumns(registerRow(state, clock, 1));
    const int japaneseHeader = cp932ByteCount(registerHeader());
    test::InstalledTranslation english(QStringLiteral("en"));
    for (int position : {1, 2}) {
        const QString row = registerRow(state, clock, position);
        EXPECT_EQ(barColumns(row), japanese) << row.toStdString();
    }
    EXPECT_EQ(registerRow(state, clock, 1), u"Angelfish |*歩惟     | F|   7 d| Fry      |");
    EXPECT_EQ(registerRow(state, clock, 2), u"Albino    |Nemo      | M|1234 d| Adult    |");
    EXPECT_LE(cp932ByteCount(registerHeader()), japaneseHeader);
}

TEST_F(EnglishTexts, UserDataStaysAsTheUserWroteIt)
{
    test::InstalledTranslation english(QStringLiteral("en"));
    const QString information = fishInformation(state, clock, 1);
    EXPECT_EQ(information, u"  Name: *歩惟\n  Age: 7 days\n  Sex: F\n  State: Fry\n");
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
    EXPECT_EQ(remainingText(97), u"02 left");
    EXPECT_EQ(countText(3), u"03 fish");
    EXPECT_TRUE(
        catalogueText(0).startsWith(u"Family: Cichlidae\r\nLatin: Pterophyllum scalare\r\n"));
    EXPECT_EQ(findScrollSpec(u"HScroll_food1")->labelText(7), u"07:00");
    EXPECT_EQ(findScrollSpec(u"HScroll_fishspeed")->labelText(50), u"050ms");
}

} // namespace
} // namespace fw

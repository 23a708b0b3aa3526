#include "TankFixture.h"
#include "setup/FishRegister.h"
#include "state/Fish.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

using test::fillWorking;
using test::FixedClock;
using test::ScriptedRandom;
using test::shopRecord;

class RegisterRules : public ::testing::Test
{
protected:
    AppState state;
    FixedClock clock;
    void SetUp() override { fillWorking(state, clock, 10); }
    QString workingName(int position) const
    {
        return state.workingFish.at(position).name().toString();
    }
};

TEST(DoubleByteCount, FullWidthTakesTwoBytesHalfWidthOne)
{
    EXPECT_EQ(doubleByteLength(u"ABC"), 3);
    EXPECT_EQ(doubleByteLength(u"ｱｲｳ"), 3); // half-width katakana
    EXPECT_EQ(doubleByteLength(u"歩惟"), 4);
    EXPECT_EQ(doubleByteLength(u"Ａ㍑ｶ1"), 6); // full-width letter and the litre sign
    EXPECT_TRUE(fitsDoubleByteCodePage(u"金魚ｷﾝｷﾞｮ"));
    EXPECT_FALSE(fitsDoubleByteCodePage(u"🐟"));
}

TEST_F(RegisterRules, RowPadsTheNameByBytesAndAlignsSexAndAge)
{
    state.workingFish.at(1) = shopRecord(0, QStringLiteral("*歩惟"), clock.dayNumber() - 7, 0);
    state.workingFish.at(2) =
        shopRecord(2, QStringLiteral("ﾈｵﾝﾃﾄﾗｸﾝ12"), clock.dayNumber() - 12345, 1);
    state.workingFish.at(3) = shopRecord(4, QString(), clock.dayNumber() - 150, 1);
    EXPECT_EQ(registerRow(state, clock, 1),
              QStringLiteral("ｴﾝｾﾞﾙﾌｨｯｼｭ|*歩惟     |ﾒｽ|   7日| 稚魚     |"));
    // Ten or more bytes get no padding, a long age is not cut.
    EXPECT_EQ(registerRow(state, clock, 2),
              QStringLiteral("ﾈｵﾝﾃﾄﾗ    |ﾈｵﾝﾃﾄﾗｸﾝ12|ｵｽ|12345日| 成魚     |"));
    EXPECT_EQ(registerRow(state, clock, 3),
              QStringLiteral("ｱﾙｸｱｰﾄｽ(ｺﾘ|          |ｵｽ| 150日| 成魚     |"));
    EXPECT_EQ(registerHeader(),
              QStringLiteral(" 魚の種類     名前    性別 生後    状態     飼い始め"));
}

TEST_F(RegisterRules, NameLengthIsCountedInBytes)
{
    EXPECT_EQ(renameFish(state, 4, u"あいうえお"), NameCheck::Accepted);
    EXPECT_EQ(workingName(4), QStringLiteral("あいうえお     "));
    EXPECT_EQ(state.workingFish.at(4).text().size(), FishRecord::Length);
    EXPECT_EQ(renameFish(state, 4, u"あいうえおか"), NameCheck::TooLong);
    EXPECT_EQ(renameFish(state, 4, u"abcdefghijk"), NameCheck::TooLong);
    EXPECT_EQ(renameFish(state, 4, u"abcdefghij   "), NameCheck::Accepted); // trailing blanks go
    EXPECT_EQ(workingName(4), QStringLiteral("abcdefghij"));
    EXPECT_EQ(renameFish(state, 4, u"あいうえおa"), NameCheck::TooLong);
    EXPECT_EQ(workingName(4), QStringLiteral("abcdefghij"));
}

TEST_F(RegisterRules, ClearingANameIsRefusedOnlyWhenTheFishHasOne)
{
    EXPECT_EQ(renameFish(state, 2, u"   "), NameCheck::Missing);
    EXPECT_EQ(workingName(2), QStringLiteral("F2        "));
    state.workingFish.at(6) = shopRecord(1, QString(), clock.dayNumber() - 30, 0);
    EXPECT_EQ(renameFish(state, 6, u""), NameCheck::Accepted);
    EXPECT_EQ(workingName(6), QString(10, u' '));
}

TEST_F(RegisterRules, ADuplicateIsRefusedButAFishsOwnNameIsNot)
{
    EXPECT_EQ(renameFish(state, 2, u"F5"), NameCheck::Duplicate);
    EXPECT_EQ(workingName(2), QStringLiteral("F2        "));
    EXPECT_EQ(renameFish(state, 2, u"F2"), NameCheck::Accepted);
    EXPECT_EQ(renameFish(state, 2, u"F5x"), NameCheck::Accepted); // exact match only
    // Several unnamed fish may all stay unnamed.
    state.workingFish.at(7) = shopRecord(1, QString(), clock.dayNumber(), 0);
    state.workingFish.at(8) = shopRecord(1, QString(), clock.dayNumber(), 0);
    EXPECT_EQ(renameFish(state, 8, u""), NameCheck::Accepted);
}

TEST_F(RegisterRules, ACharacterTheFileCannotHoldIsRefused)
{
    EXPECT_EQ(renameFish(state, 3, u"🐟🐟🐟🐟🐟🐟🐟🐟🐟🐟"), NameCheck::Unencodable);
    EXPECT_EQ(workingName(3), QStringLiteral("F3        "));
    EXPECT_EQ(state.workingFish.at(3).text().size(), FishRecord::Length);
}

TEST_F(RegisterRules, ReleasingMovesTheFollowingFishUp)
{
    const FishTable before = state.workingFish;
    ASSERT_TRUE(releaseFish(state, 3));
    EXPECT_EQ(state.workingFish.count, 9);
    EXPECT_EQ(state.workingFish.at(1), before.at(1));
    EXPECT_EQ(state.workingFish.at(2), before.at(2));
    for (int i = 3; i <= 9; ++i)
        EXPECT_EQ(state.workingFish.at(i), before.at(i + 1)) << "position " << i;
    EXPECT_EQ(state.workingFish.at(10), FishRecord());
    // The tank itself is untouched until the dialog is confirmed.
    EXPECT_EQ(state.fish.count, 0);
}

TEST_F(RegisterRules, ReleasingTheLastListedFishBlanksItsPlace)
{
    ASSERT_TRUE(releaseFish(state, 10));
    EXPECT_EQ(state.workingFish.count, 9);
    EXPECT_EQ(state.workingFish.at(10), FishRecord());
}

TEST_F(RegisterRules, TheLastFishStays)
{
    fillWorking(state, clock, 1);
    const FishTable before = state.workingFish;
    EXPECT_FALSE(canRelease(state));
    EXPECT_FALSE(releaseFish(state, 1));
    EXPECT_EQ(state.workingFish, before);
    EXPECT_FALSE(releaseFish(state, 0));
    EXPECT_EQ(lastFishMessage(), QStringLiteral("最低１匹は水槽の中に入れておいて下さい"));
}

TEST_F(RegisterRules, AReleasedFishsNameIsFreeAgainInTheSameRun)
{
    // Two fish in the tank and in the dialog's copy; fish 1 wears the first
    // female name of the pool.
    state.fish.count = 2;
    state.fish.at(1) = shopRecord(0, QStringLiteral("*歩惟"), clock.dayNumber() - 50, 0);
    state.fish.at(2) = shopRecord(1, QStringLiteral("*敦士"), clock.dayNumber() - 50, 1);
    state.workingFish = state.fish;

    ScriptedRandom random{0.0};
    EXPECT_EQ(PickFishName(state, random, 0), QStringLiteral("*綾華").leftJustified(10));

    ASSERT_TRUE(releaseFish(state, 1));
    EXPECT_EQ(releaseQuestion(QStringLiteral("*歩惟")),
              QStringLiteral("*歩惟を水槽から出します\n一度出したら、もう水槽には戻せません\n"
                             "出してよろしいですか？"));
    state.fish = state.workingFish; // the dialog is confirmed
    random.push(0.0);
    EXPECT_EQ(PickFishName(state, random, 0), QStringLiteral("*歩惟").leftJustified(10));
}

} // namespace
} // namespace fw

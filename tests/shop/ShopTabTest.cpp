#include "RecordingMessages.h"
#include "TankFixture.h"
#include "setup/FishShop.h"
#include "setup/ui/FishRegisterTab.h"
#include "setup/ui/FishShopTab.h"
#include "state/Fish.h"
#include "support/RecordingSound.h"
#include "support/ScriptedRandom.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace fw {
namespace {

using test::FixedClock;
using test::ScriptedRandom;

constexpr ScreenSize screen{1024, 768};

class ShopTab : public ::testing::Test
{
protected:
    AppState state;
    FixedClock clock;
    ScriptedRandom random;
    test::RecordingMessages messages;
    test::RecordingSound sound;
    FishShopTab tab{state, random, clock, screen};

    void SetUp() override
    {
        tab.setMessages(messages);
        state.sound = &sound;
    }
    template <typename T> T *control(const char *name)
    {
        T *found = tab.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QScrollBar *count() { return control<QScrollBar>("HScroll_fishcount"); }
    QString text(const char *label) { return control<QLabel>(label)->text(); }
    // The draws of one fish bought with both choices left to chance.
    void scriptMixedFish(int fish)
    {
        for (int i = 0; i < fish; ++i)
            random.push({0.5, 0.2, 0.3, 0.4}); // age, sex, left, top
    }
};

TEST_F(ShopTab, NearlyFullTankOffersOnlyTheRoomLeftThenClosesTheCounter)
{
    test::fillWorking(state, clock, 95);
    tab.open();
    EXPECT_EQ(text("Label_fishvalue"), QStringLiteral("あと04匹"));
    EXPECT_EQ(text("Label_fishcount"), QStringLiteral("00匹"));
    EXPECT_TRUE(count()->isEnabled());
    EXPECT_EQ(count()->maximum(), 4);

    count()->setValue(9);
    EXPECT_EQ(count()->value(), 4);
    EXPECT_EQ(text("Label_fishcount"), QStringLiteral("04匹"));
    scriptMixedFish(4);
    control<QPushButton>("Command_in")->click();
    EXPECT_EQ(state.workingFish.count, 99);
    EXPECT_EQ(sound.chimes, 1); // one chime for the purchase, not one a fish
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(text("Label_fishvalue"), QStringLiteral("あと00匹"));
    EXPECT_EQ(text("Label_fishcount"), QStringLiteral("00匹"));
    EXPECT_EQ(count()->value(), 0);
    EXPECT_FALSE(count()->isEnabled());

    // Opening the tab again keeps a full tank closed.
    tab.open();
    EXPECT_FALSE(count()->isEnabled());
    EXPECT_EQ(text("Label_fishvalue"), QStringLiteral("あと00匹"));
}

TEST_F(ShopTab, BuyingNothingDoesNothing)
{
    test::fillWorking(state, clock, 3);
    tab.open();
    control<QPushButton>("Command_in")->click(); // no draws scripted: none may be taken
    EXPECT_EQ(state.workingFish.count, 3);
    EXPECT_EQ(sound.chimes, 0);
    EXPECT_EQ(state.fish.count, 0);
}

TEST_F(ShopTab, BoughtFishArriveUnnamedInTheWorkingTableAndGetNamesAtConfirmation)
{
    test::fillWorking(state, clock, 2);
    tab.open();
    control<QComboBox>("Combo_species")->setCurrentIndex(2);
    count()->setValue(3);
    scriptMixedFish(3);
    control<QPushButton>("Command_in")->click();
    ASSERT_EQ(state.workingFish.count, 5);
    EXPECT_EQ(state.fish.count, 0);
    EXPECT_EQ(text("Label_fishvalue"), QStringLiteral("あと94匹"));
    EXPECT_EQ(count()->maximum(), 94);
    for (int i = 3; i <= 5; ++i) {
        EXPECT_EQ(state.workingFish.at(i).species(), u'2');
        EXPECT_EQ(state.workingFish.at(i).name(), QString(10, u' '));
        EXPECT_EQ(state.workingFish.at(i).sex(), u'0');
    }

    FishRegisterTab list(state, random, clock, screen);
    ASSERT_TRUE(list.open());
    auto *rows = list.findChild<QListWidget *>(QStringLiteral("List_fishinfo"));
    ASSERT_EQ(rows->count(), 5);
    EXPECT_EQ(rows->item(4)->text().section(u'|', 1, 1), QString(10, u' '));

    random.push({0.0, 0.0, 0.0});
    nameUnnamedFish(state, random, true); // what the dialog's OK does
    for (int i = 3; i <= 5; ++i)
        EXPECT_TRUE(state.workingFish.at(i).name().startsWith(u'*')) << i;
}

TEST_F(ShopTab, ChoicesFollowTheListsToTheNewFish)
{
    test::fillWorking(state, clock, 1);
    tab.open();
    control<QComboBox>("Combo_species")->setCurrentIndex(5);
    control<QComboBox>("Combo_sex")->setCurrentIndex(2); // オス
    control<QComboBox>("Combo_age")->setCurrentIndex(2); // 幼魚
    count()->setValue(1);
    random.push({0.99, 0.5, 0.5}); // age, left, top: no sex draw for a chosen sex
    control<QPushButton>("Command_in")->click();
    ASSERT_EQ(state.workingFish.count, 2);
    const FishRecord &fish = state.workingFish.at(2);
    EXPECT_EQ(fish.species(), u'5');
    EXPECT_EQ(fish.sex(), u'1');
    EXPECT_EQ(clock.dayNumber() - fish.birthDay(), 89);
    EXPECT_EQ(random.remaining(), 0u);
}

TEST_F(ShopTab, CatalogueShowsTheChosenSpeciesOnly)
{
    test::fillWorking(state, clock, 1);
    tab.open();
    auto *species = control<QComboBox>("Combo_species");
    EXPECT_EQ(species->count(), 6);
    EXPECT_EQ(species->currentIndex(), 0);
    EXPECT_EQ(control<QComboBox>("Combo_sex")->currentText(), QStringLiteral("混ぜて"));
    EXPECT_EQ(control<QComboBox>("Combo_age")->currentText(), QStringLiteral("混ぜて"));
    tab.show();
    for (int s : {0, 4, 1}) {
        species->setCurrentIndex(s);
        EXPECT_EQ(control<QPlainTextEdit>("Text_species")->toPlainText(),
                  catalogueText(s).replace(QStringLiteral("\r\n"), "\n"));
        for (int i = 0; i < SpeciesCount; ++i) {
            auto *picture = control<QLabel>(qPrintable(QStringLiteral("Picture_Fish%1").arg(i)));
            EXPECT_EQ(picture->isVisible(), i == s) << s << " " << i;
        }
    }
    // Each picture sits in the middle of the picture area.
    auto *area = control<QWidget>("Picture_species");
    for (int i = 0; i < SpeciesCount; ++i) {
        auto *picture = control<QLabel>(qPrintable(QStringLiteral("Picture_Fish%1").arg(i)));
        EXPECT_LE(std::abs(2 * picture->x() + picture->width() - area->width()), 1) << i;
        EXPECT_LE(std::abs(2 * picture->y() + picture->height() - area->height()), 1) << i;
    }
}

} // namespace
} // namespace fw

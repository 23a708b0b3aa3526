#include "RecordingMessages.h"
#include "TankFixture.h"
#include "setup/FishRegister.h"
#include "setup/ui/FishRegisterTab.h"
#include "support/ScriptedRandom.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace fw {
namespace {

using test::FixedClock;
using test::ScriptedRandom;
using test::shopRecord;

class RegisterTab : public ::testing::Test
{
protected:
    AppState state;
    FixedClock clock;
    ScriptedRandom random;
    test::RecordingMessages messages;
    FishRegisterTab tab{state, random, clock, ScreenSize{1024, 768}};

    void SetUp() override { tab.setMessages(messages); }
    QListWidget *list() { return tab.findChild<QListWidget *>(QStringLiteral("List_fishinfo")); }
    QLineEdit *nameBox() { return tab.findChild<QLineEdit *>(QStringLiteral("Text_aftername")); }
    void press(const char *button)
    {
        tab.findChild<QPushButton *>(QString::fromLatin1(button))->click();
    }
    void rename(int row, const QString &name)
    {
        list()->setCurrentRow(row);
        nameBox()->setText(name);
        press("cb_namechange_ok");
    }
};

TEST_F(RegisterTab, AnEmptyTankIsRefused)
{
    EXPECT_FALSE(tab.open());
    EXPECT_EQ(messages.shown,
              QStringList{QStringLiteral("information|機能制限|水槽には魚が１匹も入っていません")});
}

TEST_F(RegisterTab, ListsEveryFishAndSelectsTheFirst)
{
    test::fillWorking(state, clock, 10);
    ASSERT_TRUE(tab.open());
    ASSERT_EQ(list()->count(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(list()->item(i)->text(), registerRow(state, clock, i + 1));
    EXPECT_EQ(tab.findChild<QLabel *>(QStringLiteral("Label_header"))->text(), registerHeader());
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(tab.selectedFish(), 1);
    EXPECT_EQ(nameBox()->text(), QStringLiteral("F1"));

    list()->setCurrentRow(6);
    EXPECT_EQ(tab.selectedFish(), 7);
    EXPECT_EQ(nameBox()->text(), QStringLiteral("F7"));
}

TEST_F(RegisterTab, RenamingRefreshesTheRowOrExplainsTheRefusal)
{
    test::fillWorking(state, clock, 6);
    ASSERT_TRUE(tab.open());
    rename(1, QStringLiteral("F5"));
    EXPECT_EQ(messages.shown,
              QStringList{QStringLiteral("warning|エラーメッセージ|すでに同じ名前の魚がいます\n"
                                         "名前を変更してください")});
    EXPECT_EQ(state.workingFish.at(2).name(), QStringLiteral("F2").leftJustified(10));
    EXPECT_EQ(nameBox()->text(), QStringLiteral("F5")); // left for the user to correct

    rename(1, QStringLiteral("きんぎょ"));
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(list()->item(1)->text(), registerRow(state, clock, 2));
    EXPECT_TRUE(list()->item(1)->text().contains(QStringLiteral("|きんぎょ  |")));
    EXPECT_EQ(list()->currentRow(), 1);

    // Enter in the name box gives the name too, and goes no further.
    list()->setCurrentRow(2);
    nameBox()->setText(QStringLiteral("Nemo"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(nameBox(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(state.workingFish.at(3).name(), QStringLiteral("Nemo").leftJustified(10));

    rename(3, QStringLiteral("あいうえおか"));
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(
        messages.shown.last(),
        QStringLiteral("warning|エラーメッセージ|文字数オーバーです\n名前を短くしてください"));
    rename(3, QString());
    EXPECT_EQ(messages.shown.last(),
              QStringLiteral("warning|エラーメッセージ|名前が入力されていません\n"
                             "名前を入力してください"));
    EXPECT_EQ(state.workingFish.at(4).name(), QStringLiteral("F4").leftJustified(10));
}

TEST_F(RegisterTab, ReleasingAsksFirstThenRebuildsTheList)
{
    test::fillWorking(state, clock, 10);
    ASSERT_TRUE(tab.open());
    list()->setCurrentRow(2);

    messages.answer = false;
    press("Command_out");
    EXPECT_EQ(state.workingFish.count, 10);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.first(),
              QStringLiteral("question|水槽から出す|F3を水槽から出します\n"
                             "一度出したら、もう水槽には戻せません\n出してよろしいですか？"));
    // The answers are the register's own, which a translation may make verbs.
    EXPECT_EQ(messages.answers, QStringList{releaseAnswer() + u'|' + keepAnswer()});

    messages.answer = true;
    press("Command_out");
    EXPECT_EQ(state.workingFish.count, 9);
    ASSERT_EQ(list()->count(), 9);
    EXPECT_TRUE(list()->item(2)->text().contains(QStringLiteral("|F4        |")));
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(tab.selectedFish(), 1);
    EXPECT_EQ(nameBox()->text(), QStringLiteral("F1"));
}

TEST_F(RegisterTab, TheLastFishIsNeverReleased)
{
    test::fillWorking(state, clock, 1);
    ASSERT_TRUE(tab.open());
    press("Command_out");
    EXPECT_EQ(state.workingFish.count, 1);
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral(
                                  "information|機能制限|最低１匹は水槽の中に入れておいて下さい")});
}

TEST_F(RegisterTab, ListFontGivesFullWidthCharactersTwoCells)
{
    test::fillWorking(state, clock, 2);
    state.workingFish.at(1) = shopRecord(0, QStringLiteral("歩惟"), clock.dayNumber() - 5, 0);
    state.workingFish.at(2) = shopRecord(0, QStringLiteral("Ayui"), clock.dayNumber() - 5, 0);
    ASSERT_TRUE(tab.open());
    const QFontMetrics metrics(list()->font());
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("魚")),
              2 * metrics.horizontalAdvance(QStringLiteral("ｱ")));
    // Rows of names of equal bytes end their columns at the same place.
    EXPECT_EQ(metrics.horizontalAdvance(list()->item(0)->text()),
              metrics.horizontalAdvance(list()->item(1)->text()));
}

} // namespace
} // namespace fw

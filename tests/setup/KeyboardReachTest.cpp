#include "dialogs/ColourMixing.h"
#include "dialogs/ui/frmColorSelect.h"
#include "setup/ui/frmSetup.h"

#include "SetupFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace fw {
namespace {

// The controls the Tab key visits from `first` until it leaves `page`.
QStringList tabOrder(QWidget *window, QWidget *page, QWidget *first)
{
    QStringList visited;
    first->setFocus(Qt::TabFocusReason);
    while (QWidget *focus = window->focusWidget()) {
        if (!page->isAncestorOf(focus) || visited.contains(focus->objectName()))
            break;
        visited << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return visited;
}

QString focusAfter(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key, modifiers);
    return window->focusWidget() ? window->focusWidget()->objectName() : QString();
}

class KeyboardReach : public test::SetupFixture
{
protected:
    void SetUp() override
    {
        test::SetupFixture::SetUp();
        state.fish.count = 1;
        state.fish.at(1) = FishRecord(QStringLiteral("0ﾊﾅｺ       460001"));
        // Every dependent control enabled, so each takes its place in the order.
        for (const char *key : {"food1", "food2", "wautochange", "timevisible", "screenclear"})
            assignSetting(state.settings, QString::fromLatin1(key), u"1");
        dialog = std::make_unique<frmSetup>(state, random, clock, ScreenSize{1024, 768}, nullptr);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    QWidget *page(int tab)
    {
        const QList<void (frmSetup::*)()> clicks = {
            &frmSetup::label_tag1_Click, &frmSetup::label_tag2_Click, &frmSetup::label_tag3_Click,
            &frmSetup::label_tag4_Click};
        (dialog.get()->*clicks.at(tab - 1))();
        const char *frames[] = {"Frame_environment", "Frame_waterchange", "Frame_list",
                                "Frame_catalog"};
        return dialog->findChild<QWidget *>(QString::fromLatin1(frames[tab - 1]))->parentWidget();
    }

    QWidget *control(const char *name)
    {
        return dialog->findChild<QWidget *>(QString::fromLatin1(name));
    }

    std::unique_ptr<frmSetup> dialog;
};

TEST_F(KeyboardReach, EveryScrollBarTakesTheFocusByTabAndMovesByItsSteps)
{
    int bars = 0;
    for (int tab = 1; tab <= 4; ++tab) {
        QWidget *shown = page(tab);
        QWidget *first = shown->nextInFocusChain();
        while (!(first->focusPolicy() & Qt::TabFocus) || !first->isEnabled())
            first = first->nextInFocusChain();
        const QStringList order = tabOrder(dialog.get(), shown, first);
        for (QScrollBar *bar : shown->findChildren<QScrollBar *>()) {
            // A list's own scroll bars belong to the list, which takes the focus.
            if (bar->objectName().isEmpty() || !bar->isVisible() || !bar->isEnabled())
                continue;
            ++bars;
            const std::string name = bar->objectName().toStdString();
            EXPECT_TRUE(order.contains(bar->objectName())) << name;
            bar->setFocus(Qt::TabFocusReason);
            bar->setValue(bar->minimum());
            QTest::keyClick(bar, Qt::Key_Right);
            EXPECT_EQ(bar->value(), bar->minimum() + bar->singleStep()) << name;
            QTest::keyClick(bar, Qt::Key_Left);
            EXPECT_EQ(bar->value(), bar->minimum()) << name;
            QTest::keyClick(bar, Qt::Key_PageDown);
            const int large = std::min(bar->pageStep(), bar->maximum() - bar->minimum());
            EXPECT_EQ(bar->value(), bar->minimum() + large) << name;
            QTest::keyClick(bar, Qt::Key_End);
            QTest::keyClick(bar, Qt::Key_PageUp);
            EXPECT_EQ(bar->value(), bar->maximum() - large) << name;
        }
    }
    // Clear time, speed; feeding twice, light twice, temperature, pH, water
    // twice, bubbles twice; the shop's count.
    EXPECT_EQ(bars, 13);
}

TEST_F(KeyboardReach, TheTabKeyFollowsTheLayoutOnEveryTab)
{
    QWidget *tank = page(2);
    EXPECT_EQ(tabOrder(dialog.get(), tank, control("Check_food1")),
              (QStringList{"Check_food1", "HScroll_food1", "Check_food2", "HScroll_food2",
                           "HScroll_lighton", "HScroll_lightoff", "HScroll_wtemp", "Check_fry",
                           "HScroll_ph", "HScroll_wquantity", "Check_wautochange",
                           "HScroll_wchangeinterval", "cb_waterchange", "Check_bubble_view",
                           "Check_bubble_dist", "Check_bubble_init_rand",
                           "HScroll_bubble_count_max", "HScroll_bubble_limity"}));
    QWidget *fish = page(3);
    EXPECT_EQ(tabOrder(dialog.get(), fish, control("List_fishinfo")),
              (QStringList{"List_fishinfo", "Text_aftername", "cb_namechange_ok", "Command_out",
                           "Command_treat"}));
    QWidget *shop = page(4);
    EXPECT_EQ(tabOrder(dialog.get(), shop, control("Combo_species")),
              (QStringList{"Combo_species", "Text_species", "Combo_sex", "Combo_age",
                           "HScroll_fishcount", "Command_in"}));
    const QStringList general = tabOrder(dialog.get(), page(1), control("Check_timeVisible"));
    EXPECT_EQ(general.mid(0, 4), (QStringList{"Check_timeVisible", "Combo_timeStyle",
                                              "Combo_timeposition", "Check_NameVisible"}));
    EXPECT_LT(general.indexOf(u"HScroll_screencleartime"), general.indexOf(u"cb_ForeColorSet"));
    EXPECT_LT(general.indexOf(u"cb_BackColorSet"), general.indexOf(u"HScroll_fishspeed"));
}

TEST_F(KeyboardReach, EachAcceleratorReachesItsControl)
{
    page(2);
    EXPECT_EQ(focusAfter(dialog.get(), Qt::Key_L, Qt::AltModifier), u"HScroll_lighton");
    EXPECT_EQ(focusAfter(dialog.get(), Qt::Key_T, Qt::AltModifier), u"HScroll_wtemp");
    EXPECT_EQ(focusAfter(dialog.get(), Qt::Key_H, Qt::AltModifier), u"HScroll_ph");
    EXPECT_EQ(focusAfter(dialog.get(), Qt::Key_C, Qt::AltModifier), u"HScroll_wquantity");
    page(1);
    EXPECT_EQ(focusAfter(dialog.get(), Qt::Key_P, Qt::AltModifier), u"HScroll_fishspeed");
    page(3);
    EXPECT_EQ(focusAfter(dialog.get(), Qt::Key_N, Qt::AltModifier), u"Text_aftername");
    EXPECT_EQ(focusAfter(dialog.get(), Qt::Key_L, Qt::AltModifier), u"List_fishinfo");
    page(4);
    EXPECT_EQ(focusAfter(dialog.get(), Qt::Key_S, Qt::AltModifier), u"Combo_sex");
    EXPECT_EQ(focusAfter(dialog.get(), Qt::Key_N, Qt::AltModifier), u"HScroll_fishcount");
    EXPECT_EQ(focusAfter(dialog.get(), Qt::Key_C, Qt::AltModifier), u"Combo_species");
}

TEST_F(KeyboardReach, TheColourChooserIsReachedByKeyboardToo)
{
    frmColorSelect chooser(state);
    chooser.show();
    QApplication::setActiveWindow(&chooser);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chooser));
    const auto box = [&chooser](int n) {
        return chooser.findChild<QWidget *>(QStringLiteral("Picture%1").arg(n));
    };
    // The basic colours are one stop, then the three bars, OK and Cancel.
    EXPECT_EQ(tabOrder(&chooser, &chooser, box(1)),
              (QStringList{"Picture1", "HScrollR", "HScrollG", "HScrollB", "cb_Ok", "cb_Cansel"}));
    // The arrows walk the grid and choose as they go; the grid's edge stops them.
    box(1)->setFocus(Qt::TabFocusReason);
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left})
        QTest::keyClick(chooser.focusWidget(), key); // 2, 10, 18, 17, and 17 at the edge
    EXPECT_EQ(chooser.focusWidget(), box(17));
    EXPECT_EQ(chooser.selectedColour(), standardColour(17));
    // Shift+Tab from the red bar comes back to the box last chosen.
    auto *red = chooser.findChild<QScrollBar *>(QStringLiteral("HScrollR"));
    red->setFocus(Qt::TabFocusReason);
    QTest::keyClick(red, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(chooser.focusWidget(), box(17));
    const int before = red->value();
    red->setFocus();
    QTest::keyClick(red, before < 255 ? Qt::Key_Right : Qt::Key_Left);
    EXPECT_EQ(std::abs(red->value() - before), 1);
}

} // namespace
} // namespace fw

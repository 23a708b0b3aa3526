#include "dialogs/ColourMixing.h"
#include "dialogs/ui/frmColorSelect.h"

#include "CallerWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(ColourMixing, SplitsAColourAsTheSlidersTakeItApart)
{
    EXPECT_EQ(splitColour(18 + 52 * 256 + 86 * 65536), (ColourChannels{18, 52, 86}));
    EXPECT_EQ(splitColour(0xFFFFFF), (ColourChannels{255, 255, 255}));
    EXPECT_EQ(mixColour({255, 255, 0}), 0x00FFFFu);
    EXPECT_EQ(standardColour(19), mixColour({255, 128, 0})); // row 2, column 2
    EXPECT_EQ(standardColour(1), 0xFFFFFFu);
    EXPECT_EQ(standardColour(41), 0u);
    EXPECT_EQ(standardColour(48), mixColour({64, 0, 64}));
    EXPECT_EQ(standardColourTwips(1), QRect(360, 480, 375, 375));
    EXPECT_EQ(standardColourTwips(10), QRect(840, 960, 375, 375));
    EXPECT_EQ(standardColourTwips(48), QRect(360 + 7 * 480, 480 + 5 * 480, 375, 375));
}

class ColourChooser : public ::testing::Test
{
protected:
    void SetUp() override
    {
        state.handOff.colorCaller = QStringLiteral("frmSetup");
        state.handOff.colorTarget = QStringLiteral("pic_NameColor");
    }

    static ColourChannels bars(const frmColorSelect &chooser)
    {
        const auto value = [&chooser](const char *name) {
            return chooser.findChild<QScrollBar *>(QString::fromLatin1(name))->value();
        };
        return {value("HScrollR"), value("HScrollG"), value("HScrollB")};
    }
    static QString label(const frmColorSelect &chooser, const char *name)
    {
        return chooser.findChild<QLabel *>(QString::fromLatin1(name))->text();
    }

    AppState state;
    test::CallerWindow caller;
};

TEST_F(ColourChooser, OpensOnTheTargetBoxsColour)
{
    caller.nameColour->setColour(mixColour({18, 52, 86}));
    frmColorSelect chooser(state);
    EXPECT_EQ(chooser.windowTitle(), QStringLiteral("色の設定"));
    EXPECT_EQ(bars(chooser), (ColourChannels{18, 52, 86}));
    EXPECT_EQ(label(chooser, "lb_G"), QStringLiteral("52"));
    EXPECT_EQ(chooser.selectedColour(), mixColour({18, 52, 86}));

    // The target's name matches without regard to case.
    state.handOff.colorTarget = QStringLiteral("pic_BackColor");
    caller.backColour->setColour(mixColour({1, 2, 3}));
    EXPECT_EQ(bars(frmColorSelect(state)), (ColourChannels{1, 2, 3}));
}

TEST_F(ColourChooser, AStandardColourSetsTheSliders)
{
    frmColorSelect chooser(state);
    chooser.Picture_Click(19);
    EXPECT_EQ(bars(chooser), (ColourChannels{255, 128, 0}));
    EXPECT_EQ(label(chooser, "lb_R"), QStringLiteral("255"));
    EXPECT_EQ(label(chooser, "lb_B"), QStringLiteral("0"));
    EXPECT_FALSE(chooser.findChild<QCheckBox *>(QStringLiteral("chk_ColorSelect"))->isEnabled());
}

TEST_F(ColourChooser, MovingOneSliderMixesTheColour)
{
    caller.nameColour->setColour(0xFFFFFF);
    frmColorSelect chooser(state);
    chooser.findChild<QScrollBar *>(QStringLiteral("HScrollB"))->setValue(0);
    EXPECT_EQ(chooser.selectedColour(), mixColour({255, 255, 0}));
    EXPECT_EQ(label(chooser, "lb_B"), QStringLiteral("0"));
}

TEST_F(ColourChooser, OkWritesIntoTheCallersBoxAndCancelLeavesIt)
{
    caller.nameColour->setColour(0x123456);
    {
        frmColorSelect chooser(state);
        chooser.Picture_Click(23);
        chooser.findChild<QPushButton *>(QStringLiteral("cb_Cansel"))->click();
        EXPECT_EQ(chooser.result(), QDialog::Rejected);
    }
    EXPECT_EQ(caller.nameColour->colour(), 0x123456u);

    frmColorSelect chooser(state);
    chooser.Picture_Click(23);
    chooser.findChild<QPushButton *>(QStringLiteral("cb_Ok"))->click();
    EXPECT_EQ(caller.nameColour->colour(), mixColour({0, 0, 255}));
    EXPECT_EQ(caller.backColour->colour(), 0xFFFFFFu);
}

TEST_F(ColourChooser, AnUnknownCallerOrTargetOpensOnWhiteAndChangesNothing)
{
    caller.nameColour->setColour(0x000080);
    state.handOff.colorTarget = QStringLiteral("txb_BackPicture");
    frmColorSelect chooser(state);
    EXPECT_EQ(chooser.selectedColour(), 0xFFFFFFu);
    chooser.Picture_Click(2);
    chooser.cb_Ok_Click();
    EXPECT_EQ(caller.nameColour->colour(), 0x000080u);

    state.handOff.colorTarget = QStringLiteral("pic_NameColor");
    state.handOff.colorCaller = QStringLiteral("frmAquarium");
    frmColorSelect other(state);
    other.cb_Ok_Click();
    EXPECT_EQ(caller.nameColour->colour(), 0x000080u);
}

} // namespace
} // namespace fw

#include "TankBuilder.h"

#include "aquarium/AquariumModel.h"
#include "aquarium/MouseHandling.h"
#include "platform/Surface.h"
#include "support/FixedClock.h"
#include "support/RecordingSound.h"

#include <gtest/gtest.h>

namespace fw::test {
namespace {

// A fish record: species, ten-character name, birth day, sex.
FishRecord record(QChar species, const QString &name, int birthDay, QChar sex)
{
    return FishRecord(QString(species) + name.leftJustified(10, u' ', true) +
                      QString::number(birthDay).rightJustified(5, u'0') + sex);
}

class Mouse : public ::testing::Test
{
protected:
    void SetUp() override
    {
        surface.setBackColor(0x000000);
        surface.setForeColor(0xffffff);
        surface.resize({640, 480});
        surface.cls();
        settings().endpattern = QStringLiteral("2");
        settings().fishmovespeed = QStringLiteral("40");
        settings().screenvisible = QStringLiteral("0");
        settings().wtemp = QStringLiteral("26");
        settings().wchangedate = QStringLiteral("2026/12/01");
        settings().timestyle = QStringLiteral("00");
    }

    SettingsRecord &settings() { return tank.state.settings; }

    int addFish(const QString &name, int daysOld, QChar sex, FishValues values)
    {
        const int position = tank.add(u'0', values);
        tank.state.fish.at(position) = record(u'0', name, clock.dayNumber() - daysOld, sex);
        return position;
    }

    MouseOutcome press(double x, double y, bool left = true)
    {
        return mouseDown(mouse, left, x, y);
    }
    MouseOutcome release(double x, double y) { return mouseUp(mouse, x, y); }

    // The surface as it looks with `text` printed at the top left of `before`.
    QImage printedOver(const QImage &before, const QString &text)
    {
        Surface expected;
        expected.setBackColor(surface.backColor());
        expected.setForeColor(surface.foreColor());
        expected.resize(surface.size());
        expected.bitBlt(0, 0, before.width(), before.height(), before, 0, 0, RasterOp::SrcCopy);
        expected.print(text);
        return expected.image();
    }

    TankBuilder tank;
    AquariumModel model;
    Surface surface;
    FixedClock clock;
    MouseContext mouse{tank.state, model, surface, clock};
};

TEST_F(Mouse, FishInformationText)
{
    addFish(QStringLiteral("ﾀﾛｳ"), 5, u'1', swimmer(0, 0, 0, 0));
    addFish(QStringLiteral("* ﾊﾅｺ"), 0, u'0', swimmer(0, 0, 0, 0));
    addFish(QStringLiteral("ﾁﾖ ﾉ ｶﾜ"), 1234, u'0', swimmer(0, 0, 0, 0));
    EXPECT_EQ(fishInformation(tank.state, clock, 1),
              QStringLiteral("  名前:ﾀﾛｳ\n  生後:5日\n  性別:ｵｽ\n  状態:稚魚\n"));
    // Born today: "#####" prints 0 as nothing.
    EXPECT_EQ(fishInformation(tank.state, clock, 2),
              QStringLiteral("  名前:* ﾊﾅｺ\n  生後:日\n  性別:ﾒｽ\n  状態:稚魚\n"));
    EXPECT_EQ(fishInformation(tank.state, clock, 3),
              QStringLiteral("  名前:ﾁﾖ ﾉ ｶﾜ\n  生後:1234日\n  性別:ﾒｽ\n  状態:成魚\n"));
}

TEST_F(Mouse, InformationTellsTheWaterTheLightAndAnUneasyFish)
{
    EXPECT_EQ(tankInformation(tank.state, clock),
              QStringLiteral(
                  "  水温:26℃\n  水質:澄んでいる 7日目\n  前回水換日:2026/12/01\n  状態:昼\n"));

    // Off at 12:00, night from 12:30; the clock says 12:34:56.
    settings().lighton = QStringLiteral("09");
    settings().lightoff = QStringLiteral("12");
    settings().wchangedate = QStringLiteral("2020/10/01");
    EXPECT_EQ(tankInformation(tank.state, clock),
              QStringLiteral(
                  "  水温:26℃\n  水質:濁っている 999日目\n  前回水換日:2020/10/01\n  状態:夜\n"));
    settings().wchangedate = QStringLiteral("2026/13/01"); // no such date: no day to tell
    EXPECT_EQ(
        tankInformation(tank.state, clock),
        QStringLiteral("  水温:26℃\n  水質:澄んでいる \n  前回水換日:2026/13/01\n  状態:夜\n"));

    // An angelfish is at ease from 24 to 30 °C.
    addFish(QStringLiteral("ﾀﾛｳ"), 5, u'1', swimmer(0, 0, 0, 0));
    const QString calm = QStringLiteral("  名前:ﾀﾛｳ\n  生後:5日\n  性別:ｵｽ\n  状態:稚魚\n");
    settings().wtemp = QStringLiteral("30");
    EXPECT_EQ(fishInformation(tank.state, clock, 1), calm);
    settings().wtemp = QStringLiteral("31");
    EXPECT_EQ(fishInformation(tank.state, clock, 1), calm + QStringLiteral("  水温が高すぎます\n"));
    settings().wtemp = QStringLiteral("23");
    EXPECT_EQ(fishInformation(tank.state, clock, 1), calm + QStringLiteral("  水温が低すぎます\n"));
}

TEST_F(Mouse, OtherButtonsAndTheEndRuleEnd)
{
    EXPECT_TRUE(press(10, 10, false).endProgram);
    EXPECT_FALSE(model.informationShown);

    settings().endpattern = QStringLiteral("0");
    EXPECT_TRUE(press(10, 10).endProgram);

    settings().endpattern = QStringLiteral("1");
    settings().date = clock.today().toString(QStringLiteral("yyyy/MM/dd"));
    EXPECT_TRUE(press(10, 10).endProgram);
    settings().date = clock.today().addDays(-1).toString(QStringLiteral("yyyy/MM/dd"));
    const MouseOutcome goesOn = press(10, 10);
    EXPECT_FALSE(goesOn.endProgram);
    EXPECT_EQ(goesOn.animationInterval, 0);
}

TEST_F(Mouse, ClickOnAFishPausesDescribesAndGrabsTheTopOne)
{
    addFish(QStringLiteral("ｼﾀ"), 3, u'0', swimmer(100, 100, 2, 1, 88, 104));
    addFish(QStringLiteral("ｳｴ"), 7, u'1', swimmer(150, 150, 2, 1, 88, 104));
    const QImage before = surface.image().copy();

    const MouseOutcome outcome = press(160.4, 170.6); // inside both
    EXPECT_FALSE(outcome.endProgram);
    EXPECT_EQ(outcome.animationInterval, 0);
    EXPECT_TRUE(model.informationShown);
    EXPECT_EQ(model.mouseClick.grabbedFish, 2);
    EXPECT_EQ(model.mouseClick.grabOffsetX, 10);
    EXPECT_EQ(model.mouseClick.grabOffsetY, 21);
    EXPECT_EQ(surface.image(), printedOver(before, fishInformation(tank.state, clock, 2)));
}

TEST_F(Mouse, HitTestIncludesTheBoundsAndMissesOutside)
{
    addFish(QStringLiteral("ｻｶﾅ"), 3, u'0', swimmer(100, 100, 0, 0, 42, 17));
    press(142, 117);
    EXPECT_EQ(model.mouseClick.grabbedFish, 1);
    release(142, 117);

    model.informationShown = false;
    const QImage before = surface.image().copy();
    press(142.5, 100);
    EXPECT_EQ(model.mouseClick.grabbedFish, 0);
    EXPECT_EQ(surface.image(), printedOver(before, tankInformation(tank.state, clock)));
}

TEST_F(Mouse, SecondClickBeforeANewFrameShowsNothing)
{
    addFish(QStringLiteral("ｻｶﾅ"), 3, u'0', swimmer(100, 100, 0, 0, 42, 17));
    press(400, 400);
    release(400, 400);
    surface.cls();
    const QImage before = surface.image().copy();
    const MouseOutcome second = press(110, 110);
    EXPECT_FALSE(second.animationInterval.has_value());
    EXPECT_EQ(model.mouseClick.grabbedFish, 0);
    EXPECT_EQ(surface.image(), before);
}

TEST_F(Mouse, PlacingClickOffTheClockFixesTheSourceAndStillInforms)
{
    model.airPlacement = true;
    settings().bubble_init_time = 1;
    const MouseOutcome outcome = press(300.5, 201.5);
    EXPECT_TRUE(outcome.airPlacementEnded);
    EXPECT_FALSE(model.airPlacement);
    EXPECT_EQ(settings().bubble_initx, 300);
    EXPECT_EQ(settings().bubble_inity, 202);
    EXPECT_EQ(settings().bubble_init_time, 0);
    EXPECT_TRUE(model.informationShown);
    EXPECT_EQ(outcome.animationInterval, 0);
}

TEST_F(Mouse, PlacingClickOnTheClockMakesBubblesRiseFromIt)
{
    model.clockX = 100.4;
    // The clock's text, whether or not it is shown, sits on the bottom edge.
    const double top = surface.height() - surface.textHeight(u"2026/12/08  12:34:56");
    const double width = surface.textWidth(u"2026/12/08  12:34:56");
    model.airPlacement = true;
    press(100, top + 1);
    EXPECT_EQ(settings().bubble_init_time, 1);

    model.airPlacement = true;
    model.informationShown = false;
    press(100 + std::round(width) + 1, top + 1); // just right of it
    EXPECT_EQ(settings().bubble_init_time, 0);

    model.airPlacement = true;
    press(150, std::round(top) - 1); // just above it
    EXPECT_EQ(settings().bubble_init_time, 0);

    settings().timestyle = QStringLiteral("07"); // "hh:nn" is far narrower
    model.airPlacement = true;
    press(100 + width - 2, top + 1);
    EXPECT_EQ(settings().bubble_init_time, 0);

    EXPECT_FALSE(model.airPlacement);
}

TEST_F(Mouse, DroppedFishStaysWhollyInsideTheSurface)
{
    struct Drop
    {
        double x, y;
        int left, top;
    };
    const Drop drops[] = {
        {300, 200, 290, 190},  // inside: pointer less the grab offset
        {-50, 200, 0, 190},    // past the left edge
        {300, -50, 290, 0},    // past the top edge
        {1000, 200, 552, 190}, // past the right edge: 640 - 88
        {300, 1000, 290, 376}, // past the bottom edge: 480 - 104
        {5.5, 2.5, 0, 0},
    };
    addFish(QStringLiteral("ｻｶﾅ"), 3, u'0', swimmer(100, 100, 3, -1, 88, 104));
    for (const Drop &d : drops) {
        model.informationShown = false;
        tank[1].left = 100;
        tank[1].top = 100;
        press(110, 110);
        ASSERT_EQ(model.mouseClick.grabbedFish, 1);
        const MouseOutcome up = release(d.x, d.y);
        EXPECT_EQ(tank[1].left, d.left) << d.x << "," << d.y;
        EXPECT_EQ(tank[1].top, d.top) << d.x << "," << d.y;
        EXPECT_EQ(tank[1].movex, 3);
        EXPECT_EQ(model.mouseClick.grabbedFish, 0);
        EXPECT_EQ(up.animationInterval, 40);
    }
}

TEST_F(Mouse, ReleaseWithoutAValidGrabMovesNoFish)
{
    addFish(QStringLiteral("ｻｶﾅ"), 3, u'0', swimmer(100, 100, 0, 0, 88, 104));
    model.mouseClick.grabbedFish = 5; // beyond the fish count
    release(300, 300);
    EXPECT_EQ(tank[1].left, 100);
    EXPECT_EQ(model.mouseClick.grabbedFish, 0);
}

TEST_F(Mouse, ADroppedFishSplashesWhereItLandsAndAMissedGrabIsSilent)
{
    RecordingSound sound;
    tank.state.sound = &sound;
    addFish(QStringLiteral("ｻｶﾅ"), 3, u'0', swimmer(100, 100, 0, 0, 88, 104));
    press(110, 110);
    release(1000, 200);             // lands at the right wall: its middle at 640 - 44
    model.informationShown = false; // a frame ran between the clicks
    press(600, 200);
    release(50, 200); // grabbed 48 from its left edge: 2..90, middle 46
    ASSERT_EQ(sound.splashes.size(), 2u);
    EXPECT_DOUBLE_EQ(sound.splashes[0], 2 * 596.0 / 640 - 1);
    EXPECT_DOUBLE_EQ(sound.splashes[1], 2 * 46.0 / 640 - 1);

    model.mouseClick.grabbedFish = 0;
    release(300, 300);
    EXPECT_EQ(sound.splashes.size(), 2u);
}

TEST_F(Mouse, ReleaseOverAPictureRestoresItWhole)
{
    QImage picture(surface.size(), QImage::Format_RGB32);
    picture.fill(qRgb(10, 120, 200));
    model.backgroundCopy = picture;
    surface.bitBlt(0, 0, 640, 480, picture, 0, 0, RasterOp::SrcCopy);
    settings().screenvisible = QStringLiteral("1");
    press(300, 300);
    EXPECT_NE(surface.image(), picture);
    release(300, 300);
    EXPECT_EQ(surface.image(), picture);

    // Once the picture was cleared, the information stays until the next frame wipes.
    model.pictureCleared = true;
    model.informationShown = false;
    press(300, 300);
    const QImage withText = surface.image().copy();
    release(300, 300);
    EXPECT_EQ(surface.image(), withText);
}

TEST_F(Mouse, ReleaseOverAPlainBackgroundUnderAnOddSettingWipesInItsColour)
{
    // A hand-edited value shows no picture yet restores on release; a plain
    // background keeps no copy, and its colour restores the same.
    surface.setBackColor(0x123456);
    surface.cls();
    const QImage plain = surface.image().copy();
    settings().screenvisible = QStringLiteral("2");
    model.backgroundCopy = QImage();
    press(300, 300);
    EXPECT_NE(surface.image(), plain);
    release(300, 300);
    EXPECT_EQ(surface.image(), plain);
}

TEST_F(Mouse, ReleaseRestartsTheAnimationAtTheSettingsSpeed)
{
    settings().fishmovespeed = QStringLiteral("62.5");
    EXPECT_EQ(release(0, 0).animationInterval, 62);
    settings().fishmovespeed = QStringLiteral("x");
    EXPECT_EQ(release(0, 0).animationInterval, 0);
}

} // namespace
} // namespace fw::test

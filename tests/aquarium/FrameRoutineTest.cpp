#include "AquariumFixture.h"

#include "platform/Conversions.h"

#include <QDateTime>

namespace fw::test {
namespace {

using Frames = AquariumFixture;

// Band 20 % / 30 % of 600 for the neon tetra; 120 to 480 for the angelfish.
class TallTank : public AquariumFixture
{
protected:
    TallTank() : AquariumFixture(QSize(400, 600)) {}
};

TEST_F(Frames, HardStopAtTheLeftWallTurnsTheFishRight)
{
    // x + dx = 3 < 5: stop and face right at once; standing in the margin
    // then draws for a turn, which the hard stop has made moot.
    const int fish = addFish(2, 6, 60, -3);
    random.pushDraw(5, 10);
    frame();
    const FishValues &v = state.values[fish];
    EXPECT_EQ(v.movex, 0);
    EXPECT_EQ(v.facing, 1);
    EXPECT_EQ(v.left, 6);
    EXPECT_EQ(pixel(6, 60), spritePixel(0, false, 2, false)); // drawn facing right
    EXPECT_EQ(random.remaining(), 0u);
}

TEST_F(Frames, HardStopAtTheRightWallEightPixelsShort)
{
    // Width 200, neon tetra 42 wide: the right edge may not pass 192.
    const int stops = addFish(2, 148, 60, 3); // 148 + 3 + 42 = 193 > 192
    const int keeps = addFish(2, 100, 60, 3); // far from the wall
    random.pushDraw(5, 10);                   // the stopped fish stands in the margin
    frame();
    EXPECT_EQ(state.values[stops].movex, 0);
    EXPECT_EQ(state.values[stops].facing, -1);
    EXPECT_EQ(state.values[stops].left, 148);
    EXPECT_EQ(state.values[keeps].movex, 3);
    EXPECT_EQ(state.values[keeps].left, 103);
}

TEST_F(Frames, BrakingInsideTheMarginAndTurningAwayByChance)
{
    // Margin m = trunc(200 * 0.05) = 10.
    const int braking = addFish(2, 12, 40, -3); // 9 < 10: brakes to -2
    const int standing = addFish(2, 7, 60, 0);  // in the margin: draw(10) = 0 turns it right
    const int facingLeft = addFish(2, 7, 80, 0);
    state.values[standing].facing = -1;
    state.values[facingLeft].facing = -1;
    random.pushDraw(0, 10);
    random.pushDraw(3, 10);
    frame();
    EXPECT_EQ(state.values[braking].movex, -2);
    EXPECT_EQ(state.values[braking].left, 10);
    EXPECT_EQ(state.values[standing].facing, 1);
    EXPECT_EQ(state.values[facingLeft].facing, -1);
    EXPECT_EQ(random.remaining(), 0u);
}

TEST_F(Frames, RightMarginBrakesAndTurnsLeft)
{
    // Right margin starts at 200 - 10 = 190 for the right edge.
    const int braking = addFish(2, 145, 30, 2);    // right edge 189: outside the margin
    const int inMargin = addFish(2, 146, 45, 2);   // right edge 190: still outside
    const int pastMargin = addFish(2, 147, 60, 1); // right edge 190: still outside
    const int standing = addFish(2, 150, 75, 0);   // 192 > 190: draws for turning
    random.pushDraw(0, 10);
    frame();
    EXPECT_EQ(state.values[braking].movex, 2);
    EXPECT_EQ(state.values[inMargin].movex, 2);
    EXPECT_EQ(state.values[pastMargin].movex, 1);
    EXPECT_EQ(state.values[standing].facing, -1);

    const int brakes = addFish(2, 148, 88, 1); // 148 + 1 + 42 = 191 > 190: brake to 0
    (void)brakes;
    random.pushDraw(9, 10); // the standing fish draws again
    frame();
    EXPECT_EQ(state.values[brakes].movex, 0);
}

TEST_F(TallTank, NeonTetraKeepsToItsBand)
{
    // Band 20 % / 30 % of 600: top 120, bottom 420.
    const int climbing = addFish(2, 100, 125, 0, -6); // would reach 119
    const int atTop = addFish(2, 100, 126, 0, -6);    // reaches 120: still inside
    const int sinking = addFish(2, 200, 400, 0, 4);   // bottom edge 421
    const int atBottom = addFish(2, 200, 399, 0, 4);  // bottom edge 420: inside
    random.pushDraw(1, 3);                            // the climber does not turn back this frame
    frame();
    EXPECT_EQ(state.values[climbing].movey, 0);
    EXPECT_EQ(state.values[climbing].top, 125);
    EXPECT_EQ(state.values[atTop].movey, -6);
    EXPECT_EQ(state.values[sinking].movey, 0);
    EXPECT_EQ(state.values[sinking].top, 400);
    EXPECT_EQ(state.values[atBottom].movey, 4);
    EXPECT_EQ(random.remaining(), 0u);
}

TEST_F(TallTank, FishOutsideItsBandTurnsBackByChance)
{
    const int above = addFish(2, 100, 50, 0, 0);
    const int below = addFish(2, 200, 500, 0, 0);
    state.values[above].facing = 1;
    state.values[below].facing = -1;
    random.pushDraw(0, 3);
    random.pushDraw(0, 3);
    frame();
    EXPECT_EQ(state.values[above].movey, 2);
    EXPECT_EQ(state.values[above].movex, 2);
    EXPECT_EQ(state.values[above].top, 52);
    EXPECT_EQ(state.values[below].movey, -2);
    EXPECT_EQ(state.values[below].movex, -2);
    EXPECT_EQ(state.values[below].left, 198);
}

TEST_F(Frames, StoppedFishNeverMovedFaceByTheirPlace)
{
    const int first = addFish(2, 40, 50);
    const int second = addFish(2, 120, 50);
    frame();
    EXPECT_EQ(state.values[first].facing, 1);
    EXPECT_EQ(state.values[second].facing, -1);
    EXPECT_EQ(pixel(40, 50), spritePixel(0, false, 2, false));
    EXPECT_EQ(pixel(120, 50), spritePixel(0, true, 2, false));
    // The facing stays while they stand still.
    frame();
    EXPECT_EQ(state.values[first].facing, 1);
    EXPECT_EQ(state.values[second].facing, -1);
}

TEST_F(TallTank, YoungUntilTheHundredthDay)
{
    const int young = addFish(0, 20, 200, 0, 0, 99);
    const int grown = addFish(0, 100, 200, 0, 0, 100);
    const int unborn = addFish(0, 250, 200, 0, 0, -5);
    frame();
    EXPECT_EQ(state.values[young].width, 44);
    EXPECT_EQ(state.values[young].height, 52);
    EXPECT_EQ(state.values[grown].width, 88);
    EXPECT_EQ(state.values[grown].height, 104);
    EXPECT_EQ(state.values[unborn].width, 44);
    EXPECT_EQ(pixel(100, 200), spritePixel(0, true, 0, false));
}

// Tail flick of an angelfish (88 wide, share 0.25, period 4 when still): the
// clock's second 56 is a flick second.
TEST_F(TallTank, TailFlickFacingLeftShiftsTheRearTowardsTheHead)
{
    addFish(0, 50, 20 + 180);
    // Facing left at u = 0.5: k = 0.875, split at 77.
    state.values[1].facing = -1;
    clock.set(QDateTime(QDate(2026, 12, 8), QTime(12, 34, 56, 500)));
    surface.cls();
    frame();
    EXPECT_EQ(pixel(50, 220), spritePixel(0, true, 0, false));
    EXPECT_EQ(pixel(50 + 75, 220), spritePixel(75, true, 0, false));
    EXPECT_EQ(pixel(50 + 76, 220), spritePixel(77, true, 0, false)); // piece 2 one pixel left
    EXPECT_EQ(pixel(50 + 86, 220), spritePixel(87, true, 0, false));
    EXPECT_EQ(pixel(50 + 87, 220), 0u); // the last column is left bare
}

TEST_F(TallTank, TailFlickFacingRightShiftsTheRearTowardsTheHead)
{
    addFish(0, 50, 20 + 180);
    clock.set(QDateTime(QDate(2026, 12, 8), QTime(12, 34, 56)));
    frame(); // u = 0: k = 0.25, split at 22
    EXPECT_EQ(state.values[1].facing, 1);
    EXPECT_EQ(pixel(50, 220), 0u); // piece 1 starts one pixel right
    EXPECT_EQ(pixel(51, 220), spritePixel(0, false, 0, false));
    EXPECT_EQ(pixel(50 + 21, 220), spritePixel(20, false, 0, false));
    EXPECT_EQ(pixel(50 + 22, 220), spritePixel(22, false, 0, false)); // piece 2 in place
    EXPECT_EQ(pixel(50 + 87, 220), spritePixel(87, false, 0, false));
}

TEST_F(TallTank, NoFlickOutsideTheFlickSecondsAndFastFishFlickEverySecond)
{
    const int still = addFish(0, 30, 10 + 180);
    const int fast = addFish(0, 200, 10 + 180, 3); // period 4 - 3 = 1
    clock.set(QDateTime(QDate(2026, 12, 8), QTime(12, 34, 57, 250)));
    frame();
    EXPECT_EQ(pixel(30, 200), spritePixel(0, false, 0, false)); // plain draw
    // Fast fish at 203, facing right, u = 0.5: k = 0.125, split 11, piece 1 at 204.
    EXPECT_EQ(state.values[fast].left, 203);
    EXPECT_EQ(pixel(203, 200), 0u);
    EXPECT_EQ(pixel(204, 200), spritePixel(0, false, 0, false));
    EXPECT_EQ(pixel(214, 200), spritePixel(11, false, 0, false));
    (void)still;
}

// A clock that has moved on a second each time it is read, as when a frame
// straddles the turn of a second.
class AdvancingClock final : public Clock
{
public:
    explicit AdvancingClock(QDateTime start) : m_start(std::move(start)) {}
    QDateTime now() const override { return m_start.addSecs(m_reads++); }

private:
    QDateTime m_start;
    mutable int m_reads = 0;
};

TEST_F(TallTank, ClockTextAndTailBeatShowTheSameInstant)
{
    addFish(0, 50, 20 + 180);
    state.settings.timevisible = QStringLiteral("1");
    AdvancingClock advancing(QDateTime(QDate(2026, 12, 8), QTime(12, 34, 56)));
    FrameContext context{state, model, surface, sprites, random, advancing};
    runFrame(context);
    EXPECT_EQ(model.clock.text.view(), u"2026/12/08  12:34:56");
    // Second 56 is a flick second: piece 1 starts one pixel right.
    EXPECT_EQ(pixel(50, 220), 0u);
    EXPECT_EQ(pixel(51, 220), spritePixel(0, false, 0, false));
}

TEST_F(Frames, UnknownSpeciesIsKeptButNeitherMovedNorDrawn)
{
    const int odd = addFishCode(u'9', 30, 30, 4, 4, 400, QStringLiteral("Mystery"));
    state.settings.namevisible = QStringLiteral("1");
    const FishRecord before = state.fish.at(odd);
    frame();
    EXPECT_EQ(state.values[odd].left, 30);
    EXPECT_EQ(state.values[odd].top, 30);
    EXPECT_EQ(state.fish.at(odd), before);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x)
            ASSERT_EQ(pixel(x, y), 0u);
}

TEST_F(Frames, NamesAreLabelledExceptThoseMarkedWithAStar)
{
    state.settings.namevisible = QStringLiteral("1");
    addFish(2, 10, 30, 0, 0, 400, QStringLiteral("Taro"));
    addFish(2, 110, 30, 0, 0, 400, QStringLiteral("*Hanako"));
    frame();
    auto litBelow = [&](int left) {
        int lit = 0;
        for (int y = 47; y < 80; ++y)
            for (int x = left; x < left + 60; ++x)
                lit += pixel(x, y) != 0;
        return lit;
    };
    EXPECT_GT(litBelow(10), 0);
    EXPECT_EQ(litBelow(110), 0);
}

TEST_F(Frames, RestoresOverAPictureLeaveNoTrail)
{
    QImage picture(200, 150, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    model.backgroundCopy = picture;
    surface.bitBlt(0, 0, 200, 150, picture, 0, 0, RasterOp::SrcCopy);
    state.settings.screenvisible = QStringLiteral("1");
    state.settings.timevisible = QStringLiteral("1");
    addFish(2, 50, 50, 5);
    frame();
    frame();
    const std::uint32_t back = Surface::fromPixel(picture.pixel(0, 0));
    EXPECT_EQ(pixel(50, 50), back);
    EXPECT_EQ(pixel(59, 50), back);
    // Fast enough to flick in every second: the tail piece sits one pixel in.
    EXPECT_EQ(pixel(60, 50), back);
    EXPECT_EQ(pixel(61, 50), spritePixel(0, false, 2, false));
    // The clock is restored before it is printed again, so the picture
    // shows around it but never a ghost of an earlier text.
    EXPECT_EQ(pixel(199, 0), back);
}

TEST_F(Frames, MovingNameLabelsLeaveNoTrailOverAPicture)
{
    QImage picture(200, 150, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    model.backgroundCopy = picture;
    surface.bitBlt(0, 0, 200, 150, picture, 0, 0, RasterOp::SrcCopy);
    state.settings.screenvisible = QStringLiteral("1");
    state.settings.namevisible = QStringLiteral("1");
    const int fish = addFish(2, 100, 40, 0, 0, 400, QStringLiteral("Wakana"));
    frame();
    for (int i = 0; i < 8; ++i) {
        state.values[fish].movex = -4;
        frame();
    }
    // Everything right of where the fish and its label are now is picture:
    // no glyph that leans out of the measured label stays behind.
    const std::uint32_t back = Surface::fromPixel(picture.pixel(0, 0));
    const int right = state.values[fish].left + std::max(42, nearestInt(model.labels[fish].width));
    for (int y = 30; y < 100; ++y)
        for (int x = right + 1; x < 200; ++x)
            ASSERT_EQ(pixel(x, y), back) << "at " << x << "," << y;
}

TEST_F(Frames, PlainBackgroundWipesAndRepaintsOnlyWhatWasDrawn)
{
    const int fish = addFish(2, 20, 40, 4);
    frame();
    surface.clearDirty();
    frame();
    // Only around the fish (old and new place) and the clock, not the tank.
    int changed = 0;
    for (int i = 0; i < surface.dirty().count(); ++i)
        changed += surface.dirty().at(i).width() * surface.dirty().at(i).height();
    EXPECT_LT(changed, 200 * 150 / 8);
    for (int x = 20; x < 28; ++x)
        EXPECT_EQ(pixel(x, 45), 0u) << x; // the old place is wiped
    EXPECT_EQ(state.values[fish].left, 28);

    // A new background colour fills the whole tank on the next wipe.
    surface.setBackColor(0x0000ff);
    frame();
    EXPECT_EQ(pixel(0, 0), 0x0000ffu);
    EXPECT_EQ(pixel(199, 149 - 30), 0x0000ffu);
}

TEST_F(Frames, ClearRuleRemovesThePictureAfterItsTime)
{
    QImage picture(200, 150, QImage::Format_RGB32);
    picture.fill(qRgb(200, 10, 10));
    model.backgroundCopy = picture;
    surface.bitBlt(0, 0, 200, 150, picture, 0, 0, RasterOp::SrcCopy);
    state.settings.screenvisible = QStringLiteral("1");
    state.settings.screenclear = QStringLiteral("1");
    state.settings.screencleartime = QStringLiteral("30");
    model.pictureStartTime = clock.now().addSecs(-30 * 60);
    frame();
    EXPECT_FALSE(model.pictureCleared);
    EXPECT_EQ(pixel(5, 5), Surface::fromPixel(picture.pixel(0, 0)));
    clock.advanceMs(1000);
    frame();
    EXPECT_TRUE(model.pictureCleared);
    EXPECT_EQ(pixel(5, 5), 0u);
    state.settings.screenclear = QStringLiteral("0");
    frame();
    EXPECT_TRUE(model.pictureCleared);
}

TEST_F(Frames, ClockPositions)
{
    state.settings.timevisible = QStringLiteral("1");
    frame();
    const double width = model.clock.width;
    ASSERT_GT(width, 0);

    state.settings.timeposition = QStringLiteral("02");
    frame();
    EXPECT_DOUBLE_EQ(model.clockX, 200 - width);
    state.settings.timeposition = QStringLiteral("01");
    frame();
    EXPECT_DOUBLE_EQ(model.clockX, (200 - width) / 2);
    state.settings.timeposition = QStringLiteral("1"); // not a position: unchanged
    frame();
    EXPECT_DOUBLE_EQ(model.clockX, (200 - width) / 2);
    state.settings.timeposition = QStringLiteral("03");
    frame();
    EXPECT_DOUBLE_EQ(model.clockX, 0);
}

class NarrowTank : public AquariumFixture
{
protected:
    NarrowTank() : AquariumFixture(QSize(60, 100)) {}
};

TEST_F(NarrowTank, CentredClockWiderThanTheTankStartsLeftOfIt)
{
    state.settings.timevisible = QStringLiteral("1");
    state.settings.timeposition = QStringLiteral("01");
    frame();
    EXPECT_LT(model.clockX, 0);
    EXPECT_DOUBLE_EQ(model.clockX, (60 - model.clock.width) / 2);
}

TEST_F(Frames, MovingClockTurnsAtBothEdges)
{
    state.settings.timeposition = QStringLiteral("00");
    model.clockDirection = 2;
    frame();
    EXPECT_EQ(model.clockX, 0);
    EXPECT_EQ(model.clockDirection, 0);
    frame();
    EXPECT_EQ(model.clockX, 1);

    const double width = model.clock.width;
    model.clockX = 200 - width - 1.5;
    frame();
    EXPECT_EQ(model.clockDirection, 0);
    frame();
    EXPECT_DOUBLE_EQ(model.clockX, 200 - width + 0.5);
    EXPECT_EQ(model.clockDirection, 1);
    frame();
    EXPECT_DOUBLE_EQ(model.clockX, 200 - width - 0.5);

    model.clockX = 1;
    frame();
    EXPECT_EQ(model.clockX, 0);
    EXPECT_EQ(model.clockDirection, 0);
    frame();
    EXPECT_EQ(model.clockX, 1);
}

TEST_F(Frames, HiddenClockPrintsFiveBlanksAtTheBottom)
{
    state.settings.timevisible = QStringLiteral("0");
    frame();
    EXPECT_EQ(model.clock.text.view(), u"     ");
    EXPECT_GT(model.clock.height, 0);
    state.settings.timevisible = QStringLiteral("1");
    frame();
    EXPECT_EQ(model.clock.text.view(), u"2026/12/08  12:34:55");
}

TEST_F(Frames, EveryFrameLowersTheInformationFlag)
{
    model.informationShown = true;
    frame();
    EXPECT_FALSE(model.informationShown);
}

TEST_F(Frames, PausedTickDoesNothing)
{
    const int fish = addFish(2, 50, 50, 3);
    FrameContext context{state, model, surface, sprites, random, clock};
    runAnimationTick(context, 0);
    EXPECT_EQ(state.values[fish].left, 50);
    EXPECT_EQ(random.taken(), 0);

    random.pushDraw(1, 4); // no behaviour step this tick
    runAnimationTick(context, 50);
    EXPECT_EQ(state.values[fish].left, 53);
    EXPECT_EQ(random.remaining(), 0u);
}

} // namespace
} // namespace fw::test

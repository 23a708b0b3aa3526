#include "AquariumFixture.h"

#include "aquarium/Bubbles.h"
#include "platform/Conversions.h"
#include "support/RecordingSound.h"

namespace fw::test {
namespace {

class BubbleStepTest : public AquariumFixture
{
protected:
    BubbleStepTest() : AquariumFixture(QSize(800, 700))
    {
        SettingsRecord &s = state.settings;
        s.bubble_view = 1;
        s.bubble_dist = 1;
        s.bubble_initx = 400;
        s.bubble_inity = 600;
        s.bubble_init_rand = 0;
        s.bubble_init_time = 0;
        s.bubble_limity = 50;
        s.bubble_count_max = 1;
    }

    void step(BubbleFrame frame = {})
    {
        runBubbleStep(model.bubbles, state.settings, surface, model.backgroundCopy, random, frame);
    }

    BubbleSlot &slot(int j) { return model.bubbles.entries[j]; }

    void place(int j, int kind, int x, int y)
    {
        slot(j) = {static_cast<std::int16_t>(kind), static_cast<std::int16_t>(x),
                   static_cast<std::int16_t>(y)};
    }
};

TEST_F(BubbleStepTest, RisesWobblesAndVanishesAtTheLimitHeight)
{
    // Limit 50 % of 600: vanish at y <= 300; q = trunc(300 / 3) = 100.
    place(1, 4, 100, 305);
    random.pushDraw(1, 10); // no sinking back
    random.pushDraw(0, 2);  // wobble right
    random.push(0.5);       // trunc(0.5 * 100) = 50: nothing to create
    step();
    EXPECT_EQ(slot(1).kind, 4);
    EXPECT_EQ(slot(1).y, 302);
    EXPECT_EQ(slot(1).x, 101);

    random.pushDraw(0, 10); // sinks back one: 302 - 3 + 1 = 300, still vanishes
    random.push(0.5);
    step();
    EXPECT_EQ(slot(1).kind, 0);
    EXPECT_EQ(random.remaining(), 0u);
}

TEST_F(BubbleStepTest, LimitZeroLetsBubblesRiseToTheTop)
{
    state.settings.bubble_limity = 0;
    place(1, 4, 100, 3);
    random.pushDraw(1, 10);
    random.push(0.5); // q = 200
    step();
    EXPECT_EQ(slot(1).kind, 0); // y became 0
}

TEST_F(BubbleStepTest, CreatesAtTheSourceWithChanceOneInQ)
{
    random.push(0.009);    // trunc(0.009 * 100) = 0: one to create
    random.pushDraw(3, 4); // kind 4, size 7
    step();
    EXPECT_EQ(slot(1).kind, 4);
    EXPECT_EQ(slot(1).x, 396); // nearest(400 - 3.5), half to even
    EXPECT_EQ(slot(1).y, 596);

    // The slot is taken: the count draw is still taken, nothing is created.
    random.pushDraw(1, 10);
    random.pushDraw(1, 2);
    random.push(0.0);
    step();
    EXPECT_EQ(slot(1).y, 593);
    EXPECT_EQ(slot(1).x, 395);
    EXPECT_EQ(random.remaining(), 0u);
}

TEST_F(BubbleStepTest, QOfZeroOrOneFillsEveryFreeSlot)
{
    state.settings.bubble_count_max = 3;
    for (int limit : {100, 99}) { // q = 0, then trunc(6 / 3) ... see below
        model.bubbles.clear();
        state.settings.bubble_limity = static_cast<std::int16_t>(limit);
        state.settings.bubble_inity = limit == 100 ? 600 : 300; // 300 - 297 = 3: q = 1
        random.push({0.99, 0.99, 0.99});
        random.push({0.1, 0.4, 0.9}); // kinds 1, 2, 4
        step();
        EXPECT_EQ(model.bubbles.liveCount(), 3) << "limit " << limit;
        EXPECT_EQ(slot(1).kind, 1);
        EXPECT_EQ(slot(2).kind, 2);
        EXPECT_EQ(slot(3).kind, 4);
        EXPECT_EQ(random.remaining(), 0u);
    }
}

TEST_F(BubbleStepTest, RandomStartAcrossTheSurfaceAtTheSourceHeight)
{
    state.settings.bubble_init_rand = 1;
    random.push(0.0);       // create one
    random.pushDraw(0, 4);  // kind 1, size 10
    random.push(0.9999999); // x = trunc(790 * u) = 789
    step();
    EXPECT_EQ(slot(1).x, 789);
    EXPECT_EQ(slot(1).y, 595);
}

TEST_F(BubbleStepTest, CountAboveTheTableUsesAtMostItsSlots)
{
    state.settings.bubble_count_max = 32000;
    for (int i = 0; i < Bubbles::Capacity; ++i)
        random.push(0.5); // q = 100: nothing to create
    step();
    EXPECT_EQ(random.taken(), Bubbles::Capacity);
    EXPECT_EQ(bubbleSlotsInUse(state.settings), 400);
}

TEST_F(BubbleStepTest, OffDoesNothingAndKeepsTheTable)
{
    state.settings.bubble_view = 0;
    place(1, 1, 100, 200);
    step();
    EXPECT_EQ(slot(1).y, 200);
    EXPECT_EQ(random.taken(), 0);
}

TEST_F(BubbleStepTest, SourceFollowsTheClockUnlessPlacing)
{
    state.settings.bubble_init_time = 1;
    random.push(0.5);
    step({100.0, 151.0, 682.0, false, false});
    EXPECT_EQ(state.settings.bubble_initx, 175); // trunc(75.5) + 100
    EXPECT_EQ(state.settings.bubble_inity, 682);

    random.push(0.5);
    step({300.0, 151.0, 682.0, false, true});
    EXPECT_EQ(state.settings.bubble_initx, 175);
}

TEST_F(BubbleStepTest, RestoresOverAPictureBeforeMoving)
{
    QImage picture(800, 700, QImage::Format_RGB32);
    picture.fill(qRgb(1, 2, 3));
    model.backgroundCopy = picture;
    surface.fill(0, 0, 800, 700);
    place(1, 1, 100, 200);
    surface.bitBlt(100, 200, 10, 10, picture, 0, 0, RasterOp::SrcCopy);
    surface.fill(100, 200, 10, 10);
    random.pushDraw(1, 10);
    random.pushDraw(1, 2);
    random.push(0.5);
    step({0, 0, 0, true, false});
    EXPECT_EQ(pixel(100, 200), Surface::fromPixel(picture.pixel(0, 0)));
    EXPECT_EQ(pixel(109, 209), Surface::fromPixel(picture.pixel(0, 0)));
    EXPECT_EQ(pixel(110, 210), 0u);
}

TEST_F(BubbleStepTest, EachBubbleBornIsHeardWhereItStarts)
{
    RecordingSound sound;
    BubbleFrame frame;
    frame.sound = &sound;
    state.settings.bubble_count_max = 2;
    state.settings.bubble_initx = 200;
    random.push({0.0, 0.5}); // one to create
    random.pushDraw(3, 4);   // kind 4, size 7, at x 196
    step(frame);
    using Heard = std::vector<std::pair<int, double>>;
    EXPECT_EQ(sound.bubbles, (Heard{{7, panAt(199.5, 800)}}));

    // Started anywhere: heard from where each starts; the taken slot is silent.
    state.settings.bubble_init_rand = 1;
    random.pushDraw(1, 10);
    random.pushDraw(1, 2);
    random.push({0.0, 0.0}); // two to create, one free slot
    random.pushDraw(0, 4);   // kind 1, size 10
    random.push(0.9999999);  // x 789
    step(frame);
    EXPECT_EQ(sound.bubbles.back(), (std::pair{10, panAt(794, 800)}));
    EXPECT_EQ(sound.bubbles.size(), 2u);

    // The clock as the source.
    model.bubbles.clear();
    state.settings.bubble_init_rand = 0;
    state.settings.bubble_init_time = 1;
    random.push({0.0, 0.5});
    random.pushDraw(0, 4);
    frame.clockX = 100;
    frame.clockWidth = 151;
    frame.clockTop = 682;
    step(frame);
    EXPECT_EQ(sound.bubbles.back(), (std::pair{10, panAt(175, 800)}));

    state.settings.bubble_view = 0;
    step(frame);
    EXPECT_EQ(sound.bubbles.size(), 3u);
}

TEST_F(BubbleStepTest, StripFrameFollowsTheHeight)
{
    place(1, 1, 100, 12); // frame 2: value 0x30
    place(2, 4, 200, 10); // frame 0 scaled to 7 x 7: value 0x10
    place(3, 1, 300, -3); // frame -3 lies left of the strip: nothing
    state.settings.bubble_count_max = 3;
    drawBubbles(model.bubbles, state.settings, surface, sprites.bubbleStrip());
    EXPECT_EQ(pixel(100, 12), 0x303030u);
    EXPECT_EQ(pixel(109, 21), 0x303030u);
    EXPECT_EQ(pixel(110, 12), 0u);
    EXPECT_EQ(pixel(206, 16), 0x101010u);
    EXPECT_EQ(pixel(207, 16), 0u);
    for (int y = 0; y < 7; ++y)
        for (int x = 295; x < 315; ++x)
            ASSERT_EQ(pixel(x, y), 0u);
}

TEST_F(BubbleStepTest, DrawnBehindInFrontOrNotAtAll)
{
    // A bubble over a fish: behind it the fish covers the bubble, in front the
    // bubble's bright pixels are ORed over the fish.
    state.settings.bubble_count_max = 1;
    state.settings.bubble_limity = 0;
    addFish(2, 100, 300);
    auto run = [&](int dist) {
        state.settings.bubble_dist = static_cast<std::int16_t>(dist);
        place(1, 1, 105, 306);
        random.pushDraw(1, 10);
        random.pushDraw(0, 2); // x 106, y 300: frame 0
        random.push(0.5);      // q = 200: nothing to create
        frame();
        return pixel(106, 300);
    };
    const std::uint32_t fish = spritePixel(6, false, 2, false);
    EXPECT_EQ(run(1), fish);
    EXPECT_EQ(run(0), fish | 0x101010u);
    EXPECT_EQ(run(7), fish);
}

TEST_F(BubbleStepTest, StreamFollowsTheMovingClockOneFrameBehind)
{
    state.settings.bubble_init_time = 1;
    state.settings.bubble_count_max = 1;
    state.settings.timevisible = QStringLiteral("1");
    state.settings.timeposition = QStringLiteral("00");
    model.clockDirection = 0;
    model.clockX = 40;
    random.push(0.5);
    frame();
    const double width = model.clock.width;
    EXPECT_EQ(model.clockX, 41);
    EXPECT_EQ(state.settings.bubble_initx, nearestInt(truncate(width / 2) + 40));
    EXPECT_EQ(state.settings.bubble_inity, nearestInt(700 - model.clock.height));
    random.push(0.5);
    frame();
    EXPECT_EQ(state.settings.bubble_initx, nearestInt(truncate(width / 2) + 41));
}

} // namespace
} // namespace fw::test

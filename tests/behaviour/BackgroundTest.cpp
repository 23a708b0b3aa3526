#include "PictureFiles.h"
#include "TankBuilder.h"

#include "aquarium/AquariumModel.h"
#include "aquarium/BackgroundLayout.h"
#include "aquarium/BackgroundPreparation.h"
#include "aquarium/PictureLoading.h"
#include "platform/Surface.h"
#include "support/FixedClock.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fw::test {
namespace {

const QSize Screen(1024, 768);

TEST(BackgroundLayout, PlacesThePictureAsTheScreenAllows)
{
    const BackgroundLayout centred = layoutBackground({640, 480}, Screen);
    EXPECT_EQ(centred.mode, BackgroundMode::Centred);
    EXPECT_EQ(centred.surface, QRect(192, 144, 640, 480));

    const BackgroundLayout odd = layoutBackground({641, 481}, Screen);
    EXPECT_EQ(odd.surface.topLeft(), QPoint(191, 143)); // halves truncated

    const BackgroundLayout exact = layoutBackground(Screen, Screen);
    EXPECT_EQ(exact.mode, BackgroundMode::Centred);
    EXPECT_EQ(exact.surface, QRect(QPoint(0, 0), Screen));

    for (QSize larger : {QSize(1280, 1024), QSize(1025, 480), QSize(640, 769)}) {
        const BackgroundLayout cut = layoutBackground(larger, Screen);
        EXPECT_EQ(cut.mode, BackgroundMode::Cut);
        EXPECT_EQ(cut.surface, QRect(QPoint(0, 0), Screen));
    }
    for (QSize small : {QSize(639, 480), QSize(640, 479), QSize(1, 1)}) {
        const BackgroundLayout refused = layoutBackground(small, Screen);
        EXPECT_EQ(refused.mode, BackgroundMode::TooSmall);
        EXPECT_EQ(refused.surface, QRect(QPoint(0, 0), Screen));
    }
    EXPECT_EQ(layoutBackground(QSize(), Screen).mode, BackgroundMode::Plain);
}

TEST(BackgroundLayout, RescalesFishInProportion)
{
    TankBuilder tank;
    tank.add(u'0', swimmer(512, 384, 0, 0));
    tank.add(u'0', swimmer(1, 3, 0, 0));
    tank.add(u'0', swimmer(-20, 700, 0, 0));
    rescaleFishPositions(tank.state, {1024, 768}, {800, 600});
    EXPECT_EQ(tank[1].left, 400);
    EXPECT_EQ(tank[1].top, 300);
    EXPECT_EQ(tank[2].left, 1); // 0.78 -> 1
    EXPECT_EQ(tank[2].top, 2);  // 2.34 -> 2
    EXPECT_EQ(tank[3].left, -16);

    rescaleFishPositions(tank.state, {640, 480}, {1280, 960});
    EXPECT_EQ(tank[1].left, 800);
    EXPECT_EQ(tank[1].top, 600);

    rescaleFishPositions(tank.state, {0, 0}, {1280, 960}); // no proportion to keep
    EXPECT_EQ(tank[1].left, 800);

    tank[2].left = 30000;
    rescaleFishPositions(tank.state, {100, 100}, {200, 200}); // would leave 16 bits
    EXPECT_EQ(tank[2].left, 30000);
    EXPECT_EQ(tank[1].left, 1600);
}

// A window's worth of preparation: the tank, its model, its surface and a
// record of the hooks the window would run.
class Preparation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        tank.state.settings.fishmovespeed = QStringLiteral("50");
        surface.setBackColor(0x102030);
        surface.resize(Screen);
    }

    QString file(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    void usePicture(const QString &path)
    {
        tank.state.settings.screenvisible = QStringLiteral("1");
        tank.state.settings.screenbitmap = path;
    }

    QRect prepare()
    {
        BackgroundHooks hooks;
        hooks.showCover = [this] { events.push_back("cover"); };
        hooks.hideCover = [this] { events.push_back("uncover"); };
        hooks.placeSurface = [this](QRect r) {
            events.push_back("place");
            placed = r;
        };
        hooks.showSurfaceNow = [this] {
            events.push_back("show");
            shownBeforeMessage = surface.image().copy();
        };
        hooks.reportPictureTooSmall = [this] { events.push_back("message"); };
        hooks.setAnimationInterval = [this](int ms) { interval = ms; };
        return prepareBackground(tank.state, model, surface, clock, Screen, hooks);
    }

    bool surfaceIsPlain() const
    {
        const QRgb back = Surface::toPixel(surface.backColor());
        const QImage &image = surface.image();
        for (int y = 0; y < image.height(); y += 7) {
            for (int x = 0; x < image.width(); x += 7) {
                if ((image.pixel(x, y) & 0xffffff) != (back & 0xffffff))
                    return false;
            }
        }
        return true;
    }

    // The surface shows the quadrant picture from its top-left corner.
    void expectQuadrantsAt(const QImage &image, int width, int height)
    {
        const int probes[4][2] = {{5, 5}, {width - 5, 5}, {5, height - 5}, {width - 5, height - 5}};
        for (int q = 0; q < 4; ++q) {
            const QRgb pixel = image.pixel(probes[q][0], probes[q][1]);
            const QRgb want = quadrantColour(q);
            EXPECT_NEAR(qRed(pixel), qRed(want), 8) << "quadrant " << q;
            EXPECT_NEAR(qGreen(pixel), qGreen(want), 8) << "quadrant " << q;
            EXPECT_NEAR(qBlue(pixel), qBlue(want), 8) << "quadrant " << q;
        }
    }

    QTemporaryDir dir;
    TankBuilder tank;
    AquariumModel model;
    Surface surface;
    FixedClock clock;
    std::vector<std::string> events;
    QRect placed;
    QImage shownBeforeMessage;
    int interval = -1;
};

TEST_F(Preparation, PlainBackgroundCoversTheScreenAndRestartsTheScene)
{
    model.pictureCleared = true;
    model.clockDirection = 0;
    tank.state.settings.screenvisible = QStringLiteral("0");
    const QRect r = prepare();
    EXPECT_EQ(r, QRect(QPoint(0, 0), Screen));
    EXPECT_EQ(placed, r);
    EXPECT_EQ(surface.size(), Screen);
    EXPECT_TRUE(surfaceIsPlain());
    EXPECT_TRUE(model.backgroundCopy.isNull()); // nothing to restore from but the colour
    EXPECT_FALSE(model.pictureCleared);
    EXPECT_EQ(model.clockDirection, 2);
    EXPECT_EQ(model.pictureStartTime, clock.now());
    EXPECT_FALSE(model.firstFocusPending);
    EXPECT_EQ(interval, 50);
    EXPECT_EQ(events, (std::vector<std::string>{"cover", "place", "uncover"}));
}

TEST_F(Preparation, BitmapThatFitsIsCentredAtItsOwnSize)
{
    const QString path = file("tank.bmp");
    ASSERT_TRUE(writeBmp(path, quadrantPicture(640, 480)));
    usePicture(path);
    EXPECT_EQ(prepare(), QRect(192, 144, 640, 480));
    EXPECT_EQ(surface.size(), QSize(640, 480));
    expectQuadrantsAt(surface.image(), 640, 480);
    EXPECT_EQ(model.backgroundCopy, surface.image());
    EXPECT_EQ(tank.state.settings.screenvisible, u"1");
    EXPECT_EQ(tank.state.settings.screenbitmap, path);
}

TEST_F(Preparation, LargerJpegIsCutAtTheScreensEdges)
{
    const QString path = file("big.jpg");
    ASSERT_TRUE(writeJpeg(path, quadrantPicture(1280, 1024)));
    usePicture(path);
    EXPECT_EQ(prepare(), QRect(QPoint(0, 0), Screen));
    EXPECT_EQ(surface.size(), Screen);
    // The top-left 1024 x 768 of the picture: its top-left quadrant ends at 640 x 512.
    const QRgb inside = surface.image().pixel(630, 500);
    const QRgb right = surface.image().pixel(650, 500);
    const QRgb below = surface.image().pixel(630, 520);
    EXPECT_GT(qRed(inside), 180);
    EXPECT_GT(qGreen(right), 180);
    EXPECT_LT(qRed(right), 30);
    EXPECT_GT(qBlue(below), 180);
}

TEST_F(Preparation, GifIsRead)
{
    const QString path = file("tank.gif");
    ASSERT_TRUE(writeGif(path, 800, 600));
    usePicture(path);
    EXPECT_EQ(prepare(), QRect(112, 84, 800, 600));
    expectQuadrantsAt(surface.image(), 800, 600);
}

TEST_F(Preparation, SmallPictureIsTiledRefusedAndSwitchedOff)
{
    const QString path = file("small.bmp");
    ASSERT_TRUE(writeBmp(path, quadrantPicture(639, 480)));
    usePicture(path);
    EXPECT_EQ(prepare(), QRect(QPoint(0, 0), Screen));
    EXPECT_EQ(events, (std::vector<std::string>{"cover", "place", "show", "message", "uncover"}));
    // The tiles were on the surface while the message was up: the second
    // column starts again with the picture's left edge.
    ASSERT_EQ(shownBeforeMessage.size(), Screen);
    EXPECT_EQ(shownBeforeMessage.pixel(639, 0) & 0xffffff, quadrantColour(0) & 0xffffff);
    EXPECT_EQ(shownBeforeMessage.pixel(644, 485) & 0xffffff, quadrantColour(0) & 0xffffff);
    EXPECT_EQ(shownBeforeMessage.pixel(1023, 767) & 0xffffff, quadrantColour(3) & 0xffffff);
    // Afterwards no picture: the plain surface, the setting off, the file kept.
    EXPECT_TRUE(surfaceIsPlain());
    EXPECT_EQ(tank.state.settings.screenvisible, u"0");
    EXPECT_EQ(tank.state.settings.screenbitmap, path);
    EXPECT_EQ(interval, 50);
}

TEST_F(Preparation, ShortPictureIsRefusedToo)
{
    const QString path = file("short.jpg");
    ASSERT_TRUE(writeJpeg(path, quadrantPicture(640, 479)));
    usePicture(path);
    prepare();
    EXPECT_EQ(std::count(events.begin(), events.end(), "message"), 1);
    EXPECT_EQ(tank.state.settings.screenvisible, u"0");
}

TEST_F(Preparation, UnusableFilesSwitchThePictureOffSilently)
{
    ASSERT_TRUE(writeText(file("empty.bmp"), {}));
    ASSERT_TRUE(writeText(file("text.bmp"), "this is not a picture\n"));
    ASSERT_TRUE(writeJpeg(file("cut.jpg"), quadrantPicture(640, 480)));
    {
        QFile cut(file("cut.jpg"));
        ASSERT_TRUE(cut.resize(100)); // ends inside the header
    }
    ASSERT_TRUE(writeJpegClaimingSize(file("bomb.jpg"), 30000));
    for (const QString &path : {file("missing.bmp"), file("empty.bmp"), file("text.bmp"),
                                file("cut.jpg"), file("bomb.jpg"), QString()}) {
        SCOPED_TRACE(path.toStdString());
        events.clear();
        usePicture(path);
        EXPECT_EQ(prepare(), QRect(QPoint(0, 0), Screen));
        EXPECT_TRUE(surfaceIsPlain());
        EXPECT_EQ(tank.state.settings.screenvisible, u"0");
        EXPECT_TRUE(tank.state.settings.screenbitmap.isEmpty());
        EXPECT_EQ(std::count(events.begin(), events.end(), "message"), 0);
    }
}

TEST_F(Preparation, HugeDeclaredSizeIsRefusedBeforeDecoding)
{
    ASSERT_TRUE(writeJpegClaimingSize(file("bomb.jpg"), 30000));
    EXPECT_TRUE(loadPicture(file("bomb.jpg"), Screen).isNull());
    ASSERT_TRUE(writeJpegClaimingSize(file("wide.jpg"), MaxPictureSide + 1));
    EXPECT_TRUE(loadPicture(file("wide.jpg"), Screen).isNull());
}

TEST_F(Preparation, LargePictureKeepsOnlyWhatTheScreenShows)
{
    ASSERT_TRUE(writeJpeg(file("big.jpg"), quadrantPicture(1280, 1024)));
    ASSERT_TRUE(writeBmp(file("big.bmp"), quadrantPicture(2000, 500)));
    const LoadedPicture jpeg = loadPicture(file("big.jpg"), Screen);
    EXPECT_EQ(jpeg.size, QSize(1280, 1024));
    EXPECT_EQ(jpeg.image.size(), Screen);
    const LoadedPicture bmp = loadPicture(file("big.bmp"), Screen);
    EXPECT_EQ(bmp.size, QSize(2000, 500));
    EXPECT_EQ(bmp.image.size(), QSize(1024, 500));
    EXPECT_EQ(bmp.image.pixel(1000, 10) & 0xffffff, quadrantColour(1) & 0xffffff);
}

TEST_F(Preparation, FishKeepTheirPlaceWhenTheSurfaceChangesAfterTheFirstFocus)
{
    tank.add(u'0', swimmer(512, 384, 0, 0));
    tank.state.settings.screenvisible = QStringLiteral("0");
    prepare(); // first focus: positions as loaded
    EXPECT_EQ(tank[1].left, 512);

    const QString path = file("mid.bmp");
    ASSERT_TRUE(writeBmp(path, quadrantPicture(800, 600)));
    usePicture(path);
    prepare();
    EXPECT_EQ(tank[1].left, 400);
    EXPECT_EQ(tank[1].top, 300);

    tank.state.settings.screenvisible = QStringLiteral("0"); // back to the whole screen
    prepare();
    EXPECT_EQ(tank[1].left, 512);
    EXPECT_EQ(tank[1].top, 384);

    prepare(); // same width: nothing moves
    EXPECT_EQ(tank[1].left, 512);
}

TEST_F(Preparation, FirstFocusKeepsLoadedPositionsEvenWhenTheSurfaceShrinks)
{
    tank.add(u'0', swimmer(900, 700, 0, 0));
    const QString path = file("mid.bmp");
    ASSERT_TRUE(writeBmp(path, quadrantPicture(800, 600)));
    usePicture(path);
    prepare();
    EXPECT_EQ(tank[1].left, 900);
    EXPECT_EQ(tank[1].top, 700);
}

TEST_F(Preparation, AnimationIntervalComesFromTheSetting)
{
    const std::pair<const char *, int> cases[] = {
        {"50", 50}, {"49.5", 50}, {"50.5", 50}, {"120ms", 120}, {"abc", 0}, {"", 0}, {"-5", 0}};
    for (const auto &[text, want] : cases) {
        tank.state.settings.fishmovespeed = QString::fromLatin1(text);
        prepare();
        EXPECT_EQ(interval, want) << text;
    }
}

} // namespace
} // namespace fw::test

#include "PictureFiles.h"
#include "TankBuilder.h"

#include "aquarium/AquariumModel.h"
#include "aquarium/BackgroundPreparation.h"
#include "aquarium/FrameRoutine.h"
#include "aquarium/SpriteCatalogue.h"
#include "platform/Random.h"
#include "platform/Surface.h"
#include "support/FixedClock.h"
#include "support/QuietTank.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace fw::test {
namespace {

// White fish through all-black masks: a drawn fish is a white rectangle.
QImage whiteFish(const QString &name)
{
    for (int species = 0; species < SpeciesCount; ++species) {
        for (bool young : {false, true}) {
            for (bool left : {false, true}) {
                const QSize size = SpriteCatalogue::spriteSize(species, young);
                const bool image = name == SpriteCatalogue::imageName(species, young, left);
                if (image || name == SpriteCatalogue::maskName(species, young, left)) {
                    QImage picture(size, QImage::Format_RGB32);
                    picture.fill(image ? Qt::white : Qt::black);
                    return picture;
                }
            }
        }
    }
    QImage strip(50, 10, QImage::Format_RGB32);
    strip.fill(Qt::black);
    return strip;
}

// The frames over a prepared picture: what they restore and when the clear
// rule takes the picture away.
class PictureFrames : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SettingsRecord &s = tank.state.settings;
        makeQuiet(s);
        s.screencleartime = QStringLiteral("30");
        s.fishmovespeed = QStringLiteral("50");
        surface.setBackColor(0x000000);
        surface.resize({1024, 768});

        const QString path = dir.filePath(QStringLiteral("tank.bmp"));
        ASSERT_TRUE(writeBmp(path, quadrantPicture(640, 480)));
        s.screenvisible = QStringLiteral("1");
        s.screenbitmap = path;
        // A corydoras inside its band near the bottom, swimming right.
        tank.add(u'4', swimmer(100, 415, 5, 0, 0, 0, 1));
        tank.state.fish.at(1) = FishRecord(QStringLiteral("4ｺﾘｰ       00001"));
    }

    void prepare() { prepareBackground(tank.state, model, surface, clock, {1024, 768}, {}); }

    void frame()
    {
        FrameContext context{tank.state, model, surface, sprites, random, clock};
        runFrame(context);
    }

    QRgb at(int x, int y) const { return surface.image().pixel(x, y) & 0xffffff; }
    QRgb pictureAt(int x, int y) const { return model.backgroundCopy.pixel(x, y) & 0xffffff; }

    QTemporaryDir dir;
    TankBuilder tank;
    AquariumModel model;
    Surface surface;
    FixedClock clock;
    SeededRandom random{7};
    SpriteCatalogue sprites{&whiteFish};
};

TEST_F(PictureFrames, FramesRestoreThePictureWhereAFishWas)
{
    prepare();
    ASSERT_EQ(surface.size(), QSize(640, 480));
    frame();
    EXPECT_EQ(at(106, 420), 0xffffffu); // the fish, moved to 105
    frame();
    EXPECT_EQ(tank[1].left, 110);
    EXPECT_EQ(at(106, 420), pictureAt(106, 420));
    EXPECT_EQ(at(106, 420), quadrantColour(2) & 0xffffff);
    EXPECT_EQ(at(120, 420), 0xffffffu);
}

TEST_F(PictureFrames, ClearRuleRemovesThePictureAfterItsTime)
{
    tank.state.settings.screenclear = QStringLiteral("1");
    prepare();
    clock.advanceMs(30 * 60 * 1000);
    frame();
    EXPECT_FALSE(model.pictureCleared);
    EXPECT_EQ(at(5, 5), quadrantColour(0) & 0xffffff);

    clock.advanceMs(1000);
    frame();
    EXPECT_TRUE(model.pictureCleared);
    EXPECT_EQ(at(5, 5), 0u);

    // Switching the rule off does not bring it back; the next preparation does.
    tank.state.settings.screenclear = QStringLiteral("0");
    frame();
    EXPECT_EQ(at(5, 5), 0u);
    prepare();
    frame();
    EXPECT_FALSE(model.pictureCleared);
    EXPECT_EQ(at(5, 5), quadrantColour(0) & 0xffffff);
}

} // namespace
} // namespace fw::test

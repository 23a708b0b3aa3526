#include "LivingTank.h"

#include "aquarium/AquariumModel.h"
#include "aquarium/FrameRoutine.h"
#include "aquarium/SpriteCatalogue.h"
#include "aquarium/life/ColourGrade.h"
#include "aquarium/life/TankLife.h"
#include "platform/Random.h"
#include "platform/Surface.h"
#include "state/AppState.h"
#include "state/StateLoading.h"
#include "state/WaterCare.h"
#include "support/FixedClock.h"

#include <gtest/gtest.h>

#include <memory>

namespace fw::test {
namespace {

double luminance(QRgb p)
{
    return 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p);
}

TEST(LivingFrames, DaylightInClearWaterAt28DegreesIsExactlyTheTankWithoutLife)
{
    // From 12:09:50 across a ten-minute mark, at which a spawn could be
    // decided; with no food and no eggs nothing of it shows.
    const QDateTime start = at(12, 9).addSecs(50);
    for (const bool picture : {false, true}) {
        Tank plain(false, picture, start);
        Tank living(true, picture, start);
        for (int i = 0; i < 300; ++i) {
            plain.tick();
            EXPECT_FALSE(living.tick());
            ASSERT_EQ(plain.surface.image(), living.surface.image()) << i;
            ASSERT_EQ(plain.state.values, living.state.values) << i;
        }
    }
}

TEST(LivingFrames, NightIsDarkerAndBluerAndEveryFishStaysVisible)
{
    for (const bool picture : {false, true}) {
        Tank noon(true, picture, at(12, 0));
        Tank night(true, picture, at(23, 0));
        noon.tick();
        night.tick();
        // The water where no fish is: a third of the day's brightness, bluer.
        double dayLight = 0, nightLight = 0, dayBlue = 0, nightBlue = 0;
        const QImage &day = noon.surface.image();
        const QImage &dark = night.surface.image();
        for (int y = 0; y < TankSize.height(); y += 7) {
            const QRgb d = picture ? night.model.pictureCopy.pixel(5, y) : day.pixel(2, y);
            const QRgb n = picture ? night.model.backgroundCopy.pixel(5, y) : dark.pixel(2, y);
            dayLight += luminance(d);
            nightLight += luminance(n);
            dayBlue += double(qBlue(d)) / std::max(1, qRed(d));
            nightBlue += double(qBlue(n)) / std::max(1, qRed(n));
        }
        EXPECT_NEAR(nightLight / dayLight, 1 / 3.0, 0.06);
        EXPECT_GT(nightBlue, dayBlue * 1.5);

        // Every fish differs plainly from the water behind it.
        for (int i = 1; i <= night.state.fish.count; ++i) {
            const FishValues &v = night.state.values[i];
            int seen = 0, drawn = 0;
            for (int y = v.top; y < v.top + v.height; ++y) {
                for (int x = v.left; x < v.left + v.width; ++x) {
                    if (!QRect(QPoint(0, 0), TankSize).contains(x, y))
                        continue;
                    const QRgb behind = picture ? night.model.backgroundCopy.pixel(x, y)
                                                : Surface::toPixel(night.surface.backColor());
                    const QRgb shown = dark.pixel(x, y);
                    if (shown == behind)
                        continue;
                    ++drawn;
                    if (std::abs(luminance(shown) - luminance(behind)) > 12 ||
                        std::abs(qBlue(shown) - qBlue(behind)) > 24)
                        ++seen;
                }
            }
            EXPECT_GT(drawn, 20) << i;
            EXPECT_GT(seen, drawn / 3) << "fish " << i << " picture " << picture;
        }
    }
}

// How far a sprite's fish pixels lie from `from`'s, summed over channels.
double distance(const QImage &image, const QImage &from, const QImage &mask)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if ((mask.pixel(x, y) & 0xffffff) != 0)
                continue;
            const QRgb a = image.pixel(x, y), b = from.pixel(x, y);
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                   std::abs(qBlue(a) - qBlue(b));
        }
    return sum;
}

TEST(LivingFrames, TetrasLoseTheirColourAtNight)
{
    Tank tank(true, false, at(23, 0));
    tank.tick();
    const SpriteCatalogue &night = tank.life->sprites(tank.sprites);
    // In the same moonlight: a tetra by night lies near its own grey, the
    // angelfish keeps its colours.
    const ColourGrade moonlight = ColourGrade::fish(0, 0);
    for (const int species : {0, 1, 2}) {
        const SpriteSet &day = tank.sprites.set(species, false);
        const QImage coloured = moonlight.appliedToSprite(day.left, day.leftMask, 0);
        const QImage grey = moonlight.appliedToSprite(day.left, day.leftMask, 1);
        const double fading = distance(night.set(species, false).left, coloured, day.leftMask) /
                              distance(grey, coloured, day.leftMask);
        if (species == 0)
            EXPECT_EQ(fading, 0.0);
        else
            EXPECT_GT(fading, 0.7) << species;
    }
}

TEST(LivingFrames, TheDuskRepaintsTheWholeTankOncePerLevel)
{
    Tank tank(true, true, at(20, 59));
    // Each new level grades a new copy of the picture, and repaints with it.
    int repaints = 0;
    qint64 copy = tank.model.backgroundCopy.cacheKey();
    for (int second = 0; second < 33 * 60; ++second) {
        tank.tick(1000);
        if (tank.model.backgroundCopy.cacheKey() != copy) {
            ++repaints;
            copy = tank.model.backgroundCopy.cacheKey();
            EXPECT_EQ(tank.surface.dirty().bounds(), QRect(QPoint(0, 0), TankSize));
        }
        tank.surface.clearDirty();
    }
    EXPECT_GE(repaints, 32);
    EXPECT_LE(repaints, TankLook::Steps);
    EXPECT_EQ(tank.life->light().phase, LightPhase::Night);
}

TEST(LivingFrames, ADueWaterChangeHappensAtOnceAndClearsOverSeconds)
{
    Tank tank(true, true, at(12, 0));
    tank.state.settings.wchangedate = QStringLiteral("2026/10/01");
    EXPECT_TRUE(tank.tick());
    EXPECT_EQ(tank.state.settings.wchangedate, u"2026/12/08");
    EXPECT_EQ(tank.state.settings.wturbidity, u"75"); // 15 of 60 litres
    EXPECT_GT(tank.life->haze(), 0.95);

    std::vector<double> shown;
    for (int i = 0; i < 100 && tank.life->haze() > 0.75; ++i) {
        EXPECT_FALSE(tank.tick(100));
        shown.push_back(tank.life->haze());
    }
    EXPECT_DOUBLE_EQ(tank.life->haze(), 0.75);
    EXPECT_GE(shown.size(), 20u); // two seconds at the least
    EXPECT_LE(shown.size(), 40u);
}

TEST(LivingFrames, TemperatureAndRestSetThePace)
{
    Tank tank(true, false, at(12, 0));
    const int fish = 1;
    FishValues &v = tank.state.values[fish];
    auto travelled = [&](int frames) {
        const int from = v.left;
        for (int i = 0; i < frames; ++i) {
            v.movex = 2;
            v.movey = 0;
            FrameContext frame{tank.state,  tank.model, tank.surface,   tank.sprites,
                               tank.random, tank.clock, tank.life.get()};
            runFrame(frame);
        }
        return v.left - from;
    };
    v.left = 100;
    tank.state.settings.wtemp = QStringLiteral("18");
    tank.tick();
    EXPECT_EQ(tank.life->pace(0), 0.5 * 0.75); // and uneasy, below 24 °C
    v.left = 100;
    EXPECT_EQ(travelled(40), 30);

    tank.state.settings.wtemp = QStringLiteral("28");
    tank.clock.set(at(23, 0));
    tank.tick();
    EXPECT_EQ(tank.life->pace(0), 0.5);
    EXPECT_LT(tank.life->schoolCohesion(), 0.5);
    v.left = 100;
    EXPECT_EQ(travelled(40), 40);

    tank.clock.set(at(12, 0));
    tank.state.settings.wtemp = QStringLiteral("36");
    tank.tick();
    EXPECT_EQ(tank.life->bandShift(0), 8.0f);
    EXPECT_EQ(tank.life->bandShift(4), 3.0f); // the bottom dwellers have little room below
    EXPECT_EQ(tank.life->bandShift(1), 8.0f);
}

} // namespace
} // namespace fw::test

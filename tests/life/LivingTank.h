#pragma once

#include "aquarium/AquariumModel.h"
#include "aquarium/FrameRoutine.h"
#include "aquarium/SpriteCatalogue.h"
#include "aquarium/life/TankLife.h"
#include "platform/Random.h"
#include "platform/Surface.h"
#include "state/AppState.h"
#include "state/StateLoading.h"
#include "support/FixedClock.h"

#include <memory>

namespace fw::test {

inline constexpr QSize TankSize(800, 600);

// A picture with colour everywhere, so grading shows in every part of it.
inline QImage gradientPicture()
{
    QImage picture(TankSize, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(40 + x % 200, 90 + y % 160, 120 + (x + y) % 130));
    return picture;
}

// One running tank: the first-run fish and settings, bubbles, names, a
// picture or the plain colour, and optionally the tank's life.
struct Tank
{
    Tank(bool withLife, bool picture, QDateTime now) : clock(now), random(99)
    {
        SeededRandom setup(5);
        createFirstRunState(state, setup, clock, {TankSize.width(), TankSize.height()});
        state.settings.namevisible = QStringLiteral("1");
        state.settings.backcolor = QStringLiteral("7884319"); // a mid blue-green
        surface.resize(TankSize);
        surface.setForeColor(0xffffff);
        surface.setBackColor(7884319);
        surface.cls();
        model.pictureStartTime = clock.now();
        if (picture) {
            state.settings.screenvisible = QStringLiteral("1");
            const QImage image = gradientPicture();
            surface.bitBlt(0, 0, image.width(), image.height(), image, 0, 0, RasterOp::SrcCopy);
            model.backgroundCopy = model.pictureCopy = image;
        }
        if (withLife)
            life = std::make_unique<TankLife>();
    }

    // One tick; the clock moves on by `ms` first.
    bool tick(int ms = 50)
    {
        clock.advanceMs(ms);
        FrameContext frame{state, model, surface, sprites, random, clock, life.get()};
        return runAnimationTick(frame, 50);
    }

    FixedClock clock;
    SeededRandom random;
    AppState state;
    AquariumModel model;
    Surface surface;
    SpriteCatalogue sprites;
    std::unique_ptr<TankLife> life;
};

inline QDateTime at(int hour, int minute)
{
    return QDateTime(QDate(2026, 12, 8), QTime(hour, minute));
}

} // namespace fw::test

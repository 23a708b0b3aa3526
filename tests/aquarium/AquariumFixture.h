#pragma once

#include "aquarium/AquariumModel.h"
#include "aquarium/FrameRoutine.h"
#include "aquarium/SpriteCatalogue.h"
#include "platform/Clock.h"
#include "platform/Surface.h"
#include "state/AppState.h"
#include "support/FixedClock.h"
#include "support/QuietTank.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace fw::test {

// Sprite pixels tell where they came from: red = source column + 1, green =
// 1 for left-facing and 2 for right-facing images, blue = species * 10 +
// (young ? 5 : 0) + 1. Masks are black over the whole picture, so a drawn
// sprite shows exactly its own pixels.
inline std::uint32_t spritePixel(int column, bool left, int species, bool young)
{
    return (static_cast<std::uint32_t>(species * 10 + (young ? 5 : 0) + 1) << 16) |
           (static_cast<std::uint32_t>(left ? 1 : 2) << 8) | static_cast<std::uint32_t>(column + 1);
}

inline QImage syntheticSprite(const QString &name)
{
    for (int species = 0; species < SpeciesCount; ++species) {
        for (bool young : {false, true}) {
            const QSize size = SpriteCatalogue::spriteSize(species, young);
            for (bool left : {false, true}) {
                if (name == SpriteCatalogue::imageName(species, young, left)) {
                    QImage image(size, QImage::Format_RGB32);
                    for (int y = 0; y < size.height(); ++y)
                        for (int x = 0; x < size.width(); ++x)
                            image.setPixel(x, y,
                                           Surface::toPixel(spritePixel(x, left, species, young)));
                    return image;
                }
                if (name == SpriteCatalogue::maskName(species, young, left)) {
                    QImage mask(size, QImage::Format_RGB32);
                    mask.fill(Qt::black);
                    return mask;
                }
            }
        }
    }
    if (name == u"Picture_Bubble") {
        // Frame n is filled with the value 0x10 * (n + 1) in every channel.
        QImage strip(50, 10, QImage::Format_RGB32);
        for (int n = 0; n < 5; ++n)
            for (int y = 0; y < 10; ++y)
                for (int x = 0; x < 10; ++x)
                    strip.setPixel(n * 10 + x, y,
                                   qRgb(0x10 * (n + 1), 0x10 * (n + 1), 0x10 * (n + 1)));
        return strip;
    }
    return {};
}

// A quiet tank: no picture, names, bubbles or moving clock, so a frame takes
// no random draws unless a test asks for them.
class AquariumFixture : public ::testing::Test
{
protected:
    explicit AquariumFixture(QSize size = QSize(200, 150))
        : surface(size), sprites(&syntheticSprite)
    {
        makeQuiet(state.settings);
        surface.setForeColor(0xffffff);
        surface.setBackColor(0x000000);
        surface.cls();
    }

    int today() const { return clock.dayNumber(); }

    // Adds a fish and returns its position.
    int addFish(int species, int x, int y, int dx = 0, int dy = 0, int ageDays = 400,
                const QString &name = QStringLiteral("          "))
    {
        return addFishCode(QChar(u'0' + species), x, y, dx, dy, ageDays, name);
    }

    int addFishCode(QChar code, int x, int y, int dx, int dy, int ageDays, const QString &name)
    {
        QString text;
        text += code;
        text += name.leftJustified(10, u' ', true);
        text += QString::number(today() - ageDays).rightJustified(5, u'0');
        text += u'0';
        const int position = ++state.fish.count;
        state.fish.at(position) = FishRecord(text);
        FishValues &v = state.values[position];
        v = FishValues{};
        v.left = static_cast<std::int16_t>(x);
        v.top = static_cast<std::int16_t>(y);
        v.movex = static_cast<std::int16_t>(dx);
        v.movey = static_cast<std::int16_t>(dy);
        return position;
    }

    void frame()
    {
        FrameContext context{state, model, surface, sprites, random, clock};
        runFrame(context);
    }

    std::uint32_t pixel(int x, int y) const
    {
        return Surface::fromPixel(surface.image().pixel(x, y));
    }

    AppState state;
    AquariumModel model;
    Surface surface;
    SpriteCatalogue sprites;
    ScriptedRandom random;
    // Second 55 is no tail-flick second for any fish standing still.
    FixedClock clock{QDateTime(QDate(2026, 12, 8), QTime(12, 34, 55))};
};

} // namespace fw::test

#include "aquarium/life/Flakes.h"

#include "aquarium/SpriteCatalogue.h"
#include "platform/Conversions.h"
#include "platform/Random.h"
#include "platform/Surface.h"

#include <algorithm>
#include <cmath>

namespace fw {

namespace {

constexpr qint64 FloatingMs = 2500;
constexpr qint64 DissolveMs = 4 * 60 * 1000;
constexpr float SinkPerFrame = 0.6f;
// A cloud is this wide around where it falls.
constexpr int CloudSpread = 48;

} // namespace

int Flakes::surfaceLine(int height)
{
    return std::max(0, truncInt(height * 0.03));
}

int Flakes::bottomLine(int height)
{
    return std::max(0, truncInt(height * 0.95) - Size);
}

int Flakes::drop(int portion, double x, double y, int width, int height, Random &random, qint64 now)
{
    int fell = 0;
    const bool atSurface = y <= surfaceLine(height) + Size;
    for (Flake &flake : m_flakes) {
        if (fell >= portion)
            break;
        if (flake.state != FlakeState::Gone)
            continue;
        const double spreadX = (random.next() - 0.5) * CloudSpread;
        const double spreadY = random.next() * 6;
        flake = Flake{};
        flake.x = float(std::clamp(x + spreadX, 0.0, double(std::max(0, width - Size))));
        flake.y = float(std::clamp(y + spreadY, 0.0, double(bottomLine(height))));
        flake.drift = float((random.next() - 0.5) * 0.3);
        flake.shade = std::uint8_t(fw::draw(random, 4));
        flake.state = atSurface ? FlakeState::Floating : FlakeState::Sinking;
        flake.since = now;
        ++fell;
    }
    m_count += fell;
    return fell;
}

void Flakes::move(Random &random, int width, int height, qint64 now)
{
    if (m_count == 0)
        return;
    const float bottom = float(bottomLine(height));
    for (Flake &flake : m_flakes) {
        switch (flake.state) {
        case FlakeState::Gone:
            break;
        case FlakeState::Floating:
            if (now - flake.since >= FloatingMs) {
                flake.state = FlakeState::Sinking;
                flake.since = now;
            }
            break;
        case FlakeState::Sinking:
            // A little sway as it falls, and now and then a turn of its drift.
            flake.y = std::min(bottom, flake.y + SinkPerFrame);
            flake.x = std::clamp(flake.x + flake.drift, 0.0f, float(std::max(0, width - Size)));
            if (fw::draw(random, 40) == 0)
                flake.drift = -flake.drift;
            if (flake.y >= bottom) {
                flake.state = FlakeState::Landed;
                flake.since = now;
            }
            break;
        case FlakeState::Landed:
            if (now - flake.since >= DissolveMs)
                eat(int(&flake - m_flakes.data()));
            break;
        }
    }
}

void Flakes::eat(int slot)
{
    Flake &flake = m_flakes[slot];
    if (flake.state == FlakeState::Gone)
        return;
    // Its last picture stays marked, so the next restore takes it away.
    const bool drawn = flake.drawn;
    const std::int16_t x = flake.drawnX, y = flake.drawnY;
    flake = Flake{};
    flake.drawn = drawn;
    flake.drawnX = x;
    flake.drawnY = y;
    --m_count;
}

void Flakes::restore(Surface &surface, const QImage &background)
{
    for (Flake &flake : m_flakes) {
        if (!flake.drawn)
            continue;
        surface.bitBlt(flake.drawnX, flake.drawnY, Size, Size, background, flake.drawnX,
                       flake.drawnY, RasterOp::SrcCopy);
        flake.drawn = false;
    }
}

void Flakes::draw(Surface &surface, const FlakeStrip &strip)
{
    const int frames = strip.frames();
    for (Flake &flake : m_flakes) {
        if (flake.state == FlakeState::Gone) {
            flake.drawn = false;
            continue;
        }
        flake.drawnX = std::int16_t(nearestInt(flake.x));
        flake.drawnY = std::int16_t(nearestInt(flake.y));
        flake.drawn = true;
        if (frames == 0)
            continue;
        const int size = strip.frameSize();
        surface.maskedBlt(flake.drawnX, flake.drawnY, size, size, strip.image, strip.mask,
                          strip.spans, (flake.shade % frames) * size, 0);
    }
}

} // namespace fw

#include "aquarium/Bubbles.h"

#include "platform/Conversions.h"
#include "platform/Random.h"
#include "platform/Sound.h"
#include "platform/Surface.h"
#include "state/SettingsRecord.h"

#include <algorithm>
#include <limits>

namespace fw {

namespace {

bool bubblesOn(const SettingsRecord &settings)
{
    return settings.bubble_view == 1;
}

bool fitsInt16(int value)
{
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

// Follow the clock: the source sits at the middle of the clock text's top edge.
void followClock(SettingsRecord &settings, const BubbleFrame &frame)
{
    if (auto x = toInt16(truncate(frame.clockWidth / 2) + frame.clockX))
        settings.bubble_initx = *x;
    if (auto y = toInt16(frame.clockTop))
        settings.bubble_inity = *y;
}

void moveLiveBubbles(Bubbles &bubbles, int inUse, int vanishHeight, Random &random)
{
    for (int j = 1; j <= inUse; ++j) {
        BubbleSlot &slot = bubbles.entries[j];
        if (slot.kind == 0)
            continue;
        int y = slot.y - Bubbles::kinds[slot.kind].rise;
        if (draw(random, 10) == 0)
            y += 1;
        int x = slot.x;
        if (vanishHeight < y) {
            x += draw(random, 2) == 0 ? 1 : -1;
            // A bubble that would leave the 16-bit range is far off the
            // surface; letting it go keeps the table sound.
            if (!fitsInt16(x) || !fitsInt16(y)) {
                slot.kind = 0;
                continue;
            }
            slot.x = static_cast<std::int16_t>(x);
            slot.y = static_cast<std::int16_t>(y);
        } else {
            slot.kind = 0;
        }
    }
}

int countToCreate(int inUse, int q, Random &random)
{
    int count = 0;
    for (int j = 1; j <= inUse; ++j) {
        if (truncInt(random.next() * q) == 0)
            ++count;
    }
    return count;
}

void createBubbles(Bubbles &bubbles, const SettingsRecord &settings, int inUse, int count,
                   int surfaceWidth, Random &random, SoundEffects &sound)
{
    for (int j = 1; j <= inUse && count > 0; ++j) {
        BubbleSlot &slot = bubbles.entries[j];
        if (slot.kind != 0)
            continue;
        const int kind = draw(random, Bubbles::KindCount) + 1;
        const int size = Bubbles::kinds[kind].size;
        int x = 0;
        if (settings.bubble_init_rand != 0)
            x = truncInt((surfaceWidth - size) * random.next());
        else
            x = nearestInt(settings.bubble_initx - size / 2.0);
        const int y = nearestInt(settings.bubble_inity - size / 2.0);
        --count;
        if (!fitsInt16(x) || !fitsInt16(y))
            continue;
        slot.kind = static_cast<std::int16_t>(kind);
        slot.x = static_cast<std::int16_t>(x);
        slot.y = static_cast<std::int16_t>(y);
        sound.bubble(size, panAt(x + size / 2.0, surfaceWidth));
    }
}

} // namespace

int Bubbles::liveCount() const
{
    return static_cast<int>(std::count_if(entries.begin() + 1, entries.end(),
                                          [](const BubbleSlot &s) { return s.kind; }));
}

int bubbleSlotsInUse(const SettingsRecord &settings)
{
    return std::clamp<int>(settings.bubble_count_max, 0, Bubbles::Capacity);
}

BubbleStrip::BubbleStrip(const QImage &strip)
{
    if (strip.isNull() || strip.height() <= 0)
        return;
    m_frameSize = strip.height();
    const int frames = strip.width() / m_frameSize;
    for (int kind = 1; kind <= Bubbles::KindCount; ++kind) {
        const int size = Bubbles::kinds[kind].size;
        QImage scaled(size * frames, size, QImage::Format_RGB32);
        scaled.fill(Qt::black);
        for (int n = 0; n < frames; ++n) {
            const QImage frame =
                strip.copy(n * m_frameSize, 0, m_frameSize, m_frameSize)
                    .scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                    .convertToFormat(QImage::Format_RGB32);
            for (int y = 0; y < size; ++y) {
                const auto *from = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
                auto *to = reinterpret_cast<QRgb *>(scaled.scanLine(y)) + n * size;
                std::copy(from, from + size, to);
            }
        }
        m_scaled[kind] = scaled;
    }
}

BubbleStrip BubbleStrip::changed(const std::function<QImage(const QImage &)> &change) const
{
    BubbleStrip copy = *this;
    for (QImage &scaled : copy.m_scaled)
        scaled = change(scaled);
    return copy;
}

void runBubbleStep(Bubbles &bubbles, SettingsRecord &settings, Surface &surface,
                   const QImage &background, Random &random, const BubbleFrame &frame)
{
    if (!bubblesOn(settings))
        return;
    const int inUse = bubbleSlotsInUse(settings);
    const int vanishHeight = nearestInt(settings.bubble_limity / 100.0 * settings.bubble_inity);

    if (!frame.airPlacement && settings.bubble_init_time == 1)
        followClock(settings, frame);

    if (frame.pictureShown) {
        for (int j = 1; j <= inUse; ++j) {
            const BubbleSlot &slot = bubbles.entries[j];
            if (slot.kind == 0)
                continue;
            const int size = Bubbles::kinds[slot.kind].size;
            surface.bitBlt(slot.x, slot.y, size, size, background, slot.x, slot.y,
                           RasterOp::SrcCopy);
        }
    }

    moveLiveBubbles(bubbles, inUse, vanishHeight, random);

    // The number of frames the slowest kind (3 pixels a frame) takes from the
    // source to the vanish height.
    const int q = truncInt((settings.bubble_inity - vanishHeight) / 3.0);
    const int count = countToCreate(inUse, q, random);
    createBubbles(bubbles, settings, inUse, count, surface.width(), random, *frame.sound);
}

void drawBubbles(const Bubbles &bubbles, const SettingsRecord &settings, Surface &surface,
                 const BubbleStrip &strip)
{
    if (!bubblesOn(settings) || strip.frameSize() == 0)
        return;
    const int inUse = bubbleSlotsInUse(settings);
    for (int j = 1; j <= inUse; ++j) {
        const BubbleSlot &slot = bubbles.entries[j];
        if (slot.kind == 0)
            continue;
        const int size = Bubbles::kinds[slot.kind].size;
        // The remainder keeps the sign of y, so a bubble above the top edge
        // asks for a frame left of the strip, which the clipping leaves out.
        const int frame = slot.y % 5;
        surface.bitBlt(slot.x, slot.y, size, size, strip.forKind(slot.kind), frame * size, 0,
                       RasterOp::SrcPaint);
    }
}

} // namespace fw

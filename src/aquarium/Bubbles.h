#pragma once

#include "platform/Sound.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <functional>

namespace fw {

class Random;
class Surface;
struct SettingsRecord;

// One slot of the bubble table; kind 0 marks a free slot.
struct BubbleSlot
{
    std::int16_t kind = 0;
    std::int16_t x = 0;
    std::int16_t y = 0;
};

struct BubbleKind
{
    int rise = 0; // pixels per frame
    int size = 0; // square, pixels
};

// The bubble table (entries 1..400) and the four bubble kinds. Never saved.
struct Bubbles
{
    static constexpr int Capacity = 400;
    static constexpr int KindCount = 4;

    // Index 1..4; bigger bubbles rise faster.
    static constexpr std::array<BubbleKind, KindCount + 1> kinds{
        {{0, 0}, {6, 10}, {5, 9}, {4, 8}, {3, 7}}};

    std::array<BubbleSlot, Capacity + 1> entries{}; // index 0 unused

    void clear() { entries.fill(BubbleSlot{}); }
    int liveCount() const;
};

// The number of entries the settings put in use: `bubble_count_max` kept within
// the table, so a hand-edited larger value can never reach past it.
int bubbleSlotsInUse(const SettingsRecord &settings);

// The bubble strip (five square frames side by side, a bubble on black),
// scaled once for each bubble kind so a frame is a plain copy.
class BubbleStrip
{
public:
    BubbleStrip() = default;
    explicit BubbleStrip(const QImage &strip);

    // The frame size of the original strip (its height); 0 when there is none.
    int frameSize() const { return m_frameSize; }
    // The strip for `kind` (1..4), with frames of the kind's size.
    const QImage &forKind(int kind) const { return m_scaled[kind]; }
    // The same strip with every kind's frames passed through `change`.
    BubbleStrip changed(const std::function<QImage(const QImage &)> &change) const;

private:
    int m_frameSize = 0;
    std::array<QImage, Bubbles::KindCount + 1> m_scaled;
};

// What the bubble step needs to know of the frame around it.
struct BubbleFrame
{
    double clockX = 0;     // the clock's left edge as the previous frame left it
    double clockWidth = 0; // this frame's clock text width
    double clockTop = 0;   // this frame's clock top edge
    bool pictureShown = false;
    bool airPlacement = false;
    SoundEffects *sound = &silence(); // hears each bubble born
};

// Vanish, follow the clock, restore, move and create, in that order.
void runBubbleStep(Bubbles &bubbles, SettingsRecord &settings, Surface &surface,
                   const QImage &background, Random &random, const BubbleFrame &frame);

// Draws every live bubble in use with its strip frame chosen by its height.
void drawBubbles(const Bubbles &bubbles, const SettingsRecord &settings, Surface &surface,
                 const BubbleStrip &strip);

} // namespace fw

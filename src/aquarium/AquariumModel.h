#pragma once

#include "aquarium/Bubbles.h"
#include "aquarium/ClockText.h"

#include <QDateTime>
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>

namespace fw {

// Where the pointer was last seen, for the movement response: a move counts
// only when it is more than two pixels from here.
struct MovementMemory
{
    std::int16_t x = 0;
    std::int16_t y = 0;
    bool recorded = false;
};

// What the mouse handlers keep between a press and its release.
struct MouseClickState
{
    std::int16_t grabbedFish = 0; // position of the fish picked up, 0 for none
    int grabOffsetX = 0;
    int grabOffsetY = 0;
};

// A name label's trimmed text with its measured size, kept so a frame need
// not measure (or allocate) while the name stays the same.
struct LabelCache
{
    QString text;
    double width = 0;
    double height = 0;
    bool measured = false;
};

// The clock text of the current frame and its measured size, re-measured only
// when the text changes.
struct ClockCache
{
    QString style;  // the `timestyle` that `format` was looked up for
    QString format; // looked up once per style, not every frame
    ClockText text;
    ClockText measuredText;
    double width = 0;
    double height = 0;
    bool measured = false;
};

// Everything the aquarium window keeps between frames, apart from the surface
// itself. It lives as long as the window.
struct AquariumModel
{
    bool airPlacement = false;
    // On from the Food button until the click that drops the food.
    bool foodPlacement = false;
    bool firstFocusPending = true;
    MovementMemory mouseMove;
    MouseClickState mouseClick;

    bool pictureCleared = false;
    QDateTime pictureStartTime;
    double clockX = 0;
    int clockDirection = 0; // 0 moving right, 1 moving left, else restart at the left
    bool informationShown = false;

    // The background picture exactly as the surface shows it, from which the
    // frames restore what they drew over. Null when there is none.
    QImage backgroundCopy;
    // The same picture as it was loaded, before the light and the water
    // graded it into the copy above.
    QImage pictureCopy;

    Bubbles bubbles;

    // Measuring caches of the frame routine; index = fish position.
    std::array<LabelCache, 100> labels;
    ClockCache clock;
};

} // namespace fw

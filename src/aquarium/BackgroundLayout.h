#pragma once

#include <QRect>
#include <QSize>

namespace fw {

struct AppState;

// The smallest picture the tank accepts as its background.
constexpr int MinPictureWidth = 640;
constexpr int MinPictureHeight = 480;

// How the drawing surface is laid out for a background.
enum class BackgroundMode
{
    Plain,    // no picture: the surface covers the screen
    Centred,  // the picture fits: the surface takes its size, centred
    Cut,      // the picture is larger: the surface covers the screen and cuts it
    TooSmall, // the picture is refused: the surface covers the screen
};

struct BackgroundLayout
{
    BackgroundMode mode = BackgroundMode::Plain;
    QRect surface; // the surface's place and size in the window
};

// Lays out the surface over a window of `screen` size, for a picture of
// `picture` size (an empty size for no picture).
BackgroundLayout layoutBackground(QSize picture, QSize screen);

// Moves every fish of the tank so that it keeps its relative place when the
// surface changes from `before` to `after`. A position that would leave the
// 16-bit range is kept as it was.
void rescaleFishPositions(AppState &state, QSize before, QSize after);

} // namespace fw

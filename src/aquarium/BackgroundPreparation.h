#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

namespace fw {

class Clock;
class Surface;
struct AppState;
struct AquariumModel;
struct SettingsRecord;

// What the window does for the preparation; any hook may be empty.
struct BackgroundHooks
{
    // The cover panel over the whole screen, with its caption, on screen
    // before the picture decodes; hidden again when the scene is ready.
    std::function<void()> showCover;
    std::function<void()> hideCover;
    // Moves and sizes the surface's widget in the window.
    std::function<void(QRect)> placeSurface;
    // Shows the surface as it is now, at once (the tiles of a refused picture).
    std::function<void()> showSurfaceNow;
    // The message for a picture under 640 x 480; returns when it is closed.
    std::function<void()> reportPictureTooSmall;
    std::function<void(int)> setAnimationInterval;
};

// The caption of the cover panel while a picture loads.
QString pictureCoverCaption();
// Title and text of the message for a picture that is too small.
QString pictureTooSmallTitle();
QString pictureTooSmallText();

// Lays out the drawing surface when it receives the focus: restarts the
// picture's display time and the moving clock, loads the background picture
// (or the plain background colour), places the surface, keeps the fish in
// proportion when the surface's width changed, makes the background copy from
// which the frames restore, and starts the animation at `fishmovespeed`.
// Returns the surface's place in the window.
QRect prepareBackground(AppState &state, AquariumModel &model, Surface &surface, const Clock &clock,
                        QSize screen, const BackgroundHooks &hooks);

// `fishmovespeed` as a timer interval in milliseconds; 0 (paused) when it
// does not read as a positive number.
int animationIntervalOf(const SettingsRecord &settings);

} // namespace fw

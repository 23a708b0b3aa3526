#pragma once

#include "aquarium/BackgroundPreparation.h"

class QWidget;

namespace fw {

class IntervalTimer;
class PictureCover;
class SurfaceView;

// The window's part of the background preparation: the cover panel, placing
// the surface's widget, showing the refused picture's tiles behind the
// message, the message itself and the animation interval.
BackgroundHooks backgroundWindowHooks(QWidget *window, SurfaceView *view, PictureCover *cover,
                                      IntervalTimer *animationTimer);

} // namespace fw

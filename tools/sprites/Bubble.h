#pragma once

#include <QImage>

namespace fw::sprites {

// Five 10 x 10 frames of one bubble on black, side by side; the highlight
// wanders a little from frame to frame so a rising bubble shimmers.
QImage paintBubbleStrip();

} // namespace fw::sprites

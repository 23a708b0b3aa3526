#pragma once

#include <QImage>

namespace fw::sprites {

// Four 4 x 4 frames of a food flake side by side, each a crumb of a few
// pixels in its own shade, on black; and the mask, black where a crumb is
// and white elsewhere.
QImage paintFlakeStrip();
QImage flakeMask(const QImage &strip);

} // namespace fw::sprites

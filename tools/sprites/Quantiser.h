#pragma once

#include <QRgb>

#include <vector>

namespace fw::sprites {

// A palette of at most `maxColours` colours for `pixels` by median cut; none
// of the colours is pure black when no pixel is.
std::vector<QRgb> medianCutPalette(const std::vector<QRgb> &pixels, int maxColours);

// Index of the palette colour closest to `colour`.
int nearestIndex(const std::vector<QRgb> &palette, QRgb colour);

} // namespace fw::sprites

#pragma once

#include <QSize>
#include <QSizeF>

namespace fw {

// The windows were laid out in twips, 1440 to the inch; at 96 dots per inch a
// pixel is 15 twips, which is what the layouts of the dialogs assume.
constexpr double TwipsPerPixel = 15.0;

constexpr double twipsToPixels(double twips)
{
    return twips / TwipsPerPixel;
}

constexpr double pixelsToTwips(double pixels)
{
    return pixels * TwipsPerPixel;
}

// The primary screen's size in pixels (device-independent); a plausible
// 1024 x 768 when there is no screen at all.
QSize primaryScreenSize();
// The same in twips.
QSizeF primaryScreenSizeInTwips();

} // namespace fw

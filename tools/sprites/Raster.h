#pragma once

#include "FishArt.h"

#include <QImage>

namespace fw::sprites {

// Paints `art` at a multiple of `size` and averages it down. The result is
// RGB32: pure black outside the outline, never pure black inside it.
QImage renderFish(const FishArt &art, const Pose &pose, QSize size);

// The same fish with a soft alpha edge, for pictures shown over other
// pictures (the about box).
QImage renderFishWithAlpha(const FishArt &art, const Pose &pose, QSize size);

// Reduces a sprite to an 8-bit palette with black at index 0, used only for
// the surround, so the mask can be read off the indices.
QImage toSpritePalette(const QImage &sprite);

// Index 0 (surround) becomes white, every fish pixel black; a two-colour
// palette image ready for a 1- or 4-bit file.
QImage maskOf(const QImage &indexedSprite);

// The darkest colour a fish pixel may have.
constexpr int kNearBlack = 8;

} // namespace fw::sprites

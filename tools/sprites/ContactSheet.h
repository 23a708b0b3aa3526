#pragma once

#include "Catalogue.h"

#include <QImage>

namespace fw::sprites {

// Every sprite at 1x and 4x on black and on a mid-blue (drawn through its
// mask as the aquarium draws it), its masks, and the right image with the
// tail flicked, for looking at the art.
QImage contactSheet(const std::vector<SpritePair> &pairs, const QImage &bubbleStrip);

} // namespace fw::sprites

#pragma once

#include "FishArt.h"

#include <QImage>
#include <QString>

#include <memory>
#include <vector>

namespace fw::sprites {

// One species of the sprite catalogue: file names, sizes and mask depths.
struct SpeciesSprites
{
    QString imageBase; // e.g. "AngelFish": AngelFishR.bmp, AngelFishLS.bmp ...
    QString maskBase;  // e.g. "NeonTetra": NeonTetraR_Mask.bmp ... (shared by a group)
    std::shared_ptr<FishArt> art;
    QSize largeSize, smallSize;
    int largeMaskBits, smallMaskBits;
    double tailShare;
    bool largeDrawnPerSide = false; // left image painted on its own, not mirrored
};

std::vector<SpeciesSprites> spriteCatalogue();

// One painted image pair with its masks, as 8-bit palette images (masks as
// two-colour palette images).
struct SpritePair
{
    QString right, left;         // file names without ".bmp"
    QString rightMask, leftMask; // likewise
    int maskBits;
    double tailShare;
    QImage rightImage, leftImage, rightMaskImage, leftMaskImage;
};

std::vector<SpritePair> paintCatalogue(const std::vector<SpeciesSprites> &catalogue);

} // namespace fw::sprites

#pragma once

#include <QString>

// Where the embedded pictures live in the resource system. The pictures are
// linked into every program that links fw_assets and registered before
// main() runs.
namespace fw::assets {

// ":/sprites/<name>.bmp", e.g. spritePath("AngelFishL_Mask").
QString spritePath(const QString &name);

// The bubble strip: five 10 x 10 frames side by side.
inline const QString bubbleStripPath = QStringLiteral(":/sprites/Picture_Bubble.bmp");

// The about box's tank and its tetra, facing left and right.
inline const QString aboutCasePath = QStringLiteral(":/about/Image_Case.png");
inline const QString aboutTetraLeftPath = QStringLiteral(":/about/Image_TetraL.png");
inline const QString aboutTetraRightPath = QStringLiteral(":/about/Image_TetraR.png");

// ":/icons/finwicks-<size>.png" for size 48, 128 or 256.
QString iconPath(int size);

} // namespace fw::assets

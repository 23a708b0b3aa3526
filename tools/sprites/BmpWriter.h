#pragma once

#include <QImage>
#include <QString>

namespace fw::sprites {

// Writes Windows BMP files of an exact bit depth. Qt's own writer cannot
// produce 4-bit files and chooses the depth itself, while the catalogue
// fixes the depth of every file.
//
// `image` must be Format_Indexed8 for depths 1, 4 and 8 (indices must fit
// the depth) and is converted to RGB for depth 24.
bool writeBmp(const QImage &image, int bitsPerPixel, const QString &path);

} // namespace fw::sprites

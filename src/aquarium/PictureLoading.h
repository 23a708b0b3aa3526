#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace fw {

// Limits that keep a hostile or absurd picture file from exhausting memory:
// a picture is refused, before anything is decoded, when a side is longer
// than this or when its decoded pixels would need more than the byte limit.
constexpr int MaxPictureSide = 16384;
constexpr qint64 MaxPictureBytes = qint64(512) * 1024 * 1024;

// True when the picture file exists and holds at least one byte.
bool pictureFileUsable(const QString &path);

// Loads a BMP, JPEG or GIF picture at its own size (never scaled) in the
// surfaces' pixel format. A missing, empty, undecodable or oversized file
// gives a null image.
QImage loadPicture(const QString &path);

} // namespace fw

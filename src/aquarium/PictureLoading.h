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

// A picture at its own size: `size` is the whole picture's, `image` its
// top-left part as far as it was asked for, in the surfaces' pixel format.
struct LoadedPicture
{
    QImage image;
    QSize size;

    bool isNull() const { return image.isNull(); }
};

// True when the picture file exists and holds at least one byte.
bool pictureFileUsable(const QString &path);

// Loads a BMP, JPEG or GIF picture (told by its content), never scaled,
// keeping only its top-left `within` part (a screen shows no more of it);
// formats that can say so decode only that part. A missing, empty,
// undecodable or oversized file, any other format, or one whose decoding
// would take more than MaxDecodingBytes, gives a null picture.
LoadedPicture loadPicture(const QString &path, QSize within);

} // namespace fw

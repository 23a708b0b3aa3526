#pragma once

#include <QByteArray>
#include <QSize>

#include <optional>

class QIODevice;

namespace fw {

// The picture formats the tank shows, told by content, not by file name.
enum class PictureKind
{
    Bmp,
    Jpeg,
    Gif,
};

// The kind for a format name as QImageReader::format() gives it; empty for
// every other format.
std::optional<PictureKind> pictureKindOf(const QByteArray &format);

// What decoding a picture will take, worked out from its headers before a
// pixel is decoded: the size the picture declares and the bytes the decoder
// allocates for it when only its top-left `within` part is kept.
struct DecodingCost
{
    QSize size;
    qint64 bytes = 0;
};

// Reads the device from its start. Empty when the headers are broken or
// declare no pixels. A GIF is decoded onto its whole logical screen; a BMP
// is decoded whole; a JPEG only as far as `within`, but one stored in several
// scans (progressive ones) needs all its coefficients in memory first.
std::optional<DecodingCost> decodingCost(PictureKind kind, QIODevice &device, QSize within);

// What decoding may allocate at most. With the screen's own buffers it keeps
// the program well under 150 MB however hostile the picture file.
constexpr qint64 MaxDecodingBytes = qint64(64) * 1024 * 1024;

} // namespace fw

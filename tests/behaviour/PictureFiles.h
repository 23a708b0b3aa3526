#pragma once

#include <QImage>
#include <QString>

namespace fw::test {

// Picture files made by the tests themselves, in every format the tank reads.

// A picture whose colour changes by quadrant, so placement can be checked.
QImage quadrantPicture(int width, int height);

bool writeBmp(const QString &path, const QImage &picture);
// A bitmap stored top-down (a negative height in its header), at 1, 4, 8,
// 16, 24 or 32 bits a pixel, in the quadrant pattern of TopDownColours; at 1
// bit, which has two colours, its top half is colour 0, its bottom half 2.
bool writeTopDownBmp(const QString &path, int width, int height, int bits);
// Pure colours; 16 bits keep the top five bits of each channel.
extern const QRgb TopDownColours[4];
bool writeJpeg(const QString &path, const QImage &picture);
// A GIF of four colours in the quadrant pattern (Qt writes no GIF, so the
// file is encoded here), on a logical screen of its own size or `screen`.
bool writeGif(const QString &path, int width, int height, QSize screen = {});
// A small JPEG whose header claims `side` x `side` pixels, or `claimed`,
// stored in one scan or progressively.
bool writeJpegClaimingSize(const QString &path, int side);
bool writeJpegClaimingSize(const QString &path, QSize claimed, bool progressive);
bool writeText(const QString &path, const QByteArray &content);

// The quadrant colours as surface pixels: top-left, top-right, bottom-left,
// bottom-right.
QRgb quadrantColour(int quadrant);

} // namespace fw::test

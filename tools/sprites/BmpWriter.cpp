#include "BmpWriter.h"

#include <QByteArray>
#include <QFile>

namespace fw::sprites {
namespace {

void putLe(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
}

int rowStride(int width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

QByteArray packedRow(const QImage &image, int y, int bitsPerPixel)
{
    QByteArray row(rowStride(image.width(), bitsPerPixel), '\0');
    auto *bytes = reinterpret_cast<uchar *>(row.data());
    for (int x = 0; x < image.width(); ++x) {
        if (bitsPerPixel == 24) {
            const QRgb rgb = image.pixel(x, y);
            bytes[3 * x] = uchar(qBlue(rgb));
            bytes[3 * x + 1] = uchar(qGreen(rgb));
            bytes[3 * x + 2] = uchar(qRed(rgb));
            continue;
        }
        const int index = image.pixelIndex(x, y);
        const int perByte = 8 / bitsPerPixel;
        const int shift = 8 - bitsPerPixel * (x % perByte + 1);
        bytes[x / perByte] |= uchar(index << shift);
    }
    return row;
}

} // namespace

bool writeBmp(const QImage &source, int bitsPerPixel, const QString &path)
{
    const bool indexed = bitsPerPixel != 24;
    if (indexed && source.format() != QImage::Format_Indexed8)
        return false;
    const QImage image = indexed ? source : source.convertToFormat(QImage::Format_RGB32);
    const int paletteSize = indexed ? (1 << bitsPerPixel) : 0;
    if (indexed && image.colorCount() > paletteSize)
        return false;

    const int stride = rowStride(image.width(), bitsPerPixel);
    const quint32 dataOffset = 14 + 40 + 4 * paletteSize;
    const quint32 dataSize = quint32(stride * image.height());

    QByteArray out;
    out.append("BM");
    putLe(out, dataOffset + dataSize, 4);
    putLe(out, 0, 4);
    putLe(out, dataOffset, 4);
    putLe(out, 40, 4);
    putLe(out, quint32(image.width()), 4);
    putLe(out, quint32(image.height()), 4); // positive: rows stored bottom-up
    putLe(out, 1, 2);
    putLe(out, quint32(bitsPerPixel), 2);
    putLe(out, 0, 4); // no compression
    putLe(out, dataSize, 4);
    putLe(out, 2835, 4); // 72 dpi
    putLe(out, 2835, 4);
    putLe(out, quint32(paletteSize), 4);
    putLe(out, 0, 4);
    for (int i = 0; i < paletteSize; ++i) {
        const QRgb rgb = i < image.colorCount() ? image.color(i) : qRgb(0, 0, 0);
        putLe(out, quint32(qBlue(rgb)) | quint32(qGreen(rgb)) << 8 | quint32(qRed(rgb)) << 16, 4);
    }
    for (int y = image.height() - 1; y >= 0; --y)
        out.append(packedRow(image, y, bitsPerPixel));

    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size() && file.flush();
}

} // namespace fw::sprites

// Settings colours as surface pixels, and pictures in the surface's format.
#include "platform/Surface.h"

namespace fw {

QRgb Surface::toPixel(std::uint32_t bgr)
{
    return qRgb(int(bgr & 0xffu), int((bgr >> 8) & 0xffu), int((bgr >> 16) & 0xffu));
}

std::uint32_t Surface::fromPixel(QRgb pixel)
{
    return std::uint32_t(qRed(pixel)) | (std::uint32_t(qGreen(pixel)) << 8) |
           (std::uint32_t(qBlue(pixel)) << 16);
}

QImage toSurfaceFormat(const QImage &picture)
{
    if (picture.isNull() || picture.format() == QImage::Format_RGB32)
        return picture;
    return picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace fw

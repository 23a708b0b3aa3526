// Any bytes as a bitmap, JPEG or GIF header: the guard answers without
// crashing, reading past the data or overflowing its sums.
#include "FuzzSupport.h"

#include "aquarium/PictureGuard.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (fw::PictureKind kind :
         {fw::PictureKind::Bmp, fw::PictureKind::Jpeg, fw::PictureKind::Gif}) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        const std::optional<fw::DecodingCost> cost = fw::decodingCost(kind, buffer, {1920, 1080});
        if (cost && (cost->bytes < 0 || cost->size.isEmpty()))
            fw::fuzz::fail("a cost without pixels or below zero");
    }
    return 0;
}

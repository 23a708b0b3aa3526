#include "platform/SpriteSpans.h"

#include <cstdint>

namespace fw {

namespace {

constexpr std::uint32_t ColourBits = 0xffffffu;

} // namespace

SpriteSpans::SpriteSpans(const QImage &image, const QImage &mask)
{
    if (image.isNull() || image.size() != mask.size() || image.format() != QImage::Format_RGB32 ||
        mask.format() != QImage::Format_RGB32)
        return;
    const int width = image.width();
    Rows rows;
    rows.start.reserve(image.height() + 1);
    rows.start.push_back(0);
    for (int y = 0; y < image.height(); ++y) {
        const auto *pixels = reinterpret_cast<const std::uint32_t *>(image.constScanLine(y));
        const auto *masks = reinterpret_cast<const std::uint32_t *>(mask.constScanLine(y));
        int x = 0;
        while (x < width) {
            const std::uint32_t m = masks[x] & ColourBits;
            if (m == ColourBits && (pixels[x] & ColourBits) == 0) {
                ++x;
                continue;
            }
            if (m != 0) {
                // Grey in the mask, or colour around the fish: only the two
                // raster operations draw that right.
                return;
            }
            const int begin = x;
            while (x < width && (masks[x] & ColourBits) == 0)
                ++x;
            rows.runs.push_back({begin, x});
        }
        rows.start.push_back(int(rows.runs.size()));
    }
    rows.runs.shrink_to_fit();
    m_rows = std::make_shared<const Rows>(std::move(rows));
    m_imageKey = image.cacheKey();
    m_maskKey = mask.cacheKey();
    m_usable = true;
}

} // namespace fw

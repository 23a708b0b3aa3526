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
    m_rowStart.reserve(image.height() + 1);
    m_rowStart.push_back(0);
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
                m_runs = {};
                m_rowStart = {};
                return;
            }
            const int begin = x;
            while (x < width && (masks[x] & ColourBits) == 0)
                ++x;
            m_runs.push_back({begin, x});
        }
        m_rowStart.push_back(int(m_runs.size()));
    }
    m_runs.shrink_to_fit();
    m_imageKey = image.cacheKey();
    m_maskKey = mask.cacheKey();
    m_usable = true;
}

} // namespace fw

#include "support/MaskedDrawCheck.h"

#include "platform/Random.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace fw::test {

namespace {

std::string hex(std::uint32_t pixel)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08x", pixel);
    return text;
}

std::string describe(const QRect &rect)
{
    return std::to_string(rect.x()) + "," + std::to_string(rect.y()) + " " +
           std::to_string(rect.width()) + "x" + std::to_string(rect.height());
}

} // namespace

MaskedDrawCheck::MaskedDrawCheck(QSize surfaceSize, Random &random)
    : m_fast(surfaceSize), m_plain(surfaceSize), m_noise(surfaceSize, QImage::Format_RGB32)
{
    for (int y = 0; y < m_noise.height(); ++y)
        for (int x = 0; x < m_noise.width(); ++x)
            m_noise.setPixel(x, y, std::uint32_t(random.next() * 0x1000000));
    const auto back = std::uint32_t(random.next() * 0x1000000);
    m_fast.setBackColor(back);
    m_plain.setBackColor(back);
}

testing::AssertionResult MaskedDrawCheck::draw(int dx, int dy, int w, int h, const QImage &image,
                                               const QImage &mask, const SpriteSpans &spans, int sx,
                                               int sy)
{
    auto drawBoth = [&] {
        m_fast.maskedBlt(dx, dy, w, h, image, mask, spans, sx, sy);
        m_plain.bitBlt(dx, dy, w, h, mask, sx, sy, RasterOp::SrcAnd);
        m_plain.bitBlt(dx, dy, w, h, image, sx, sy, RasterOp::SrcPaint);
    };
    for (Surface *surface : {&m_fast, &m_plain}) {
        surface->bitBlt(0, 0, m_noise.width(), m_noise.height(), m_noise, 0, 0, RasterOp::SrcCopy);
        surface->clearDirty();
    }
    drawBoth();
    if (testing::AssertionResult same = compare("over random pixels"); !same)
        return same;

    for (Surface *surface : {&m_fast, &m_plain})
        surface->cls();
    drawBoth();
    for (Surface *surface : {&m_fast, &m_plain}) {
        surface->clearDirty();
        surface->cls();
    }
    return compare("wiped after drawing");
}

testing::AssertionResult MaskedDrawCheck::compare(const char *stage) const
{
    const QImage &fast = m_fast.image();
    for (int y = 0; y < fast.height(); ++y) {
        const auto *a = reinterpret_cast<const std::uint32_t *>(fast.constScanLine(y));
        const auto *b = reinterpret_cast<const std::uint32_t *>(m_plain.image().constScanLine(y));
        for (int x = 0; x < fast.width(); ++x) {
            if (a[x] != b[x])
                return testing::AssertionFailure() << stage << ": pixel " << x << "," << y << " is "
                                                   << hex(a[x]) << " instead of " << hex(b[x]);
        }
    }
    const DirtyRegion &fastDirty = m_fast.dirty(), &plainDirty = m_plain.dirty();
    bool same = fastDirty.count() == plainDirty.count();
    for (int i = 0; same && i < fastDirty.count(); ++i)
        same = fastDirty.at(i) == plainDirty.at(i);
    if (!same)
        return testing::AssertionFailure()
               << stage << ": " << fastDirty.count() << " changed rectangles within "
               << describe(fastDirty.bounds()) << " instead of " << plainDirty.count() << " within "
               << describe(plainDirty.bounds());
    return testing::AssertionSuccess();
}

} // namespace fw::test

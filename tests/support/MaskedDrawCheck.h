#pragma once

#include "platform/Surface.h"

#include <QImage>
#include <QSize>

#include <gtest/gtest.h>

namespace fw {
class Random;
class SpriteSpans;
} // namespace fw

namespace fw::test {

// Two surfaces holding the same random pixels: one draws a sprite with
// Surface::maskedBlt(), the other with the mask ANDed and then the image ORed.
class MaskedDrawCheck
{
public:
    MaskedDrawCheck(QSize surfaceSize, Random &random);

    // Draws on both over the random pixels and again on a wiped surface, and
    // tells the first difference: in the pixels (alpha included), in the
    // changed rectangles, or in what the next wipe refills, which is what the
    // surface noted as drawn.
    testing::AssertionResult draw(int dx, int dy, int w, int h, const QImage &image,
                                  const QImage &mask, const SpriteSpans &spans, int sx, int sy);

private:
    testing::AssertionResult compare(const char *stage) const;

    Surface m_fast;
    Surface m_plain;
    QImage m_noise;
};

} // namespace fw::test

#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <cstdint>

namespace fw::test {

// A background with every channel value in many combinations.
QImage noise(QSize size, unsigned seed);

// How a line printed on a surface over `under` at `at` compares with Qt's
// own drawing of it at the same whole pixel.
struct TextDrawComparison
{
    // Whether the surface blended the line itself rather than leaving it to
    // Qt (which would match trivially).
    bool blendedByUs = false;
    // The largest difference of any channel of any pixel, of 255.
    int largestDifference = 0;
};

TextDrawComparison compareWithQt(const QString &text, QPoint at, std::uint32_t pen,
                                 const QImage &under);

} // namespace fw::test

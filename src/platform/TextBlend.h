#pragma once

#include <QFont>
#include <QPoint>
#include <QRgb>
#include <QSize>
#include <QStaticText>

#include <array>
#include <cstdint>
#include <vector>

namespace fw {

// Qt's raster engine blends a glyph's coverage in linear light, through the
// text gamma its platforms give by default. Blending a line's coverage the
// same way ourselves gives the same picture to within a few levels of 255 at
// a few edge pixels, without Qt's work for every glyph of every label on
// every frame.
constexpr double QtTextGamma = 1.7;

// How a pen colour blends into a pixel at each coverage: one table for each
// distinct channel value of the pen, made when the pen changes.
class PenBlend
{
public:
    explicit PenBlend(double gamma = QtTextGamma);

    void setPen(QRgb pen);
    QRgb pen() const { return m_pen; }

    // `dest` with the pen laid over it at `coverage` (0-255), opaque.
    std::uint32_t blend(std::uint32_t dest, int coverage) const
    {
        const int row = coverage << 8;
        return 0xff000000u | std::uint32_t(m_channel[0][row + int((dest >> 16) & 0xff)]) << 16 |
               std::uint32_t(m_channel[1][row + int((dest >> 8) & 0xff)]) << 8 |
               std::uint32_t(m_channel[2][row + int(dest & 0xff)]);
    }

    // A channel value in linear light, 0-65535.
    int toLinear(int value) const { return m_toLinear[std::size_t(value)]; }

private:
    void fillTable(std::vector<std::uint8_t> &table, int value) const;

    QRgb m_pen = 0;
    std::array<std::uint16_t, 256> m_toLinear{};
    std::vector<std::uint8_t> m_fromLinear; // by linear value
    // Result by coverage * 256 + destination value, for the pen value kept.
    std::array<std::vector<std::uint8_t>, 3> m_tables;
    std::array<int, 3> m_tableValue{-1, -1, -1};
    std::array<const std::uint8_t *, 3> m_channel{}; // red, green, blue
};

// Where a laid-out line covers pixels, and how much, measured once by having
// Qt draw it. Drawn with its top-left corner on a whole pixel, a line covers
// the same pixels by the same amounts wherever it goes.
class TextCoverage
{
public:
    TextCoverage() = default;

    // Measures `layout` drawn in `font` with its top-left corner at a whole
    // pixel, over its line box `box` and `margin` pixels around it. The result
    // is checked against Qt's own drawing with `check`'s pen over a varied
    // background: a line that comes out further apart (another text gamma,
    // colour antialiasing) is not usable and is left to Qt.
    static TextCoverage measure(const QStaticText &layout, const QFont &font, QSize box, int margin,
                                const PenBlend &check);

    bool usable() const { return m_usable; }

    // Blends the line with `pen` into the pixels of an image of `size` (rows
    // `stride` pixels apart), its
    // box's top-left corner at `at`, clipped at the image's edges.
    void blend(std::uint32_t *pixels, qsizetype stride, QSize size, QPoint at,
               const PenBlend &pen) const;

private:
    // Pixels of one row, relative to the box's top-left corner, whose
    // coverages start at m_coverage[first].
    struct Run
    {
        int y;
        int x;
        int length;
        int first;
    };

    std::vector<Run> m_runs;
    std::vector<std::uint8_t> m_coverage;
    bool m_usable = false;
};

} // namespace fw

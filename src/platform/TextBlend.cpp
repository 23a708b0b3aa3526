// Text blended by our own code from coverage Qt measured once: the same
// picture as Qt's drawing, without its cost on every frame.
#include "platform/TextBlend.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace fw {

namespace {

constexpr int LinearMax = 65535;
// How far our blend may come from Qt's in any channel: the coverage is
// measured back to whole levels, and where the gamma curve is steep a level
// of coverage moves the result by a few.
constexpr int MostApart = 6;

QImage drawn(const QStaticText &layout, const QFont &font, const QImage &under, int margin,
             QRgb pen)
{
    QImage image = under.copy();
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(pen));
    painter.drawStaticText(QPointF(margin, margin), layout);
    return image;
}

QImage plain(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Every channel value in many combinations, so that a blend that is off
// shows somewhere.
QImage varied(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            row[x] = qRgb((x * 37 + y * 11) & 0xff, (x * 5 + y * 67) & 0xff,
                          (x * 113 + y * 7 + 91) & 0xff);
    }
    return image;
}

int largestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *p = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *q = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            largest = std::max({largest, std::abs(qRed(p[x]) - qRed(q[x])),
                                std::abs(qGreen(p[x]) - qGreen(q[x])),
                                std::abs(qBlue(p[x]) - qBlue(q[x]))});
        }
    }
    return largest;
}

bool isGrey(QRgb pixel)
{
    return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
}

} // namespace

PenBlend::PenBlend(double gamma) : m_fromLinear(LinearMax + 1)
{
    for (int i = 0; i < 256; ++i)
        m_toLinear[std::size_t(i)] =
            std::uint16_t(std::lround(LinearMax * std::pow(i / 255.0, gamma)));
    // Back from linear light to the nearest channel value: each value takes
    // the linear values from halfway below it to halfway above it.
    std::size_t linear = 0;
    for (int value = 0; value < 256; ++value) {
        const double upper = LinearMax * std::pow(std::min((value + 0.5) / 255.0, 1.0), gamma);
        for (; linear <= std::size_t(LinearMax) && (value == 255 || double(linear) < upper);
             ++linear)
            m_fromLinear[linear] = std::uint8_t(value);
    }
    m_pen = qRgb(1, 1, 1); // differs from the pen set next, so every table is made
    setPen(qRgb(0, 0, 0));
}

void PenBlend::fillTable(std::vector<std::uint8_t> &table, int value) const
{
    table.resize(256 * 256);
    const int pen = toLinear(value);
    for (int coverage = 0; coverage < 256; ++coverage) {
        std::uint8_t *row = table.data() + coverage * 256;
        for (int dest = 0; dest < 256; ++dest) {
            const int linear = (pen * coverage + toLinear(dest) * (255 - coverage) + 127) / 255;
            row[dest] = m_fromLinear[std::size_t(linear)];
        }
        // Where a glyph covers a pixel wholly, Qt writes the pen as it is.
        if (coverage == 255)
            std::fill_n(row, 256, std::uint8_t(value));
        if (coverage == 0)
            for (int dest = 0; dest < 256; ++dest)
                row[dest] = std::uint8_t(dest);
    }
}

void PenBlend::setPen(QRgb pen)
{
    pen |= 0xff000000u;
    if (pen == m_pen)
        return;
    m_pen = pen;
    const std::array<int, 3> values{qRed(pen), qGreen(pen), qBlue(pen)};
    // Tables already made for a value are kept; the others are made anew in
    // slots no channel of this pen needs.
    std::array<bool, 3> taken{};
    std::array<bool, 3> found{};
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t k = 0; k < 3; ++k) {
            if (m_tableValue[k] == values[i]) {
                m_channel[i] = m_tables[k].data();
                taken[k] = found[i] = true;
                break;
            }
        }
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (found[i])
            continue;
        const auto k = std::size_t(std::find(taken.begin(), taken.end(), false) - taken.begin());
        fillTable(m_tables[k], values[i]);
        m_tableValue[k] = values[i];
        taken[k] = true;
        m_channel[i] = m_tables[k].data();
        // A later channel of the same value shares this table.
        for (std::size_t j = i + 1; j < 3; ++j) {
            if (!found[j] && values[j] == values[i]) {
                m_channel[j] = m_channel[i];
                found[j] = true;
            }
        }
    }
}

TextCoverage TextCoverage::measure(const QStaticText &layout, const QFont &font, QSize box,
                                   int margin, const PenBlend &check)
{
    TextCoverage result;
    const QSize area = box.grownBy(QMargins(margin, margin, margin, margin));
    if (area.isEmpty())
        return result;
    // White on black and black on white: the darker of the two results is the
    // finer measure of coverage, where the gamma curve is flat.
    const QImage light =
        drawn(layout, font, plain(area, qRgb(0, 0, 0)), margin, qRgb(255, 255, 255));
    const QImage dark =
        drawn(layout, font, plain(area, qRgb(255, 255, 255)), margin, qRgb(0, 0, 0));
    for (int y = 0; y < area.height(); ++y) {
        const auto *up = reinterpret_cast<const QRgb *>(light.constScanLine(y));
        const auto *down = reinterpret_cast<const QRgb *>(dark.constScanLine(y));
        for (int x = 0; x < area.width(); ++x) {
            if (!isGrey(up[x]) || !isGrey(down[x]))
                return result; // coloured antialiasing
            const int onBlack = qRed(up[x]), onWhite = qRed(down[x]);
            const int linear = onBlack <= 255 - onWhite ? check.toLinear(onBlack)
                                                        : LinearMax - check.toLinear(onWhite);
            const int coverage = (linear * 255 + LinearMax / 2) / LinearMax;
            if (coverage == 0)
                continue;
            Run *last = result.m_runs.empty() ? nullptr : &result.m_runs.back();
            if (last && last->y == y - margin && last->x + last->length == x - margin)
                ++last->length;
            else
                result.m_runs.push_back({y - margin, x - margin, 1, int(result.m_coverage.size())});
            result.m_coverage.push_back(std::uint8_t(coverage));
        }
    }
    const QImage background = varied(area);
    QImage ours = background.copy();
    result.blend(reinterpret_cast<std::uint32_t *>(ours.bits()), ours.bytesPerLine() / 4, area,
                 QPoint(margin, margin), check);
    result.m_usable =
        largestDifference(ours, drawn(layout, font, background, margin, check.pen())) <= MostApart;
    return result;
}

void TextCoverage::blend(std::uint32_t *pixels, qsizetype stride, QSize size, QPoint at,
                         const PenBlend &pen) const
{
    for (const Run &run : m_runs) {
        const int y = at.y() + run.y;
        if (y < 0 || y >= size.height())
            continue;
        const int start = at.x() + run.x;
        const int from = std::max(start, 0);
        const int to = std::min(start + run.length, size.width());
        std::uint32_t *row = pixels + y * stride;
        const std::uint8_t *coverage = m_coverage.data() + run.first;
        for (int x = from; x < to; ++x)
            row[x] = pen.blend(row[x], coverage[x - start]);
    }
}

} // namespace fw

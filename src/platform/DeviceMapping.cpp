#include "platform/DeviceMapping.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace fw {

namespace {

constexpr std::uint32_t OpaqueAlpha = 0xff000000u;
constexpr int FullWeight = 256;

// a and b weighted (256 - w) : w, both colour pairs of a word at once.
inline std::uint32_t mix(std::uint32_t a, std::uint32_t b, int w)
{
    const std::uint32_t keep = std::uint32_t(FullWeight - w);
    const std::uint32_t take = std::uint32_t(w);
    const std::uint32_t redBlue =
        (((a & 0xff00ffu) * keep + (b & 0xff00ffu) * take) >> 8) & 0xff00ffu;
    const std::uint32_t green =
        (((a & 0x00ff00u) * keep + (b & 0x00ff00u) * take) >> 8) & 0x00ff00u;
    return redBlue | green | OpaqueAlpha;
}

// Rounds toward minus infinity, for positions left of or above the image.
qint64 floorDivide(qint64 value, qint64 divisor)
{
    const qint64 quotient = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

} // namespace

DeviceMapping::DeviceMapping(QSize logical, QRect device) : m_logical(logical), m_device(device)
{
    if (m_logical.isEmpty() || m_device.isEmpty()) {
        m_logical = QSize();
        m_device = QRect();
        return;
    }
    m_columns = taps(logical.width(), device.width());
    m_rows = taps(logical.height(), device.height());
}

std::vector<DeviceMapping::Tap> DeviceMapping::taps(int logical, int device)
{
    std::vector<Tap> result(static_cast<std::size_t>(device));
    const qint64 l = logical;
    const qint64 d = device;
    for (qint64 i = 0; i < d; ++i) {
        Tap &tap = result[std::size_t(i)];
        if (d < l) {
            // Scaling down: the logical pixel under the device pixel's centre.
            tap.first = int((2 * i + 1) * l / (2 * d));
            continue;
        }
        // Device pixel i covers [i*l, (i+1)*l) in units of 1/d logical pixel.
        tap.first = int(i * l / d);
        const qint64 end = (i + 1) * l;
        const qint64 boundary = qint64(tap.first + 1) * d;
        if (end > boundary && tap.first + 1 < logical)
            tap.weight =
                int(std::min<qint64>(FullWeight, ((end - boundary) * FullWeight + l / 2) / l));
    }
    return result;
}

int DeviceMapping::toDeviceStart(int logical, int logicalSize, int deviceSize)
{
    return int(floorDivide(qint64(logical) * deviceSize, logicalSize));
}

QRect DeviceMapping::toDevice(const QRect &logical) const
{
    const QRect inside = logical & QRect(QPoint(0, 0), m_logical);
    if (inside.isEmpty())
        return QRect();
    if (isIdentity())
        return inside.translated(m_device.topLeft());
    const int w = m_logical.width();
    const int h = m_logical.height();
    const int dw = m_device.width();
    const int dh = m_device.height();
    // A pixel at the edge of a fractional step blends its neighbour, so the
    // device range is rounded outward at both ends.
    const int left = toDeviceStart(inside.left(), w, dw);
    const int top = toDeviceStart(inside.top(), h, dh);
    const int right = -toDeviceStart(-(inside.right() + 1), w, dw);
    const int bottom = -toDeviceStart(-(inside.bottom() + 1), h, dh);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).translated(m_device.topLeft()) &
           m_device;
}

QPointF DeviceMapping::toLogical(QPointF device) const
{
    if (m_device.isEmpty())
        return device;
    return QPointF((device.x() - m_device.x()) * m_logical.width() / m_device.width(),
                   (device.y() - m_device.y()) * m_logical.height() / m_device.height());
}

void DeviceMapping::render(const QImage &source, const QRect &area, std::uint32_t *target,
                           qsizetype targetStride, QPoint targetOrigin) const
{
    const QRect inside = area & m_device;
    if (inside.isEmpty() || source.size() != m_logical || source.depth() != 32)
        return;
    const auto *const sourceBits = reinterpret_cast<const std::uint32_t *>(source.constBits());
    const qsizetype sourceStride = source.bytesPerLine() / 4;
    const qsizetype stride = targetStride / 4;
    const int firstColumn = inside.x() - m_device.x();
    std::uint32_t *out = target + qsizetype(inside.y() - targetOrigin.y()) * stride +
                         (inside.x() - targetOrigin.x());
    for (int y = inside.top(); y <= inside.bottom(); ++y, out += stride) {
        const Tap &row = m_rows[std::size_t(y - m_device.y())];
        const std::uint32_t *top = sourceBits + qsizetype(row.first) * sourceStride;
        if (isIdentity()) {
            std::memcpy(out, top + firstColumn, std::size_t(inside.width()) * 4);
            continue;
        }
        renderRow(top, top + sourceStride, row.weight, firstColumn, inside.width(), out);
    }
}

void DeviceMapping::renderRow(const std::uint32_t *top, const std::uint32_t *bottom, int rowWeight,
                              int firstColumn, int columns, std::uint32_t *out) const
{
    const Tap *column = m_columns.data() + firstColumn;
    for (int i = 0; i < columns; ++i, ++column) {
        const int x = column->first;
        std::uint32_t pixel = column->weight ? mix(top[x], top[x + 1], column->weight) : top[x];
        if (rowWeight) {
            const std::uint32_t below =
                column->weight ? mix(bottom[x], bottom[x + 1], column->weight) : bottom[x];
            pixel = mix(pixel, below, rowWeight);
        }
        out[i] = pixel | OpaqueAlpha;
    }
}

QRect fitInside(QSize logical, const QRect &target)
{
    if (logical.isEmpty() || target.isEmpty())
        return QRect();
    const double scale = std::min(double(target.width()) / logical.width(),
                                  double(target.height()) / logical.height());
    const int width = std::clamp(int(std::lround(logical.width() * scale)), 1, target.width());
    const int height = std::clamp(int(std::lround(logical.height() * scale)), 1, target.height());
    return QRect(target.x() + (target.width() - width) / 2,
                 target.y() + (target.height() - height) / 2, width, height);
}

} // namespace fw

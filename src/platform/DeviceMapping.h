#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <vector>

namespace fw {

// Shows an image of logical pixels on a rectangle of device pixels of any
// size: the same size copies, a larger one scales up, a smaller one (a
// further monitor smaller than the primary) scales down.
//
// Scaling up, each device pixel takes the logical pixels it covers weighted
// by how much of it each covers. At whole ratios that is plain pixel
// doubling; at fractional ratios every logical pixel keeps its exact width on
// average, with at most one blended device pixel at its edges, where nearest
// neighbour would make one column in four (at 1.25) twice as wide and a fish
// shimmer as its stripes cross those columns. Scaling down, each device
// pixel takes the logical pixel at its centre.
class DeviceMapping
{
public:
    DeviceMapping() = default;
    // `device` is where the logical image lands, in the target's pixels.
    DeviceMapping(QSize logical, QRect device);

    QSize logicalSize() const { return m_logical; }
    QRect deviceRect() const { return m_device; }
    bool isIdentity() const { return m_device.size() == m_logical; }

    // The device pixels that show any part of `logical`, within deviceRect().
    QRect toDevice(const QRect &logical) const;
    // The logical position shown at a device position (fractions kept);
    // outside the image it goes on at the same scale, so a margin has
    // coordinates too.
    QPointF toLogical(QPointF device) const;

    // Writes the pixels of `area` (device coordinates, cut to deviceRect())
    // from `source` (32-bit, logicalSize()) into the 32-bit buffer `target`,
    // whose first pixel lies at device position `targetOrigin`.
    void render(const QImage &source, const QRect &area, std::uint32_t *target,
                qsizetype targetStride, QPoint targetOrigin) const;

private:
    // One device column or row: the first logical pixel it takes and the
    // weight (0-256) of the next one.
    struct Tap
    {
        int first = 0;
        int weight = 0;
    };
    static std::vector<Tap> taps(int logical, int device);
    static int toDeviceStart(int logical, int logicalSize, int deviceSize);
    void renderRow(const std::uint32_t *top, const std::uint32_t *bottom, int rowWeight,
                   int firstColumn, int columns, std::uint32_t *out) const;

    QSize m_logical;
    QRect m_device;
    std::vector<Tap> m_columns;
    std::vector<Tap> m_rows;
};

// Where an image of `logical` size lands when scaled to fit `target` with its
// proportions kept, centred.
QRect fitInside(QSize logical, const QRect &target);

} // namespace fw

#include "platform/DeviceMapping.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <vector>

using namespace fw;

namespace {

QImage grey(const std::vector<int> &row)
{
    QImage image(int(row.size()), 1, QImage::Format_RGB32);
    for (int x = 0; x < int(row.size()); ++x)
        image.setPixel(x, 0, qRgb(row[x], row[x], row[x]));
    return image;
}

// The whole image rendered, one word a device pixel, row after row.
std::vector<std::uint32_t> renderAll(const DeviceMapping &mapping, const QImage &source)
{
    const QRect device = mapping.deviceRect();
    std::vector<std::uint32_t> out(std::size_t(device.width() * device.height()), 0);
    mapping.render(source, device, out.data(), device.width() * 4, device.topLeft());
    return out;
}

std::vector<int> reds(const std::vector<std::uint32_t> &pixels)
{
    std::vector<int> result;
    for (std::uint32_t pixel : pixels)
        result.push_back(qRed(pixel));
    return result;
}

QImage randomImage(QSize size, QRandomGenerator &random)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, random.generate() | 0xff000000u);
    return image;
}

} // namespace

TEST(DeviceMapping, SameSizeCopiesAndWholeRatiosRepeatEachPixel)
{
    const QImage source = grey({10, 20, 30});
    const DeviceMapping same(source.size(), QRect(0, 0, 3, 1));
    EXPECT_TRUE(same.isIdentity());
    EXPECT_EQ(reds(renderAll(same, source)), (std::vector<int>{10, 20, 30}));

    const DeviceMapping doubled(source.size(), QRect(0, 0, 6, 2));
    EXPECT_EQ(reds(renderAll(doubled, source)),
              (std::vector<int>{10, 10, 20, 20, 30, 30, 10, 10, 20, 20, 30, 30}));
    EXPECT_EQ(doubled.toDevice(QRect(1, 0, 1, 1)), QRect(2, 0, 2, 2));
    EXPECT_EQ(doubled.toLogical(QPointF(5, 1)), QPointF(2.5, 0.5));

    const DeviceMapping tripled(source.size(), QRect(0, 0, 9, 3));
    EXPECT_EQ(tripled.toDevice(QRect(2, 0, 1, 1)), QRect(6, 0, 3, 3));
    EXPECT_EQ(reds(renderAll(tripled, source))[6], 30);
}

TEST(DeviceMapping, FractionalRatiosWeighByCoveredArea)
{
    // Four logical pixels on five device pixels (1.25): device pixel 1
    // covers [0.8, 1.6), three quarters of it logical pixel 1; device pixel
    // 2 covers [1.6, 2.4), half of it logical pixel 1.
    const QImage source = grey({0, 255, 0, 0});
    const DeviceMapping mapping(source.size(), QRect(0, 0, 5, 1));
    EXPECT_EQ(reds(renderAll(mapping, source)), (std::vector<int>{0, 191, 127, 0, 0}));
    // A plain area stays exactly its colour, and pixels are opaque.
    const QImage plain = grey({77, 77, 77, 77});
    for (std::uint32_t pixel : renderAll(mapping, plain))
        EXPECT_EQ(pixel, 0xff4d4d4du);
    // Both ends of the changed pixel's device range are rounded outward.
    EXPECT_EQ(mapping.toDevice(QRect(1, 0, 1, 1)), QRect(1, 0, 2, 1));
    EXPECT_EQ(mapping.toLogical(QPointF(2, 0)), QPointF(1.6, 0));
}

TEST(DeviceMapping, ScalingDownTakesTheCentrePixel)
{
    const QImage source = grey({10, 20, 30, 40});
    const DeviceMapping mapping(source.size(), QRect(0, 0, 2, 1));
    EXPECT_EQ(reds(renderAll(mapping, source)), (std::vector<int>{20, 40}));
    EXPECT_EQ(mapping.toLogical(QPointF(1, 0)), QPointF(2, 0));
}

// What the presentation relies on: a change inside a logical rectangle never
// alters a device pixel outside its device rectangle, at any ratio, so
// repainting only those rectangles keeps the screen equal to a full render.
TEST(DeviceMapping, AChangeStaysInsideItsDeviceRectangle)
{
    QRandomGenerator random(7);
    const QSize logical(23, 17);
    const std::vector<QRect> devices{QRect(0, 0, 23, 17), QRect(0, 0, 46, 34), QRect(0, 0, 29, 21),
                                     QRect(5, 3, 35, 26), QRect(0, 0, 69, 51), QRect(0, 0, 15, 11),
                                     QRect(-4, 2, 31, 22)};
    for (const QRect &device : devices) {
        const DeviceMapping mapping(logical, device);
        for (int round = 0; round < 40; ++round) {
            QImage before = randomImage(logical, random);
            const QRect changed(int(random.bounded(logical.width())),
                                int(random.bounded(logical.height())), 1 + int(random.bounded(6)),
                                1 + int(random.bounded(6)));
            QImage after = before.copy();
            for (int y = changed.top(); y <= changed.bottom() && y < logical.height(); ++y)
                for (int x = changed.left(); x <= changed.right() && x < logical.width(); ++x)
                    after.setPixel(x, y, ~after.pixel(x, y) | 0xff000000u);
            const std::vector<std::uint32_t> a = renderAll(mapping, before);
            const std::vector<std::uint32_t> b = renderAll(mapping, after);
            const QRect allowed = mapping.toDevice(changed);
            for (int i = 0; i < int(a.size()); ++i) {
                const QPoint at(device.x() + i % device.width(), device.y() + i / device.width());
                if (a[std::size_t(i)] != b[std::size_t(i)])
                    ASSERT_TRUE(allowed.contains(at))
                        << "device " << device.width() << "x" << device.height() << " pixel "
                        << at.x() << "," << at.y();
            }
        }
    }
}

TEST(DeviceMapping, RendersPartsIntoAnOffsetBufferAndNothingElse)
{
    const QImage source = grey({1, 2, 3, 4});
    const DeviceMapping mapping(source.size(), QRect(10, 0, 8, 2));
    // A buffer for device pixels 8..19 of row 0.
    std::vector<std::uint32_t> buffer(12, 0);
    mapping.render(source, QRect(12, 0, 20, 1), buffer.data(), 12 * 4, QPoint(8, 0));
    EXPECT_EQ(reds(buffer), (std::vector<int>{0, 0, 0, 0, 2, 2, 3, 3, 4, 4, 0, 0}));
    EXPECT_EQ(mapping.toLogical(QPointF(9, 0)), QPointF(-0.5, 0)); // left of the image
}

TEST(DeviceMapping, FitKeepsProportionsCentred)
{
    EXPECT_EQ(fitInside(QSize(1920, 1080), QRect(0, 0, 1280, 1024)), QRect(0, 152, 1280, 720));
    EXPECT_EQ(fitInside(QSize(1920, 1080), QRect(0, 0, 3840, 2160)), QRect(0, 0, 3840, 2160));
    EXPECT_EQ(fitInside(QSize(800, 600), QRect(0, 0, 1920, 1080)), QRect(240, 0, 1440, 1080));
    EXPECT_TRUE(fitInside(QSize(), QRect(0, 0, 10, 10)).isEmpty());
}

#include "platform/PixelStorage.h"
#include "platform/Surface.h"

#include <gtest/gtest.h>

#include <functional>
#include <list>
#include <vector>

using fw::PixelStorage;
using fw::RasterOp;
using fw::Surface;

namespace {

// Stands for a window system that reads the shown pixels from the storage
// some time after show(): until the surface has waited, they must not change.
class ReadingStorage final : public PixelStorage
{
public:
    QImage allocate(QSize size) override
    {
        if (refuse)
            return QImage();
        std::vector<std::uint32_t> &buffer = m_buffers.emplace_back(
            std::size_t(size.width()) * std::size_t(size.height()), 0xdeadbeefu);
        return QImage(reinterpret_cast<uchar *>(buffer.data()), size.width(), size.height(),
                      qsizetype(size.width()) * 4, QImage::Format_RGB32);
    }

    void waitUntilRead() override
    {
        if (!m_reading)
            return;
        EXPECT_EQ(m_buffers.back(), m_shown) << "pixels changed while they were being read";
        m_reading = false;
    }

    void show()
    {
        m_shown = m_buffers.back();
        m_reading = true;
    }

    bool reading() const { return m_reading; }
    const std::uint32_t *latest() const { return m_buffers.back().data(); }
    std::size_t allocations() const { return m_buffers.size(); }

    bool refuse = false;

private:
    // Each image keeps pointing at its own buffer, so none is ever moved.
    std::list<std::vector<std::uint32_t>> m_buffers;
    std::vector<std::uint32_t> m_shown;
    bool m_reading = false;
};

} // namespace

TEST(PixelStorage, TheSurfaceKeepsItsPixelsThereFromEveryNewSizeOn)
{
    ReadingStorage storage;
    Surface surface;
    surface.setStorage(&storage);
    surface.setBackColor(0x0000ff);
    surface.resize(QSize(40, 30));
    ASSERT_EQ(storage.allocations(), 1u);
    EXPECT_EQ(surface.image().constBits(), reinterpret_cast<const uchar *>(storage.latest()));
    EXPECT_EQ(surface.image().pixel(39, 29), 0xffff0000u); // filled, red in the low byte

    surface.resize(QSize(40, 30));
    EXPECT_EQ(storage.allocations(), 1u);
    surface.resize(QSize(20, 10));
    ASSERT_EQ(storage.allocations(), 2u);
    EXPECT_EQ(surface.image().constBits(), reinterpret_cast<const uchar *>(storage.latest()));

    // Storage that has none to give: the surface works on the heap.
    storage.refuse = true;
    surface.resize(QSize(8, 8));
    EXPECT_EQ(surface.size(), QSize(8, 8));
    surface.fill(0, 0, 8, 8);
    EXPECT_EQ(surface.image().pixel(7, 7), 0xffff0000u);
}

TEST(PixelStorage, EveryWriteWaitsUntilTheShownPixelsHaveBeenRead)
{
    ReadingStorage storage;
    Surface surface;
    surface.setStorage(&storage);
    surface.resize(QSize(64, 48));
    QImage sprite(10, 10, QImage::Format_RGB32);
    sprite.fill(0x00ff8040);

    const std::vector<std::pair<const char *, std::function<void()>>> writes{
        {"fill", [&] { surface.fill(1, 1, 5, 5); }},
        {"cls",
         [&] {
             surface.setBackColor(0x123456);
             surface.cls();
         }},
        {"copy", [&] { surface.bitBlt(3, 3, 10, 10, sprite, 0, 0, RasterOp::SrcCopy); }},
        {"and", [&] { surface.bitBlt(5, 5, 10, 10, sprite, 0, 0, RasterOp::SrcAnd); }},
        {"or", [&] { surface.bitBlt(7, 7, 10, 10, sprite, 0, 0, RasterOp::SrcPaint); }},
        {"within itself",
         [&] { surface.bitBlt(0, 0, 20, 20, surface.image(), 4, 4, RasterOp::SrcCopy); }},
        {"print",
         [&] {
             surface.setForeColor(0xffffff);
             surface.currentX = 2;
             surface.currentY = 2;
             surface.print(u"魚");
         }},
        {"print again with the same painter", [&] { surface.printInline(u"x"); }},
    };
    for (const auto &[name, write] : writes) {
        SCOPED_TRACE(name);
        storage.show();
        write();
        EXPECT_FALSE(storage.reading()) << "wrote without waiting";
    }
    EXPECT_EQ(surface.image().constBits(), reinterpret_cast<const uchar *>(storage.latest()));
}

#pragma once

#include "platform/DeviceMapping.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>

struct xcb_connection_t;

namespace fw {

// Shows changed rectangles of an image in an X11 window through a shared
// memory segment, without going through Qt's backing store: the rectangles are
// copied once into the segment, scaled to device pixels on the way, and the X
// server reads them from there. Only
// works on the xcb platform with the MIT-SHM extension and a 24-bit true-colour
// window; available() says whether it can be used at all.
class X11Presenter
{
public:
    X11Presenter();
    ~X11Presenter();
    X11Presenter(const X11Presenter &) = delete;
    X11Presenter &operator=(const X11Presenter &) = delete;

    bool available() const { return m_connection != nullptr; }

    // Sends the device rectangles `rects` (the mapping's device pixels) of
    // `image` shown through `mapping` to `window`, placed at `offset` and
    // clipped to `clip` (the window's pixels). False when the window cannot
    // take the image's pixels as they are, or the segment cannot be made: the
    // caller then repaints through Qt.
    bool present(const QImage &image, const DeviceMapping &mapping, const QRect *rects, int count,
                 std::uint32_t window, QPoint offset, const QRect &clip);

private:
    bool prepareWindow(std::uint32_t window);
    bool prepareSegment(QSize size);
    void releaseSegment();
    void waitForServer();

    xcb_connection_t *m_connection = nullptr;
    std::uint32_t m_window = 0;
    bool m_windowUsable = false;
    std::uint8_t m_depth = 0;
    std::uint32_t m_gc = 0;
    std::uint32_t m_segment = 0;
    std::uint32_t *m_bits = nullptr;
    QSize m_size;
    // The X server reads the segment after we return; it must be done before
    // the next frame writes into it.
    bool m_syncPending = false;
    unsigned int m_syncSequence = 0;
};

} // namespace fw

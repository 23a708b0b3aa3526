#pragma once

#include "platform/DeviceMapping.h"
#include "platform/PixelStorage.h"
#include "platform/SegmentSharing.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <memory>
#include <vector>

struct xcb_connection_t;
struct xcb_rectangle_t;

namespace fw {

class X11Connection;
struct X11Segment;

// Shows changed rectangles of an image in an X11 window through shared memory,
// without going through Qt's backing store. As pixel storage it gives out
// images on segments the X server can read: an image shown at its own size
// from there is sent without any copy. Other images, and any at a device
// pixel ratio, are copied (scaled on the way) into a segment of device pixels
// first. Only works on the xcb platform with the MIT-SHM extension and a
// 24-bit true-colour window; available() says whether it can be used at all,
// sharesMemory() whether the server takes our segments. Where frames can go
// to a window of the view's own, they go over a connection of ours, whose
// answers wake none of Qt's threads.
class X11Presenter final : public PixelStorage
{
public:
    X11Presenter();
    ~X11Presenter() override;
    X11Presenter(const X11Presenter &) = delete;
    X11Presenter &operator=(const X11Presenter &) = delete;

    bool available() const { return m_connection != nullptr; }
    // Whether frames go over a connection of our own rather than Qt's: then
    // only windows that Qt never paints may be presented to.
    bool usesOwnConnection() const { return m_own != nullptr; }
    // Whether the X server takes our segments, found out by making one when
    // none has been made yet. Once it has refused, nothing is tried again.
    bool sharesMemory();
    // Whether windows made with the screen's default visual take our pixels
    // as they are.
    bool defaultVisualUsable() const;

    // Sends the device rectangles `rects` (the mapping's device pixels) of
    // `image` shown through `mapping` to `window`, placed at `offset` and
    // clipped to `clip` (the window's pixels). False when the window cannot
    // take the image's pixels as they are, or the segment cannot be made: the
    // caller then repaints through Qt.
    bool present(const QImage &image, const DeviceMapping &mapping, const QRect *rects, int count,
                 std::uint32_t window, QPoint offset, const QRect &clip);

    // Fills device rectangles of `window` with black.
    bool fillBlack(std::uint32_t window, const QRect *rects, int count);

    QImage allocate(QSize size) override;
    void waitUntilRead() override { waitForServer(); }

private:
    bool useOwnConnection(xcb_connection_t *application);
    bool prepareWindow(std::uint32_t window);
    // Makes the device segment `size` large; an empty size frees it.
    bool prepareDeviceSegment(QSize size);
    // The segment an image's pixels lie in, if it is one of ours and holds
    // them as a whole image of its own.
    const X11Segment *segmentHolding(const QImage &image) const;
    void waitForServer();

    // Null without the xcb platform or the shared-memory extension.
    xcb_connection_t *m_connection = nullptr;
    // Ours, when frames go over it; Qt's is then kept to wait for the windows
    // it makes.
    std::shared_ptr<X11Connection> m_own;
    xcb_connection_t *m_application = nullptr;
    SegmentSharing m_sharing{SharingOffer{}};
    std::uint32_t m_window = 0;
    bool m_windowUsable = false;
    std::uint8_t m_depth = 0;
    std::uint32_t m_gc = 0;
    // Device pixels for images that are not shown as they are.
    std::shared_ptr<X11Segment> m_deviceSegment;
    // The segment of the image last given out; the image owns it as well.
    std::weak_ptr<X11Segment> m_imageSegment;
    // The X server reads the segment after we return; it must be done before
    // the next frame writes into it.
    bool m_syncPending = false;
    // A frame's rectangles in the window, kept to spare an allocation each.
    std::vector<xcb_rectangle_t> m_clipRects;
    unsigned int m_syncSequence = 0;
};

} // namespace fw

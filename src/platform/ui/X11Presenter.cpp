#include "platform/ui/X11Presenter.h"

#include "platform/ui/X11Connection.h"
#include "platform/ui/X11Segment.h"

#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace fw {

namespace {

// The visual a window uses, looked up in the screens' lists.
const xcb_visualtype_t *findVisual(xcb_connection_t *connection, xcb_visualid_t id)
{
    for (auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection)); screens.rem;
         xcb_screen_next(&screens)) {
        for (auto depths = xcb_screen_allowed_depths_iterator(screens.data); depths.rem;
             xcb_depth_next(&depths)) {
            for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem;
                 xcb_visualtype_next(&visuals)) {
                if (visuals.data->visual_id == id)
                    return visuals.data;
            }
        }
    }
    return nullptr;
}

// Whether a depth is stored as 32 bits a pixel in Z format.
bool hasPixelsOf32Bits(xcb_connection_t *connection, std::uint8_t depth)
{
    const xcb_setup_t *setup = xcb_get_setup(connection);
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return false;
    for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem;
         xcb_format_next(&formats)) {
        if (formats.data->depth == depth)
            return formats.data->bits_per_pixel == 32;
    }
    return false;
}

// Whether a window of this visual and depth reads our 0xAARRGGBB words in
// memory order as they are.
bool takesOurPixels(xcb_connection_t *connection, const xcb_visualtype_t *visual,
                    std::uint8_t depth)
{
    return visual && visual->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
           visual->red_mask == 0xff0000u && visual->green_mask == 0xff00u &&
           visual->blue_mask == 0xffu && (depth == 24 || depth == 32) &&
           hasPixelsOf32Bits(connection, depth);
}

} // namespace

X11Presenter::X11Presenter()
{
    xcb_connection_t *application = applicationConnection();
    if (!application || useOwnConnection(application))
        return;
    m_sharing = SegmentSharing(sharingOffer(application));
    if (m_sharing.possible())
        m_connection = application;
}

bool X11Presenter::useOwnConnection(xcb_connection_t *application)
{
    // Only where frames can go to a window of the view's own from our
    // segments: a window Qt paints too would get its pixels from two
    // connections, whose requests the server may take in either order.
    std::shared_ptr<X11Connection> own = X11Connection::openBeside(application);
    if (!own)
        return false;
    m_own = own;
    m_connection = own->get();
    m_sharing = SegmentSharing(sharingOffer(m_connection));
    if (m_sharing.possible() && sharesMemory() && defaultVisualUsable()) {
        m_application = application;
        return true;
    }
    m_own.reset();
    m_connection = nullptr;
    m_sharing = SegmentSharing(SharingOffer{});
    return false;
}

bool X11Presenter::sharesMemory()
{
    if (!m_connection)
        return false;
    // Decided by a small segment when nothing has been attached yet.
    if (!m_sharing.method())
        X11Segment::attach(m_connection, m_own, m_sharing, QSize(1, 1));
    return m_sharing.possible();
}

bool X11Presenter::defaultVisualUsable() const
{
    if (!m_connection)
        return false;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    return screen && takesOurPixels(m_connection, findVisual(m_connection, screen->root_visual),
                                    screen->root_depth);
}

X11Presenter::~X11Presenter()
{
    if (!m_connection)
        return;
    waitForServer();
    m_deviceSegment.reset();
    if (m_gc)
        xcb_free_gc(m_connection, m_gc);
    xcb_flush(m_connection);
}

QImage X11Presenter::allocate(QSize size)
{
    if (!m_connection)
        return QImage();
    std::shared_ptr<X11Segment> segment = X11Segment::attach(m_connection, m_own, m_sharing, size);
    if (!segment)
        return QImage();
    m_imageSegment = segment;
    // The image holds the segment; it is released when the image's last
    // copy goes, whichever of us ends first.
    auto *owner = new std::shared_ptr<X11Segment>(segment);
    return QImage(
        static_cast<uchar *>(segment->address), size.width(), size.height(),
        qsizetype(size.width()) * 4, QImage::Format_RGB32,
        [](void *info) { delete static_cast<std::shared_ptr<X11Segment> *>(info); }, owner);
}

const X11Segment *X11Presenter::segmentHolding(const QImage &image) const
{
    const std::shared_ptr<X11Segment> segment = m_imageSegment.lock();
    if (!segment || image.constBits() != segment->address || image.size() != segment->size ||
        image.bytesPerLine() != qsizetype(segment->size.width()) * 4)
        return nullptr;
    return segment.get();
}

bool X11Presenter::present(const QImage &image, const DeviceMapping &mapping, const QRect *rects,
                           int count, std::uint32_t window, QPoint offset, const QRect &clip)
{
    if (!m_connection || !m_sharing.possible() || image.format() != QImage::Format_RGB32 ||
        !prepareWindow(window))
        return false;
    waitForServer();
    const QRect whole = mapping.deviceRect();
    // An image in a segment of ours shown pixel for pixel goes as it is, and
    // needs no device pixels besides (back from a monitor of another ratio,
    // they are given back).
    const X11Segment *source = mapping.isIdentity() ? segmentHolding(image) : nullptr;
    if (!prepareDeviceSegment(source ? QSize() : whole.size()))
        return false;
    if (!source)
        source = m_deviceSegment.get();

    // The device segment holds the mapping's device rectangle; only the
    // rectangles sent are written, the rest is never read, so it need not be
    // current.
    const bool copied = source == m_deviceSegment.get();
    const QRect shown = whole & clip.translated(-offset);
    m_clipRects.clear();
    QRect bounds;
    for (int i = 0; i < count; ++i) {
        const QRect area = rects[i] & shown;
        if (area.isEmpty())
            continue;
        if (copied)
            mapping.render(image, area, static_cast<std::uint32_t *>(source->address),
                           qsizetype(source->size.width()) * 4, whole.topLeft());
        const QPoint to = area.topLeft() + offset;
        m_clipRects.push_back({std::int16_t(to.x()), std::int16_t(to.y()),
                               std::uint16_t(area.width()), std::uint16_t(area.height())});
        bounds |= area;
    }
    if (!m_clipRects.empty()) {
        // One image request for the whole frame, clipped to its changed
        // rectangles: the server copies just those pixels and handles one
        // request rather than one per rectangle.
        xcb_set_clip_rectangles(m_connection, XCB_CLIP_ORDERING_UNSORTED, m_gc, 0, 0,
                                std::uint32_t(m_clipRects.size()), m_clipRects.data());
        const QPoint from = bounds.topLeft() - whole.topLeft();
        const QPoint to = bounds.topLeft() + offset;
        xcb_shm_put_image(m_connection, window, m_gc, source->size.width(), source->size.height(),
                          from.x(), from.y(), bounds.width(), bounds.height(), to.x(), to.y(),
                          m_depth, XCB_IMAGE_FORMAT_Z_PIXMAP, 0, source->id, 0);
    }
    // A cheap round trip whose reply, once in, proves the server has read
    // everything sent before it. Waited for only before the pixels are
    // written again.
    m_syncSequence = xcb_get_input_focus(m_connection).sequence;
    m_syncPending = true;
    xcb_flush(m_connection);
    return true;
}

bool X11Presenter::fillBlack(std::uint32_t window, const QRect *rects, int count)
{
    if (!m_connection || !prepareWindow(window))
        return false;
    m_clipRects.clear();
    for (int i = 0; i < count; ++i) {
        if (!rects[i].isEmpty())
            m_clipRects.push_back({std::int16_t(rects[i].x()), std::int16_t(rects[i].y()),
                                   std::uint16_t(rects[i].width()),
                                   std::uint16_t(rects[i].height())});
    }
    if (m_clipRects.empty())
        return true;
    // The GC still clips to the last frame's rectangles.
    const std::uint32_t values[] = {0, XCB_NONE}; // black in our pixels' layout, no clip
    xcb_change_gc(m_connection, m_gc, XCB_GC_FOREGROUND | XCB_GC_CLIP_MASK, values);
    xcb_poly_fill_rectangle(m_connection, window, m_gc, std::uint32_t(m_clipRects.size()),
                            m_clipRects.data());
    xcb_flush(m_connection);
    return true;
}

void X11Presenter::waitForServer()
{
    if (!m_syncPending)
        return;
    m_syncPending = false;
    xcb_get_input_focus_cookie_t cookie{m_syncSequence};
    std::free(xcb_get_input_focus_reply(m_connection, cookie, nullptr));
    // Nothing reads events on our own connection: an error that came with the
    // answer (a window gone under a frame) would otherwise pile up.
    if (m_own) {
        while (xcb_generic_event_t *event = xcb_poll_for_queued_event(m_connection))
            std::free(event);
    }
}
bool X11Presenter::prepareWindow(std::uint32_t window)
{
    if (window == m_window)
        return m_windowUsable;
    m_window = window;
    m_windowUsable = false;
    // Qt made the window on its connection: the server must have done so
    // before ours can name it.
    if (m_application)
        syncWithServer(m_application);
    xcb_get_geometry_reply_t *geometry =
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr);
    xcb_get_window_attributes_reply_t *attributes = xcb_get_window_attributes_reply(
        m_connection, xcb_get_window_attributes(m_connection, window), nullptr);
    if (geometry && attributes) {
        m_depth = geometry->depth;
        m_windowUsable =
            takesOurPixels(m_connection, findVisual(m_connection, attributes->visual), m_depth);
    }
    std::free(geometry);
    std::free(attributes);
    if (!m_windowUsable)
        return false;
    if (m_gc)
        xcb_free_gc(m_connection, m_gc);
    m_gc = xcb_generate_id(m_connection);
    const std::uint32_t noExposures = 0;
    xcb_create_gc(m_connection, m_gc, window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    return true;
}

bool X11Presenter::prepareDeviceSegment(QSize size)
{
    if (size.isEmpty()) {
        m_deviceSegment.reset();
        return true;
    }
    if (m_deviceSegment && m_deviceSegment->size == size)
        return true;
    m_deviceSegment.reset();
    m_deviceSegment = X11Segment::attach(m_connection, m_own, m_sharing, size);
    return m_deviceSegment != nullptr;
}

} // namespace fw

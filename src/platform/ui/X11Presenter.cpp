#include "platform/ui/X11Presenter.h"

#include <QGuiApplication>

#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdlib>

namespace fw {

namespace {

xcb_connection_t *x11Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return nullptr;
    xcb_shm_query_version_reply_t *version =
        xcb_shm_query_version_reply(connection, xcb_shm_query_version(connection), nullptr);
    if (!version)
        return nullptr;
    std::free(version);
    return connection;
}

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

} // namespace

X11Presenter::X11Presenter() : m_connection(x11Connection()) {}

X11Presenter::~X11Presenter()
{
    if (!m_connection)
        return;
    releaseSegment();
    if (m_gc)
        xcb_free_gc(m_connection, m_gc);
    xcb_flush(m_connection);
}

bool X11Presenter::present(const QImage &image, const DeviceMapping &mapping, const QRect *rects,
                           int count, std::uint32_t window, QPoint offset, const QRect &clip)
{
    if (!m_connection || image.format() != QImage::Format_RGB32 || !prepareWindow(window))
        return false;
    waitForServer();
    const QRect whole = mapping.deviceRect();
    if (!prepareSegment(whole.size()))
        return false;

    // The segment holds the mapping's device rectangle; only the rectangles
    // sent are written, the rest is never read, so it need not be current.
    const qsizetype segmentStride = qsizetype(m_size.width()) * 4;
    const QRect shown = whole & clip.translated(-offset);
    for (int i = 0; i < count; ++i) {
        const QRect area = rects[i] & shown;
        if (area.isEmpty())
            continue;
        mapping.render(image, area, m_bits, segmentStride, whole.topLeft());
        const QPoint from = area.topLeft() - whole.topLeft();
        const QPoint to = area.topLeft() + offset;
        xcb_shm_put_image(m_connection, window, m_gc, m_size.width(), m_size.height(), from.x(),
                          from.y(), area.width(), area.height(), to.x(), to.y(), m_depth,
                          XCB_IMAGE_FORMAT_Z_PIXMAP, 0, m_segment, 0);
    }
    // A cheap round trip whose reply, once in, proves the server has read
    // everything sent before it. Waited for only before the next frame.
    m_syncSequence = xcb_get_input_focus(m_connection).sequence;
    m_syncPending = true;
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
}

bool X11Presenter::prepareWindow(std::uint32_t window)
{
    if (window == m_window)
        return m_windowUsable;
    m_window = window;
    m_windowUsable = false;
    xcb_get_geometry_reply_t *geometry =
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr);
    xcb_get_window_attributes_reply_t *attributes = xcb_get_window_attributes_reply(
        m_connection, xcb_get_window_attributes(m_connection, window), nullptr);
    if (geometry && attributes) {
        // Our pixels are 0xAARRGGBB words in memory order: the window must
        // read them the same way.
        const xcb_visualtype_t *visual = findVisual(m_connection, attributes->visual);
        m_depth = geometry->depth;
        m_windowUsable = visual && visual->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
                         visual->red_mask == 0xff0000u && visual->green_mask == 0xff00u &&
                         visual->blue_mask == 0xffu && (m_depth == 24 || m_depth == 32) &&
                         hasPixelsOf32Bits(m_connection, m_depth);
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

bool X11Presenter::prepareSegment(QSize size)
{
    if (m_bits && size == m_size)
        return true;
    releaseSegment();
    if (size.isEmpty())
        return false;
    const std::size_t bytes = std::size_t(size.width()) * std::size_t(size.height()) * 4;
    const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (id < 0)
        return false;
    void *address = shmat(id, nullptr, 0);
    if (address == reinterpret_cast<void *>(-1)) {
        shmctl(id, IPC_RMID, nullptr);
        return false;
    }
    const xcb_shm_seg_t segment = xcb_generate_id(m_connection);
    xcb_generic_error_t *error =
        xcb_request_check(m_connection, xcb_shm_attach_checked(m_connection, segment, id, 0));
    // Once both sides are attached the segment can be marked for removal: it
    // goes away with the last detach, even if we crash.
    shmctl(id, IPC_RMID, nullptr);
    if (error) {
        std::free(error);
        shmdt(address);
        return false;
    }
    m_segment = segment;
    m_bits = static_cast<std::uint32_t *>(address);
    m_size = size;
    return true;
}

void X11Presenter::releaseSegment()
{
    if (!m_bits)
        return;
    waitForServer();
    xcb_shm_detach(m_connection, m_segment);
    xcb_flush(m_connection);
    shmdt(m_bits);
    m_bits = nullptr;
    m_size = QSize();
}

} // namespace fw

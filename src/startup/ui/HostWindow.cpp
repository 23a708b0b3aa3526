#include "startup/ui/HostWindow.h"

#include "startup/HostCommandLine.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace fw {

namespace {

// Hosts rarely resize their window; a few checks a second follow a change
// quickly enough and cost nothing next to the animation.
constexpr int PollMilliseconds = 250;

xcb_connection_t *x11Connection()
{
    if (!qGuiApp)
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t *connection)
{
    const xcb_setup_t *setup = xcb_get_setup(connection);
    return xcb_setup_roots_iterator(setup).data->root;
}

// The window's size, or nothing when it does not exist (any more).
std::optional<QSize> windowSize(xcb_connection_t *connection, xcb_window_t window)
{
    xcb_generic_error_t *error = nullptr;
    xcb_get_geometry_reply_t *reply =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), &error);
    std::free(error);
    if (!reply)
        return std::nullopt;
    const QSize size(reply->width, reply->height);
    std::free(reply);
    return size;
}

// The root window has no owner to keep it below others: keep the window
// manager away from our child of it and put it at the bottom, as a desktop
// picture would be.
void keepBelowOnRoot(xcb_connection_t *connection, xcb_window_t window)
{
    const uint32_t overrideRedirect = 1;
    xcb_change_window_attributes(connection, window, XCB_CW_OVERRIDE_REDIRECT, &overrideRedirect);
    const uint32_t below = XCB_STACK_MODE_BELOW;
    xcb_configure_window(connection, window, XCB_CONFIG_WINDOW_STACK_MODE, &below);
    xcb_flush(connection);
}

// The host window's size is in device pixels; the tank is laid out in
// logical ones, as on a screen of that ratio.
QSize logicalSize(QSize device)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    if (ratio <= 0 || ratio == 1.0)
        return device;
    return QSize(int(std::ceil(device.width() / ratio)), int(std::ceil(device.height() / ratio)));
}

} // namespace

bool chooseX11ForHosting()
{
    // Asked before Qt starts: the xcb platform aborts the program when it
    // finds no display.
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool reachable = connection && !xcb_connection_has_error(connection);
    if (connection)
        xcb_disconnect(connection);
    if (!reachable) {
        const QByteArray display = qgetenv("DISPLAY");
        std::fprintf(stderr,
                     "finwicks: drawing into another window needs an X server, and none is "
                     "reachable (DISPLAY=%s)\n",
                     display.isEmpty() ? "<not set>" : display.constData());
        return false;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    return true;
}

std::unique_ptr<HostWindow> openHostWindow(const HostRequest &request)
{
    auto window = std::make_unique<HostWindow>(request.windowId);
    if (window->open())
        return window;
    std::fprintf(stderr, "finwicks: %s\n", qUtf8Printable(window->error()));
    return nullptr;
}

HostWindow::HostWindow(std::uint32_t windowId, QObject *parent)
    : QObject(parent), m_windowId(windowId), m_isRoot(windowId == 0)
{
    m_pollTimer.setInterval(PollMilliseconds);
    connect(&m_pollTimer, &QTimer::timeout, this, &HostWindow::poll);
}

HostWindow::~HostWindow()
{
    // The widget must not outlive its native parent's wrapper.
    if (m_widget && m_widget->windowHandle())
        m_widget->windowHandle()->setParent(nullptr);
    delete m_foreign;
}

bool HostWindow::open()
{
    xcb_connection_t *connection = x11Connection();
    if (!connection) {
        m_error = QStringLiteral("drawing into another window needs an X server (platform %1)")
                      .arg(QGuiApplication::platformName());
        return false;
    }
    if (m_isRoot)
        m_windowId = rootWindow(connection);
    const std::optional<QSize> size = windowSize(connection, m_windowId);
    if (!size || size->isEmpty()) {
        m_error = QStringLiteral("there is no window 0x%1").arg(m_windowId, 0, 16);
        return false;
    }
    m_size = logicalSize(*size);
    return true;
}

void HostWindow::embed(QWidget *widget)
{
    m_widget = widget;
    m_foreign = QWindow::fromWinId(m_windowId);

    widget->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus);
    widget->setAttribute(Qt::WA_ShowWithoutActivating);
    widget->winId(); // creates the native window so it can get its parent
    QWindow *window = widget->windowHandle();
    window->setParent(m_foreign);
    window->setFlag(Qt::WindowTransparentForInput);
    widget->setGeometry(0, 0, m_size.width(), m_size.height());
    if (m_isRoot)
        keepBelowOnRoot(x11Connection(), static_cast<xcb_window_t>(widget->winId()));
    // Whatever input reaches us anyway is dropped before the aquarium's end
    // rules could see it: the host decides when we end.
    qApp->installEventFilter(this);
    widget->show();
    m_pollTimer.start();
}

bool HostWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::ContextMenu:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

void HostWindow::poll()
{
    xcb_connection_t *connection = x11Connection();
    const std::optional<QSize> size =
        connection ? windowSize(connection, m_windowId) : std::nullopt;
    if (!size) {
        m_pollTimer.stop();
        emit gone();
        return;
    }
    if (size->isEmpty() || logicalSize(*size) == m_size)
        return;
    m_size = logicalSize(*size);
    if (m_widget)
        m_widget->setGeometry(0, 0, m_size.width(), m_size.height());
    emit resized(m_size);
}

} // namespace fw

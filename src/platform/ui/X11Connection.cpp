#include "platform/ui/X11Connection.h"

#include <QGuiApplication>

#include <X11/Xlib.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace fw {

namespace {

// The name of the display Qt opened (its -display argument or DISPLAY).
QByteArray applicationDisplayName()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    return display ? QByteArray(XDisplayString(display)) : qgetenv("DISPLAY");
}

} // namespace

xcb_connection_t *applicationConnection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

std::shared_ptr<X11Connection> X11Connection::openBeside(xcb_connection_t *application)
{
    if (!application)
        return nullptr;
    const QByteArray name = applicationDisplayName();
    xcb_connection_t *connection =
        xcb_connect(name.isEmpty() ? nullptr : name.constData(), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return nullptr;
    }
    return std::shared_ptr<X11Connection>(new X11Connection(connection));
}

X11Connection::~X11Connection()
{
    xcb_disconnect(m_connection);
}

void syncWithServer(xcb_connection_t *connection)
{
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

} // namespace fw

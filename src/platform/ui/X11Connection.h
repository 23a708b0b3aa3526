#pragma once

#include <memory>

struct xcb_connection_t;

namespace fw {

// A connection of the presenter's own to the X server the application draws
// on. Qt reads its connection in a thread of its own, which wakes for every
// reply; frames sent, and answered, here wake no thread until we ask for the
// answer ourselves.
class X11Connection
{
public:
    // A new connection to the display of `application`; null when none can be
    // made. Shared by whatever still needs the server to know it: the segments
    // attached on it live on as long as an image on them does.
    static std::shared_ptr<X11Connection> openBeside(xcb_connection_t *application);
    ~X11Connection();
    X11Connection(const X11Connection &) = delete;
    X11Connection &operator=(const X11Connection &) = delete;

    xcb_connection_t *get() const { return m_connection; }

private:
    explicit X11Connection(xcb_connection_t *connection) : m_connection(connection) {}

    xcb_connection_t *m_connection;
};

// Qt's own connection; null off the xcb platform.
xcb_connection_t *applicationConnection();

// Waits until the X server has handled every request `connection` sent so far
// (windows made on it can then be named on another connection).
void syncWithServer(xcb_connection_t *connection);

} // namespace fw

#pragma once

#include "platform/SegmentSharing.h"

#include <QSize>

#include <xcb/shm.h>

#include <cstddef>
#include <memory>

struct xcb_connection_t;

namespace fw {

class X11Connection;

// What the X server of a connection offers for sharing memory; sends no
// request of the extension unless the server has it.
SharingOffer sharingOffer(xcb_connection_t *connection);

// A shared memory segment attached by us and by the X server. It goes once
// neither the presenter nor an image on it needs it; the X server's side is
// detached only while the connection it was attached on is still open: ours
// is kept open by the segment, the application's only while Qt runs.
struct X11Segment
{
    xcb_connection_t *connection = nullptr;
    std::shared_ptr<X11Connection> own;
    xcb_shm_seg_t id = 0;
    void *address = nullptr;
    std::size_t bytes = 0;
    SharingMethod method = SharingMethod::SystemV;
    QSize size;

    static std::shared_ptr<X11Segment> attach(xcb_connection_t *connection,
                                              const std::shared_ptr<X11Connection> &own,
                                              SegmentSharing &sharing, QSize size);
    ~X11Segment();
    X11Segment() = default;
    X11Segment(const X11Segment &) = delete;
    X11Segment &operator=(const X11Segment &) = delete;

private:
    bool attachMemoryFile();
    bool attachSystemV();
};

} // namespace fw

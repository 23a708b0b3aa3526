#include "platform/ui/X11Segment.h"

#include "platform/ui/X11Connection.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <sys/ipc.h>
#include <sys/mman.h>
#include <sys/shm.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>

namespace fw {

SharingOffer sharingOffer(xcb_connection_t *connection)
{
    SharingOffer offer;
    // A request of an extension the server lacks closes the connection:
    // asked only once the server has said it has it.
    const xcb_query_extension_reply_t *extension = xcb_get_extension_data(connection, &xcb_shm_id);
    if (!extension || !extension->present)
        return offer;
    xcb_shm_query_version_reply_t *version =
        xcb_shm_query_version_reply(connection, xcb_shm_query_version(connection), nullptr);
    if (!version)
        return offer;
    offer.extension = true;
    offer.major = version->major_version;
    offer.minor = version->minor_version;
    std::free(version);
    sockaddr_storage address = {};
    socklen_t length = sizeof address;
    offer.localSocket = ::getsockname(xcb_get_file_descriptor(connection),
                                      reinterpret_cast<sockaddr *>(&address), &length) == 0 &&
                        address.ss_family == AF_UNIX;
    return offer;
}

std::shared_ptr<X11Segment> X11Segment::attach(xcb_connection_t *connection,
                                               const std::shared_ptr<X11Connection> &own,
                                               SegmentSharing &sharing, QSize size)
{
    if (size.isEmpty())
        return nullptr;
    auto segment = std::make_shared<X11Segment>();
    segment->connection = connection;
    segment->own = own;
    segment->size = size;
    segment->bytes = std::size_t(size.width()) * std::size_t(size.height()) * 4;
    const bool attached = sharing.attach([&segment](SharingMethod method) {
        segment->method = method;
        return method == SharingMethod::MemoryFile ? segment->attachMemoryFile()
                                                   : segment->attachSystemV();
    });
    return attached ? segment : nullptr;
}

namespace {

// Waits for the server's answer to a checked request.
bool serverAccepted(xcb_connection_t *connection, xcb_void_cookie_t request)
{
    xcb_generic_error_t *error = xcb_request_check(connection, request);
    const bool accepted = error == nullptr;
    std::free(error);
    return accepted;
}

} // namespace

bool X11Segment::attachMemoryFile()
{
    const int fd = ::memfd_create("finwicks-frame", MFD_CLOEXEC);
    if (fd < 0)
        return false;
    void *mapped = MAP_FAILED;
    if (::ftruncate(fd, off_t(bytes)) == 0)
        mapped = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (mapped == MAP_FAILED) {
        ::close(fd);
        return false;
    }
    // The connection takes the descriptor and closes it once sent.
    id = xcb_generate_id(connection);
    if (!serverAccepted(connection, xcb_shm_attach_fd_checked(connection, id, fd, 0))) {
        ::munmap(mapped, bytes);
        return false;
    }
    address = mapped;
    return true;
}

bool X11Segment::attachSystemV()
{
    const int shmId = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (shmId < 0)
        return false;
    void *attached = shmat(shmId, nullptr, 0);
    // Marked for removal at once: it lives while attached (the server may
    // still attach it on Linux) and goes with the last detach, even if we
    // are killed before the server answers.
    shmctl(shmId, IPC_RMID, nullptr);
    if (attached == reinterpret_cast<void *>(-1))
        return false;
    id = xcb_generate_id(connection);
    if (!serverAccepted(connection, xcb_shm_attach_checked(connection, id, shmId, 0))) {
        shmdt(attached);
        return false;
    }
    address = attached;
    return true;
}

X11Segment::~X11Segment()
{
    if (!address)
        return; // never attached
    // Requests already sent that read the segment are served from the
    // server's own attachment, so ours can go at once.
    if (own || (qGuiApp && applicationConnection() == connection)) {
        xcb_shm_detach(connection, id);
        xcb_flush(connection);
    }
    if (method == SharingMethod::MemoryFile)
        ::munmap(address, bytes);
    else
        shmdt(address);
}

} // namespace fw

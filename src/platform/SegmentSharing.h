#pragma once

#include <functional>
#include <optional>

namespace fw {

// The ways of giving the X server memory it reads frames from.
enum class SharingMethod
{
    // A memory file whose descriptor goes over the connection: it works
    // across IPC namespaces and leaves nothing behind when we are killed.
    MemoryFile,
    // A System V segment, named to the server by its id.
    SystemV,
};

// What the X server and our connection to it offer.
struct SharingOffer
{
    // The server has the shared-memory extension; no request of it may be
    // sent otherwise, or the connection is closed.
    bool extension = false;
    int major = 0;
    int minor = 0;
    // The connection is a local socket, which can carry a descriptor.
    bool localSocket = false;

    bool passesDescriptors() const
    {
        return extension && localSocket && (major > 1 || (major == 1 && minor >= 2));
    }
};

// Whether frames reach the X server through shared memory, and by which
// method: decided at the first segment and kept, so that a server that
// refuses them (a remote one, one in another IPC namespace) costs one try
// rather than one each frame.
class SegmentSharing
{
public:
    explicit SegmentSharing(SharingOffer offer) : m_offer(offer) {}

    // Makes one segment through `attempt`, which tries a method and says
    // whether the server took the segment. The first call tries the methods
    // the offer allows, the preferred first, and keeps the first that works;
    // later calls use that one. Once none works, or the kept one fails too,
    // sharing is over for good and `attempt` is not called again.
    bool attach(const std::function<bool(SharingMethod)> &attempt);

    // False once the server has refused (or cannot take) our memory: frames
    // then go through Qt.
    bool possible() const { return m_offer.extension && !m_refused; }
    std::optional<SharingMethod> method() const { return m_method; }

private:
    SharingOffer m_offer;
    std::optional<SharingMethod> m_method;
    bool m_refused = false;
};

} // namespace fw

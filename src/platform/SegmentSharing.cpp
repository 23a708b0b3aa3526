#include "platform/SegmentSharing.h"

namespace fw {

bool SegmentSharing::attach(const std::function<bool(SharingMethod)> &attempt)
{
    if (!possible())
        return false;
    if (m_method) {
        if (attempt(*m_method))
            return true;
        m_refused = true;
        return false;
    }
    if (m_offer.passesDescriptors() && attempt(SharingMethod::MemoryFile)) {
        m_method = SharingMethod::MemoryFile;
        return true;
    }
    if (attempt(SharingMethod::SystemV)) {
        m_method = SharingMethod::SystemV;
        return true;
    }
    m_refused = true;
    return false;
}

} // namespace fw

#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace fw {

// Keeps a second copy of the program from running. The lock is a file in the
// user's runtime folder; a lock left behind by a crashed run is recognised by
// its dead process and taken over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &lockPath = defaultLockPath());

    // False when another running instance holds the lock.
    bool acquire();
    void release();
    bool isHeld() const { return m_lock.isLocked(); }

    // $XDG_RUNTIME_DIR/finwicks.lock, or a per-user file in the temp folder.
    static QString defaultLockPath();

private:
    QLockFile m_lock;
};

} // namespace fw

#include "startup/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace fw {

SingleInstance::SingleInstance(const QString &lockPath) : m_lock(lockPath)
{
    // Only a dead owner makes a lock stale: a screen saver may run for days.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    // The lock records the application name, and a later start takes a lock
    // whose name differs from its owner's process name for stale. The lock is
    // taken before the application object exists, so name it here after the
    // running executable.
    if (QCoreApplication::applicationName().isEmpty()) {
        const QString executable = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
        QCoreApplication::setApplicationName(
            executable.isEmpty() ? QStringLiteral("finwicks") : QFileInfo(executable).fileName());
    }
    return m_lock.tryLock(0);
}

void SingleInstance::release()
{
    m_lock.unlock();
}

QString SingleInstance::defaultLockPath()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QDir::isAbsolutePath(runtime))
        return QDir(runtime).filePath(QStringLiteral("finwicks.lock"));
    return QDir(QDir::tempPath()).filePath(QStringLiteral("finwicks-%1.lock").arg(::getuid()));
}

} // namespace fw

#include "state/AtomicFile.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace fw {

namespace {

bool writeAll(QFile &file, QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return file.flush();
}

bool syncToDisk(QFile &file)
{
    return file.flush() && ::fsync(file.handle()) == 0;
}

bool renameOver(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

void syncFolder(const QString &path)
{
    // Makes the rename itself durable; a failure here leaves a complete file
    // either way, so it is not reported.
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The file a symbolic link (or a chain of them) points to, so that the link
// stays a link and its target is what gets replaced; the path itself when it
// is no link.
QString linkTarget(const QString &path)
{
    QString current = path;
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            return current;
        current = info.symLinkTarget(); // absolute, even for a dangling link
    }
    return current;
}

// A file that exists and that the user may not write, or that nobody may
// write (which holds for root as well), is the user's choice to keep as it
// is, not something to rename over.
bool isReadOnly(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !(info.permissions() & anyWrite) ||
           ::access(QFile::encodeName(path).constData(), W_OK) != 0;
}

bool fail(QFile &temporary, QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    temporary.close();
    temporary.remove();
    return false;
}

} // namespace

bool replaceFile(const QString &path, QByteArrayView bytes, QString *error,
                 const FileReplaceSteps &steps)
{
    const auto write = steps.write ? steps.write : writeAll;
    const auto sync = steps.sync ? steps.sync : syncToDisk;
    const auto rename = steps.rename ? steps.rename : renameOver;

    if (path.isEmpty()) {
        if (error)
            *error = QStringLiteral("no file name");
        return false;
    }
    const QString target = linkTarget(path);
    if (isReadOnly(target)) {
        if (error)
            *error = QStringLiteral("%1 is read-only").arg(target);
        return false;
    }
    QFile temporary(temporaryFileFor(path));
    if (!temporary.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error)
            *error = QStringLiteral("cannot create %1: %2")
                         .arg(temporary.fileName(), temporary.errorString());
        return false;
    }
    const QFileInfo old(target);
    if (old.isFile())
        temporary.setPermissions(old.permissions());

    if (!write(temporary, bytes))
        return fail(temporary, error,
                    QStringLiteral("cannot write %1: %2")
                        .arg(temporary.fileName(), temporary.errorString()));
    if (!sync(temporary))
        return fail(temporary, error,
                    QStringLiteral("cannot flush %1 to disk").arg(temporary.fileName()));
    temporary.close();
    if (!rename(temporary.fileName(), target))
        return fail(temporary, error,
                    QStringLiteral("cannot replace %1 with %2").arg(target, temporary.fileName()));
    syncFolder(target);
    return true;
}

QString temporaryFileFor(const QString &path)
{
    return linkTarget(path) + QStringLiteral(".saving");
}

bool removeLeftoverTemporary(const QString &path, const QDateTime &savesSince)
{
    if (path.isEmpty())
        return false;
    const QFileInfo leftover(temporaryFileFor(path));
    // A link or folder of that name is nothing a save of ours made.
    if (leftover.isSymLink() || !leftover.isFile() || leftover.lastModified() >= savesSince)
        return false;
    return QFile::remove(leftover.filePath());
}

} // namespace fw

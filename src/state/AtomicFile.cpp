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
    QFile temporary(path + QStringLiteral(".saving"));
    if (!temporary.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error)
            *error = QStringLiteral("cannot create %1: %2")
                         .arg(temporary.fileName(), temporary.errorString());
        return false;
    }
    const QFileInfo old(path);
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
    if (!rename(temporary.fileName(), path))
        return fail(temporary, error,
                    QStringLiteral("cannot replace %1 with %2").arg(path, temporary.fileName()));
    syncFolder(path);
    return true;
}

} // namespace fw

#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <functional>

class QFile;

namespace fw {

// The steps of replacing a file, each replaceable so a test can make any of
// them fail (for example the write after k bytes). Empty steps use the real
// file system.
struct FileReplaceSteps
{
    // Writes all bytes to the open file; false on failure.
    std::function<bool(QFile &file, QByteArrayView bytes)> write;
    // Forces the written bytes to the disk; false on failure.
    std::function<bool(QFile &file)> sync;
    // Moves `from` over `to` in one step; false on failure.
    std::function<bool(const QString &from, const QString &to)> rename;
};

// Replaces the file at `path` with `bytes` whole or not at all: the bytes go
// to a temporary file in the same folder, which is flushed to disk and then
// renamed over the old file. A symbolic link is followed: the file it points
// to is replaced and the link stays. A file the user may not write is left
// alone and the save fails. On failure the old file is untouched, the
// temporary file is removed, `error` says why, and the result is false.
bool replaceFile(const QString &path, QByteArrayView bytes, QString *error = nullptr,
                 const FileReplaceSteps &steps = {});

// The temporary file replaceFile() writes for `path` (beside the file a link
// points to).
QString temporaryFileFor(const QString &path);

// Removes the temporary file of `path` that a save killed half-way left
// behind, when it was last written before `savesSince` (from when on every
// save is the caller's own, as the one instance that may save). A newer one
// may be another save under way and is kept. True when one was removed.
bool removeLeftoverTemporary(const QString &path, const QDateTime &savesSince);

} // namespace fw

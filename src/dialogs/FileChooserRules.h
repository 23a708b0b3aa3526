#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace fw {

// The picture chooser's rules, apart from its widgets. Paths use "/" and a
// directory is named without a trailing "/" except the root.

struct FileType
{
    QString text;
    QString pattern; // wildcards separated by ";"
};
// Item 0 the pictures, item 1 every file.
QList<FileType> fileTypes();
// The types for the box the chooser fills: sound files first for the music
// file box "Text_soundfile", the pictures for any other.
QList<FileType> fileTypesFor(QStringView target);

// The directory of the path the caller's box holds: the text up to and
// including its last "/", as a directory name. Empty when there is none.
QString startDirectory(QStringView callerPath);

// Whether the name matches one of the pattern's wildcards, without regard to
// case, so "SEA.JPG" is a picture too.
bool matchesPattern(QStringView fileName, QStringView pattern);

// The files (not folders) of `directory` that match, sorted by name.
QStringList matchingFiles(const QString &directory, QStringView pattern);
// The folders inside `directory`, sorted by name.
QStringList subdirectories(const QString &directory);

// The full path OK looks at: the directory, "/" when it does not end in one,
// and the name.
QString chosenPath(QStringView directory, QStringView fileName);

// A file OK accepts: it exists, is a file and holds at least one byte.
bool isAcceptableFile(const QString &path);

// Whether a folder can be opened for listing; the system's reason if not.
struct DirectoryAccess
{
    bool ok = false;
    QString error;
};
DirectoryAccess checkDirectory(const QString &path);

// The mounted file systems: the root first, the others by path.
QStringList mountedFileSystems();
// The mounted file system that holds `path`: the longest mount point that is
// a prefix of it.
QString fileSystemOf(const QString &path, const QStringList &mounts);

// The directory above `path`, or empty at the root.
QString parentDirectory(const QString &path);
// The chain from the root down to `path`, each one a full path.
QStringList directoryChain(const QString &path);

} // namespace fw

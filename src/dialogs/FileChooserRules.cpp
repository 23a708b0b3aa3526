#include "dialogs/FileChooserRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>
#include <dirent.h>

namespace fw {

namespace {

QString cleanDirectory(const QString &path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

} // namespace

QList<FileType> fileTypes()
{
    return {{QCoreApplication::translate("frmFileSelect", "画像ファイル(bmp,jpg,gif)"),
             QStringLiteral("*.bmp;*.jpg;*.jpeg;*.gif")},
            {QCoreApplication::translate("frmFileSelect", "AllFiles(*.*)"), QStringLiteral("*.*")}};
}

QList<FileType> fileTypesFor(QStringView target)
{
    QList<FileType> types = fileTypes();
    if (target == u"Text_soundfile")
        types.front() = {QCoreApplication::translate("frmFileSelect",
                                                     "サウンドファイル(ogg,opus,flac,mp3,wav,m4a)"),
                         QStringLiteral("*.ogg;*.oga;*.opus;*.flac;*.mp3;*.wav;*.m4a;*.aac;"
                                        "*.webm;*.mka")};
    return types;
}

QString startDirectory(QStringView callerPath)
{
    const qsizetype slash = callerPath.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return {};
    return cleanDirectory(callerPath.left(slash + 1).toString());
}

bool matchesPattern(QStringView fileName, QStringView pattern)
{
    for (QStringView wildcard : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        wildcard = wildcard.trimmed();
        // "*.*" means every file, also one without a dot, as on the original system.
        if (wildcard == u"*.*" || wildcard == u"*")
            return true;
        const QRegularExpression expression(
            QRegularExpression::wildcardToRegularExpression(wildcard),
            QRegularExpression::CaseInsensitiveOption);
        if (expression.match(fileName.toString()).hasMatch())
            return true;
    }
    return false;
}

QStringList matchingFiles(const QString &directory, QStringView pattern)
{
    QStringList files;
    const QFileInfoList entries =
        QDir(directory).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (matchesPattern(entry.fileName(), pattern))
            files.append(entry.fileName());
    }
    files.sort(Qt::CaseInsensitive);
    return files;
}

QStringList subdirectories(const QString &directory)
{
    QStringList names = QDir(directory).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    names.sort(Qt::CaseInsensitive);
    return names;
}

QString chosenPath(QStringView directory, QStringView fileName)
{
    QString path = directory.toString();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path + fileName.toString();
}

bool isAcceptableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile() && info.size() >= 1;
}

DirectoryAccess checkDirectory(const QString &path)
{
    DIR *handle = ::opendir(QFile::encodeName(path).constData());
    if (!handle)
        return {false, QString::fromLocal8Bit(std::strerror(errno))};
    ::closedir(handle);
    return {true, {}};
}

QStringList mountedFileSystems()
{
    QStringList mounts;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        // A file mounted on its own is no place to look for pictures.
        if (root.isEmpty() || root == QLatin1String("/") || !QFileInfo(root).isDir())
            continue;
        if (!mounts.contains(root))
            mounts.append(root);
    }
    mounts.sort();
    mounts.prepend(QStringLiteral("/"));
    return mounts;
}

QString fileSystemOf(const QString &path, const QStringList &mounts)
{
    QString best = QStringLiteral("/");
    for (const QString &mount : mounts) {
        const bool inside = path == mount || path.startsWith(mount + QLatin1Char('/'));
        if (inside && mount.size() > best.size())
            best = mount;
    }
    return best;
}

QString parentDirectory(const QString &path)
{
    if (path == QLatin1String("/") || path.isEmpty())
        return {};
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

QStringList directoryChain(const QString &path)
{
    QStringList chain;
    for (QString step = path; !step.isEmpty(); step = parentDirectory(step))
        chain.prepend(step);
    return chain;
}

} // namespace fw

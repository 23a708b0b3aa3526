#include "aquarium/PictureLoading.h"

#include "platform/Surface.h"

#include <QFileInfo>
#include <QImageReader>

namespace fw {

namespace {

bool sizeAcceptable(QSize size)
{
    if (!size.isValid() || size.isEmpty())
        return false;
    if (size.width() > MaxPictureSide || size.height() > MaxPictureSide)
        return false;
    return qint64(size.width()) * size.height() * 4 <= MaxPictureBytes;
}

QRect topLeftPart(QSize picture, QSize within)
{
    return QRect(QPoint(0, 0), picture.boundedTo(within));
}

} // namespace

bool pictureFileUsable(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && info.size() >= 1;
}

LoadedPicture loadPicture(const QString &path, QSize within)
{
    if (!pictureFileUsable(path))
        return {};

    QImageReader reader(path);
    // The reader's own guard as well, for formats that cannot tell their
    // size before decoding.
    reader.setAllocationLimit(int(MaxPictureBytes / (1024 * 1024)));
    reader.setAutoTransform(false);
    if (!reader.canRead())
        return {};
    QSize declared;
    if (reader.supportsOption(QImageIOHandler::Size)) {
        declared = reader.size();
        if (!sizeAcceptable(declared))
            return {};
        if (!within.isEmpty() && !topLeftPart(declared, within).size().isEmpty())
            reader.setClipRect(topLeftPart(declared, within));
    }

    QImage picture;
    if (!reader.read(&picture) || picture.isNull())
        return {};
    const QSize size = declared.isValid() ? declared : picture.size();
    if (!sizeAcceptable(size))
        return {};
    const QRect part = topLeftPart(size, within.isEmpty() ? size : within);
    if (picture.size() != part.size())
        picture = picture.copy(part);
    return {toSurfaceFormat(picture), size};
}

} // namespace fw

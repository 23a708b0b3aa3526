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

} // namespace

bool pictureFileUsable(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && info.size() >= 1;
}

QImage loadPicture(const QString &path)
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
    if (reader.supportsOption(QImageIOHandler::Size) && !sizeAcceptable(reader.size()))
        return {};

    QImage picture;
    if (!reader.read(&picture) || picture.isNull() || !sizeAcceptable(picture.size()))
        return {};
    return toSurfaceFormat(picture);
}

} // namespace fw

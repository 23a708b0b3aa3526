#include "aquarium/PictureLoading.h"

#include "aquarium/PictureGuard.h"
#include "platform/Surface.h"

#include <QFile>
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

// Whether decoding the file stays within the memory allowed for it, judged
// from its headers alone.
bool affordable(PictureKind kind, const QString &path, QSize within)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const std::optional<DecodingCost> cost = decodingCost(kind, file, within);
    return cost && cost->bytes <= MaxDecodingBytes;
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&file);
    // By what the file holds, whatever its name says.
    reader.setDecideFormatFromContent(true);
    const std::optional<PictureKind> kind = pictureKindOf(reader.format());
    if (!kind || !affordable(*kind, path, within))
        return {};
    // The reader's own guard as well, for what the headers do not tell.
    reader.setAllocationLimit(int(MaxDecodingBytes / (1024 * 1024)));
    reader.setAutoTransform(false);
    if (!reader.canRead())
        return {};
    QSize declared;
    if (reader.supportsOption(QImageIOHandler::Size)) {
        // A bitmap stored top-down reports a negative height.
        const QSize reported = reader.size();
        declared = QSize(qAbs(reported.width()), qAbs(reported.height()));
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

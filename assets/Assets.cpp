#include "Assets.h"

namespace fw::assets {

QString spritePath(const QString &name)
{
    return QStringLiteral(":/sprites/%1.bmp").arg(name);
}

QString iconPath(int size)
{
    return QStringLiteral(":/icons/finwicks-%1.png").arg(size);
}

} // namespace fw::assets

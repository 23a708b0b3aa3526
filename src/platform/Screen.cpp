#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace fw {

QSize primaryScreenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || screen->geometry().isEmpty())
        return QSize(1024, 768);
    return screen->geometry().size();
}

QSizeF primaryScreenSizeInTwips()
{
    const QSize size = primaryScreenSize();
    return QSizeF(pixelsToTwips(size.width()), pixelsToTwips(size.height()));
}

} // namespace fw

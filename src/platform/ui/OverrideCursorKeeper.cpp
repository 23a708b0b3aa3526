#include "platform/ui/OverrideCursorKeeper.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>

namespace fw {

OverrideCursorKeeper::OverrideCursorKeeper()
{
    if (qGuiApp)
        qGuiApp->installEventFilter(this);
}

OverrideCursorKeeper::~OverrideCursorKeeper()
{
    if (qGuiApp)
        qGuiApp->removeEventFilter(this);
}

bool OverrideCursorKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter && watched->isWidgetType()) {
        if (const QCursor *cursor = QGuiApplication::overrideCursor()) {
            // Set before the pointer entered, the cursor was never sent, and
            // the same cursor set again counts as no change: another one in
            // between makes it go out.
            const QCursor kept = *cursor;
            QGuiApplication::changeOverrideCursor(QCursor(Qt::ArrowCursor));
            QGuiApplication::changeOverrideCursor(kept);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace fw

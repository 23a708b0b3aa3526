#include "platform/ui/OpenWindows.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>

namespace fw {

void setWindowIdentity(QWidget *window, const QString &identity)
{
    if (window)
        window->setProperty(WindowIdentityProperty, identity);
}

QString windowIdentity(const QWidget *window)
{
    return window ? window->property(WindowIdentityProperty).toString() : QString();
}

QList<QWidget *> openWindows()
{
    QList<QWidget *> result;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            result.append(widget);
    }
    return result;
}

QWidget *findOpenWindow(const QString &identity)
{
    for (QWidget *window : openWindows()) {
        if (window->property(WindowIdentityProperty).isValid() &&
            windowIdentity(window) == identity)
            return window;
    }
    return nullptr;
}

} // namespace fw

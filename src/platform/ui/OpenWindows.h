#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace fw {

// The property that gives a window its identifying text, for windows that
// others must find among the open ones.
inline constexpr char WindowIdentityProperty[] = "fwWindowIdentity";

void setWindowIdentity(QWidget *window, const QString &identity);
QString windowIdentity(const QWidget *window);

// The program's open (visible) top-level windows.
QList<QWidget *> openWindows();

// The open window whose identifying text is `identity`, or null.
QWidget *findOpenWindow(const QString &identity);

} // namespace fw

#pragma once

#include <QObject>

namespace fw {

// Keeps the application's override cursor (the hidden cursor of a screen
// saver) on every window the pointer enters. Qt's Wayland platform shows the
// window's own cursor on entry and would bring the arrow back.
class OverrideCursorKeeper final : public QObject
{
public:
    // Watches the whole application from now on.
    OverrideCursorKeeper();
    ~OverrideCursorKeeper() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace fw

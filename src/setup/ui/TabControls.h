#pragma once

#include <QString>

class QCheckBox;
class QGroupBox;
class QWidget;

namespace fw {

// The named controls the settings tabs are built from; the object names are
// how the dialog's loading, saving and tests find them.

// A check box the user can only tick or clear, though the program may show
// it greyed.
QCheckBox *settingCheckBox(const QString &name, const QString &text, QWidget *parent);

// A titled frame around a group of settings.
QGroupBox *settingFrame(const QString &name, const QString &title, QWidget *parent);

} // namespace fw

#pragma once

#include <QString>
#include <QStringView>

class QCheckBox;
class QComboBox;
class QScrollBar;
class QWidget;

namespace fw {

// Setting a control's value from code runs its change handlers as the user's
// change would, also when the value is the one the control already holds (Qt
// itself signals only a change). A value the control cannot take is refused:
// nothing changes and the result is false.

bool setScrollValue(QScrollBar *bar, int value);

// 0 unchecked, 1 checked, 2 grayed. A user's click on a grayed box checks it.
bool setCheckValue(QCheckBox *box, int state);
int checkValue(const QCheckBox *box);
// Makes the user's clicks toggle between unchecked and checked only.
void keepTwoStateForUser(QCheckBox *box);

// -1 clears the selection.
bool setListIndex(QComboBox *list, int index);

// The control of that name inside `window`, matched without regard to case.
QWidget *findControl(QWidget *window, QStringView name);

// Places the window in the middle of the screen it is on (or the primary one).
void centreOnScreen(QWidget *window);

} // namespace fw

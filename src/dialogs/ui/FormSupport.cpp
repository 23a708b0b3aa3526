#include "dialogs/ui/FormSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QScreen>
#include <QScrollBar>

namespace fw {

bool setScrollValue(QScrollBar *bar, int value)
{
    if (!bar || value < bar->minimum() || value > bar->maximum())
        return false;
    if (bar->value() == value)
        emit bar->valueChanged(value);
    else
        bar->setValue(value);
    return true;
}

bool setCheckValue(QCheckBox *box, int state)
{
    if (!box || state < 0 || state > 2)
        return false;
    const Qt::CheckState wanted =
        state == 0 ? Qt::Unchecked : (state == 1 ? Qt::Checked : Qt::PartiallyChecked);
    if (state != 2)
        box->setTristate(false);
    if (box->checkState() == wanted)
        emit box->stateChanged(int(wanted));
    else
        box->setCheckState(wanted);
    return true;
}

int checkValue(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

void keepTwoStateForUser(QCheckBox *box)
{
    QObject::connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });
}

bool setListIndex(QComboBox *list, int index)
{
    if (!list || index < -1 || index >= list->count())
        return false;
    if (list->currentIndex() == index)
        emit list->currentIndexChanged(index);
    else
        list->setCurrentIndex(index);
    return true;
}

QWidget *findControl(QWidget *window, QStringView name)
{
    if (!window)
        return nullptr;
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (child->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return child;
    }
    return nullptr;
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.x() + (area.width() - size.width()) / 2,
                 area.y() + (area.height() - size.height()) / 2);
}

} // namespace fw

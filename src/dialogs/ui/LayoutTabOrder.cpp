#include "dialogs/ui/LayoutTabOrder.h"

#include <QGridLayout>
#include <QLayout>
#include <QWidget>

#include <algorithm>
#include <tuple>

namespace fw {

namespace {

void collect(QLayout *layout, QList<QWidget *> &order);

void collect(QWidget *widget, QList<QWidget *> &order)
{
    if (widget->focusPolicy() & Qt::TabFocus)
        order << widget;
    else if (widget->layout())
        collect(widget->layout(), order);
}

// The layout's items in reading order: a grid's by row, then column.
QList<QLayoutItem *> itemsInOrder(QLayout *layout)
{
    struct Placed
    {
        int row;
        int column;
        QLayoutItem *item;
    };
    QList<Placed> placed;
    auto *grid = qobject_cast<QGridLayout *>(layout);
    for (int i = 0; i < layout->count(); ++i) {
        int row = 0;
        int column = i;
        int rowSpan = 0;
        int columnSpan = 0;
        if (grid)
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        placed.append({row, column, layout->itemAt(i)});
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed &a, const Placed &b) {
        return std::tie(a.row, a.column) < std::tie(b.row, b.column);
    });
    QList<QLayoutItem *> items;
    for (const Placed &p : placed)
        items << p.item;
    return items;
}

void collect(QLayout *layout, QList<QWidget *> &order)
{
    for (QLayoutItem *item : itemsInOrder(layout)) {
        if (QWidget *widget = item->widget())
            collect(widget, order);
        else if (QLayout *inner = item->layout())
            collect(inner, order);
    }
}

} // namespace

void followLayoutInTabOrder(QWidget *page)
{
    QList<QWidget *> order;
    if (page->layout())
        collect(page->layout(), order);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace fw

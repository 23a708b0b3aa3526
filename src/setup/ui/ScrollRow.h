#pragma once

#include <QStringView>

class QGridLayout;
class QLabel;
class QScrollBar;
class QWidget;

namespace fw {

// A scroll bar of the settings tabs with its value label, in one row of a
// frame's grid: the leading widget (caption or check box), the bar and the
// label. The bar takes its range and steps from its ScrollSpec, and its
// change handler writes the label from the value as the thumb moves.
struct ScrollRow
{
    QScrollBar *bar = nullptr;
    QLabel *label = nullptr;
};

ScrollRow addScrollRow(QGridLayout *grid, int row, QWidget *lead, QStringView control);

// A caption for the leading column; its accelerator, if any, gives `buddy`
// the focus.
QLabel *rowCaption(const QString &text, QWidget *parent, QWidget *buddy = nullptr);

// A label whose place stays reserved while it is hidden.
void keepPlaceWhenHidden(QWidget *widget);

} // namespace fw

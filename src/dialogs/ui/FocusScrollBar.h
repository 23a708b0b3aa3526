#pragma once

#include <QScrollBar>

namespace fw {

// A scroll bar the keyboard reaches: Tab and a group's accelerator give it
// focus; Right and Down add its small step, Left and Up take it away, Page
// Down and Page Up do so by its large step, Home and End go to the ends. Qt's
// own horizontal scroll bars take no focus, turn the arrows round and draw
// no focus, so this one does all three itself.
class FocusScrollBar : public QScrollBar
{
public:
    explicit FocusScrollBar(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace fw

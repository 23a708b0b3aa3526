#pragma once

#include "state/AppState.h"

#include <QDialog>

#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace fw {

class ColourBox;

// The colour chooser: 48 standard colours or a mixture of red, green and
// blue. Opens on the colour of the caller's box named by the hand-off texts
// and writes the chosen colour back into it on OK.
class frmColorSelect : public QDialog
{
    Q_OBJECT

public:
    explicit frmColorSelect(AppState &state, QWidget *parent = nullptr);

    std::uint32_t selectedColour() const;

    // The handlers, callable as the user's actions.
    void Picture_Click(int box); // 1..48
    void SyncSliders();
    void cb_Ok_Click();
    void cb_Cansel_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    // The basic colours are one stop of the Tab key: the box last chosen.
    void makeTabStop(int box);
    // The box an arrow key leads to from `box`, or 0 at the grid's edge.
    static int boxToward(int box, int key);
    void Form_Load();
    void HScroll_Change(QScrollBar *bar, QLabel *label);
    ColourBox *targetBox() const;

    AppState &m_state;
    std::array<ColourBox *, 48> m_boxes{};
    int m_tabStop = 1;
    ColourBox *m_selectColor = nullptr;
    QScrollBar *m_scrollR = nullptr;
    QScrollBar *m_scrollG = nullptr;
    QScrollBar *m_scrollB = nullptr;
    QLabel *m_labelR = nullptr;
    QLabel *m_labelG = nullptr;
    QLabel *m_labelB = nullptr;
    QCheckBox *m_colorSelect = nullptr;
};

} // namespace fw

#pragma once

#include <QFrame>

#include <cstdint>

namespace fw {

// A sunken box filled with one colour, held as the settings hold colours:
// 24 bits with red in the low byte.
class ColourBox : public QFrame
{
    Q_OBJECT

public:
    explicit ColourBox(QWidget *parent = nullptr);

    std::uint32_t colour() const { return m_colour; }
    void setColour(std::uint32_t colour);

    // The colour as Qt draws it.
    static QColor toQColor(std::uint32_t colour);

signals:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    std::uint32_t m_colour = 0xFFFFFF;
};

} // namespace fw

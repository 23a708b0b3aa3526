#pragma once

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QScrollBar;

namespace fw {

class Clock;

// The "水槽管理" tab: feeding times, lighting hours, water temperature, the
// water change, the air bubbles and whether fry are raised.
class TankTab : public QWidget
{
    Q_OBJECT

public:
    TankTab(const Clock &clock, QWidget *parent = nullptr);

    // Whether the user changed the water since the dialog opened.
    bool waterChanged() const { return m_waterChanged; }
    void setWaterChanged(bool changed) { m_waterChanged = changed; }

    // The handlers, named after their controls.
    void Check_food1_Click();
    void Check_food2_Click();
    void Check_wautochange_Click();
    void cb_waterchange_Click();

private:
    QGroupBox *buildFoodTimer();
    QGroupBox *buildLight();
    QGroupBox *buildTemperature();
    QGroupBox *buildWaterQuality();
    QGroupBox *buildBreeding();
    QGroupBox *buildWaterChange();
    QGroupBox *buildBubble();

    const Clock &m_clock;
    bool m_waterChanged = false;

    QCheckBox *m_food1 = nullptr;
    QCheckBox *m_food2 = nullptr;
    QCheckBox *m_autoChange = nullptr;
    QScrollBar *m_food1Bar = nullptr;
    QScrollBar *m_food2Bar = nullptr;
    QScrollBar *m_intervalBar = nullptr;
    QLabel *m_food1Label = nullptr;
    QLabel *m_food2Label = nullptr;
    QLabel *m_intervalLabel = nullptr;
    QLabel *m_changeDate = nullptr;
};

} // namespace fw

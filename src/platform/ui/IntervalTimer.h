#pragma once

#include <QObject>
#include <QTimer>

namespace fw {

// A timer with `Interval` (milliseconds) and `Enabled`. It ticks only while
// enabled with an interval above 0: interval 0 stops it, where a plain QTimer
// would fire as fast as it can. A tick that falls due while the handler of
// the previous one still runs (say, it has a modal dialog open) is dropped,
// so the handler is never re-entered. Changing the interval starts the
// count anew.
class IntervalTimer : public QObject
{
    Q_OBJECT

public:
    explicit IntervalTimer(QObject *parent = nullptr);

    int interval() const { return m_interval; }
    // Negative values count as 0.
    void setInterval(int milliseconds);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // Whether ticks are being delivered now.
    bool isRunning() const { return m_timer.isActive(); }

signals:
    void tick();

private:
    void update();
    void deliver();

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = true;
    bool m_inHandler = false;
};

} // namespace fw

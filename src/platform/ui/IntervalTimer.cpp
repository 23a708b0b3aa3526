#include "platform/ui/IntervalTimer.h"

#include <algorithm>

namespace fw {

IntervalTimer::IntervalTimer(QObject *parent) : QObject(parent)
{
    // Animation frames should come evenly, not on the coarse timer's slack.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &IntervalTimer::deliver);
}

void IntervalTimer::setInterval(int milliseconds)
{
    m_interval = std::max(0, milliseconds);
    update();
}

void IntervalTimer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    update();
}

void IntervalTimer::update()
{
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}

void IntervalTimer::deliver()
{
    if (m_inHandler)
        return;
    m_inHandler = true;
    // The guard must come off even if a handler throws; nothing should, but a
    // stuck timer would freeze the aquarium for good.
    struct Reset
    {
        bool &flag;
        ~Reset() { flag = false; }
    } reset{m_inHandler};
    emit tick();
}

} // namespace fw

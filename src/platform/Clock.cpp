#include "platform/Clock.h"

namespace fw {

int Clock::dayNumberOf(const QDate &date)
{
    static const QDate dayZero(1899, 12, 30);
    return static_cast<int>(dayZero.daysTo(date));
}

QDateTime SystemClock::now() const
{
    return at(QDateTime::currentMSecsSinceEpoch());
}

QDateTime SystemClock::at(qint64 msecsSinceEpoch) const
{
    const qint64 minute =
        msecsSinceEpoch >= 0 ? msecsSinceEpoch / 60000 : -((-msecsSinceEpoch + 59999) / 60000);
    if (minute != m_offsetMinute) {
        m_offsetSeconds = QDateTime::fromMSecsSinceEpoch(minute * 60000).offsetFromUtc();
        m_offsetMinute = minute;
    }
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, Qt::OffsetFromUTC, m_offsetSeconds);
}

} // namespace fw

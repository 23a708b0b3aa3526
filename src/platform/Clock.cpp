#include "platform/Clock.h"

namespace fw {

double Clock::secondsSinceMidnight() const
{
    return now().time().msecsSinceStartOfDay() / 1000.0;
}

int Clock::dayNumberOf(const QDate &date)
{
    static const QDate dayZero(1899, 12, 30);
    return static_cast<int>(dayZero.daysTo(date));
}

} // namespace fw

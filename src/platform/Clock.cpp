#include "platform/Clock.h"

namespace fw {

int Clock::dayNumberOf(const QDate &date)
{
    static const QDate dayZero(1899, 12, 30);
    return static_cast<int>(dayZero.daysTo(date));
}

} // namespace fw

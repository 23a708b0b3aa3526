#pragma once

#include <QDate>
#include <QDateTime>

#include <limits>

namespace fw {

// The date and time of day, injected so tests can fix them.
class Clock
{
public:
    virtual ~Clock() = default;
    // Local date and time of day, including milliseconds.
    virtual QDateTime now() const = 0;

    QDate today() const { return now().date(); }
    // Whole days since 30 December 1899 (day 0).
    int dayNumber() const { return dayNumberOf(today()); }

    static int dayNumberOf(const QDate &date);
    // Milliseconds of local wall time, from the date and the time of day,
    // for timings within the tank: without the time zone lookup that turning
    // a local time into an instant costs on every call.
    static qint64 wallMs(const QDateTime &when)
    {
        return when.date().toJulianDay() * 86400000LL + when.time().msecsSinceStartOfDay();
    }
};

// The system's clock in local time. Working out the local time costs the C
// library a look at the time zone file each time; the aquarium asks on every
// frame, so the offset from UTC is looked up again only when the minute
// changes (time zone rules change on whole minutes).
class SystemClock final : public Clock
{
public:
    QDateTime now() const override;

    // The same at a given instant, for tests.
    QDateTime at(qint64 msecsSinceEpoch) const;

private:
    mutable qint64 m_offsetMinute = std::numeric_limits<qint64>::min();
    mutable int m_offsetSeconds = 0;
};

} // namespace fw

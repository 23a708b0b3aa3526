#pragma once

#include <QDate>
#include <QDateTime>

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
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace fw

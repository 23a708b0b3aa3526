#pragma once

#include "platform/Clock.h"

namespace fw::test {

// A clock that shows the time a test sets, and moves only when told to.
class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDateTime now = QDateTime(QDate(2026, 12, 8), QTime(12, 34, 56)))
        : m_now(std::move(now))
    {
    }
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &now) { m_now = now; }
    void advanceMs(qint64 ms) { m_now = m_now.addMSecs(ms); }

private:
    QDateTime m_now;
};

} // namespace fw::test

#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <ctime>

using fw::SystemClock;

namespace {

// Central European time by its rules alone, so no zone files are needed:
// summer time from 01:00 UTC on the last Sunday of March to 01:00 UTC on
// the last Sunday of October.
class CentralEuropeanTime : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_saved = qgetenv("TZ");
        m_had = qEnvironmentVariableIsSet("TZ");
        qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
        tzset();
    }
    void TearDown() override
    {
        if (m_had)
            qputenv("TZ", m_saved);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    QByteArray m_saved;
    bool m_had = false;
};

qint64 utc(int year, int month, int day, int hour, int minute, int second, int ms = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, ms), Qt::UTC)
        .toMSecsSinceEpoch();
}

} // namespace

TEST_F(CentralEuropeanTime, SystemClockGivesTheLocalWallTimeAcrossEveryChangeOfOffset)
{
    // Asked in order, as frames do, over both changes of 2026 (29 March and
    // 25 October, at 01:00 UTC) and within minutes that reuse the offset.
    const SystemClock clock;
    const qint64 instants[] = {
        utc(2026, 3, 29, 0, 59, 0),        utc(2026, 3, 29, 0, 59, 59, 999),
        utc(2026, 3, 29, 1, 0, 0),         utc(2026, 3, 29, 1, 0, 30),
        utc(2026, 10, 25, 0, 59, 59, 999), utc(2026, 10, 25, 1, 0, 0),
        utc(2026, 10, 25, 1, 0, 0, 1),     utc(1969, 12, 31, 23, 59, 59, 500),
        utc(1970, 1, 1, 0, 0, 0),          utc(2026, 12, 9, 12, 0, 0),
    };
    for (qint64 instant : instants) {
        const QDateTime local = QDateTime::fromMSecsSinceEpoch(instant);
        const QDateTime given = clock.at(instant);
        SCOPED_TRACE(local.toString(Qt::ISODateWithMs).toStdString());
        EXPECT_EQ(given.date(), local.date());
        EXPECT_EQ(given.time(), local.time());
        EXPECT_EQ(given.toMSecsSinceEpoch(), instant);
    }
    // The wall clock jumps: 01:59:59.999 is followed by 03:00 in spring.
    EXPECT_EQ(clock.at(utc(2026, 3, 29, 0, 59, 59, 999)).time(), QTime(1, 59, 59, 999));
    EXPECT_EQ(clock.at(utc(2026, 3, 29, 1, 0, 0)).time(), QTime(3, 0, 0));
    EXPECT_EQ(clock.at(utc(2026, 10, 25, 1, 0, 0)).time(), QTime(2, 0, 0));
}

#include "platform/ui/IntervalTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <gtest/gtest.h>

using fw::IntervalTimer;

namespace {

// Runs the event loop for `ms` milliseconds.
void runEvents(int ms)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace

TEST(IntervalTimer, IntervalZeroOrNegativeDeliversNothing)
{
    IntervalTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &IntervalTimer::tick, [&] { ++ticks; });
    timer.setEnabled(true);
    timer.setInterval(0);
    runEvents(60);
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(timer.isRunning());

    timer.setInterval(-5);
    EXPECT_EQ(timer.interval(), 0);
    runEvents(30);
    EXPECT_EQ(ticks, 0);
}

TEST(IntervalTimer, TicksOnlyWhileEnabledWithAnInterval)
{
    IntervalTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &IntervalTimer::tick, [&] { ++ticks; });
    timer.setInterval(10);
    EXPECT_TRUE(timer.isRunning());
    runEvents(120);
    EXPECT_GE(ticks, 3);

    timer.setEnabled(false);
    const int stoppedAt = ticks;
    runEvents(60);
    EXPECT_EQ(ticks, stoppedAt);

    // Pausing by interval 0 and giving the interval back, as the dialogs do.
    timer.setEnabled(true);
    timer.setInterval(0);
    runEvents(40);
    EXPECT_EQ(ticks, stoppedAt);
    timer.setInterval(10);
    runEvents(80);
    EXPECT_GT(ticks, stoppedAt);
}

TEST(IntervalTimer, NeverReentersAHandlerThatRunsTheEventLoop)
{
    IntervalTimer timer;
    int depth = 0;
    int deepest = 0;
    int ticks = 0;
    QObject::connect(&timer, &IntervalTimer::tick, [&] {
        ++ticks;
        ++depth;
        deepest = std::max(deepest, depth);
        if (ticks == 1)
            runEvents(80); // as a modal dialog would: ticks fall due meanwhile
        --depth;
    });
    timer.setInterval(5);
    runEvents(150);
    timer.setEnabled(false);
    EXPECT_EQ(deepest, 1);
    EXPECT_GT(ticks, 1); // and ticking goes on afterwards
}

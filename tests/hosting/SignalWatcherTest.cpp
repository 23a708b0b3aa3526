#include "startup/SignalWatcher.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <unistd.h>
#include <vector>

namespace fw {
namespace {

volatile sig_atomic_t g_customHandlerRan = 0;
void customHandler(int)
{
    g_customHandlerRan = 1;
}

// The signal numbers a watcher reported.
struct Received
{
    explicit Received(SignalWatcher &watcher)
    {
        QObject::connect(&watcher, &SignalWatcher::terminationRequested,
                         [this](int number) { numbers.push_back(number); });
    }
    // Runs the event loop until a report came or half a second has passed.
    bool wait()
    {
        QElapsedTimer timer;
        timer.start();
        while (numbers.empty() && timer.elapsed() < 500)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return !numbers.empty();
    }
    std::vector<int> numbers;
};

TEST(SignalWatcherTest, EachSignalReachesTheEventLoopNotTheHandler)
{
    for (int number : SignalWatcher::watchedSignals()) {
        SignalWatcher watcher;
        ASSERT_TRUE(watcher.isActive());
        Received received(watcher);
        ASSERT_EQ(raise(number), 0);
        EXPECT_TRUE(received.numbers.empty()) << "nothing happens inside the handler";
        ASSERT_TRUE(received.wait()) << number;
        EXPECT_EQ(received.numbers, std::vector<int>{number});
    }
}

TEST(SignalWatcherTest, GivesBackThePreviousHandlers)
{
    struct sigaction custom = {};
    custom.sa_handler = customHandler;
    sigemptyset(&custom.sa_mask);
    struct sigaction before = {};
    ASSERT_EQ(sigaction(SIGHUP, &custom, &before), 0);
    {
        SignalWatcher watcher;
        ASSERT_TRUE(watcher.isActive());
    }
    g_customHandlerRan = 0;
    raise(SIGHUP);
    EXPECT_EQ(g_customHandlerRan, 1);
    sigaction(SIGHUP, &before, nullptr);
}

TEST(SignalWatcherTest, OnlyOneWatcherPerProcess)
{
    SignalWatcher first;
    SignalWatcher second;
    EXPECT_TRUE(first.isActive());
    EXPECT_FALSE(second.isActive());
}

TEST(SignalWatcherDeathTest, ASecondSignalEndsAtOnce)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SignalWatcher watcher;
            raise(SIGTERM);
            raise(SIGTERM);
            std::abort();
        },
        testing::ExitedWithCode(128 + SIGTERM), "");
}

TEST(SignalWatcherDeathTest, AnEndThatHangsIsCutShort)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SignalWatcher watcher;
            raise(SIGINT);
            // The event loop never runs: the program is stuck.
            for (int i = 0; i < 20; ++i)
                sleep(1);
            std::abort();
        },
        testing::ExitedWithCode(128 + SIGALRM), "");
}

TEST(SignalWatcherTest, ABrokenPipeFailsTheWriteAndEndsNothing)
{
    struct sigaction before = {};
    sigaction(SIGPIPE, nullptr, &before);
    {
        SignalWatcher watcher;
        ASSERT_TRUE(watcher.isActive());
        int ends[2];
        ASSERT_EQ(pipe(ends), 0);
        close(ends[0]); // the reader went away, as a host's log reader may
        errno = 0;
        EXPECT_EQ(write(ends[1], "x", 1), -1);
        EXPECT_EQ(errno, EPIPE);
        close(ends[1]);
    }
    struct sigaction after = {};
    sigaction(SIGPIPE, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

} // namespace
} // namespace fw

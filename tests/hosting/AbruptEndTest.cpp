#include "startup/AbruptEnd.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <unistd.h>

namespace fw {
namespace {

// The action stands for the save; its own exit status shows that it ran.
constexpr int ActionRan = 7;

void armAction()
{
    runBeforeAbruptEnd([] { _exit(ActionRan); });
}

TEST(AbruptEndTest, QtsAnnouncementsOfTheEndAreKnownAndOthersAreNot)
{
    EXPECT_TRUE(announcesAbruptEnd(
        QtWarningMsg,
        QStringLiteral("The X11 connection broke (error 1). Did the X11 server die?")));
    EXPECT_TRUE(announcesAbruptEnd(QtWarningMsg,
                                   QStringLiteral("The X11 connection broke: I/O error (code 1)")));
    EXPECT_TRUE(announcesAbruptEnd(
        QtWarningMsg,
        QStringLiteral("The Wayland connection broke. Did the Wayland compositor die?")));
    EXPECT_TRUE(announcesAbruptEnd(QtFatalMsg, QStringLiteral("anything at all")));
    EXPECT_FALSE(announcesAbruptEnd(QtWarningMsg, QStringLiteral("QXcbConnection: XCB error: 3")));
    EXPECT_FALSE(announcesAbruptEnd(QtCriticalMsg, QStringLiteral("The X11 server is slow")));
}

// Each way Qt ends the process when its display goes away.
TEST(AbruptEndDeathTest, RunsWhenQtEndsTheProcessItself)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            armAction();
            std::exit(1); // xcb
        },
        testing::ExitedWithCode(ActionRan), "");
    EXPECT_EXIT(
        {
            armAction();
            qWarning("The Wayland connection broke. Did the Wayland compositor die?");
            _exit(1); // Wayland: no exit handlers run
        },
        testing::ExitedWithCode(ActionRan), "Wayland connection broke");
    EXPECT_EXIT(
        {
            armAction();
            qFatal("out of luck");
        },
        testing::ExitedWithCode(ActionRan), "out of luck");
}

// Qt's Wayland platform reports the loss from its event thread, while the
// main thread may be in the middle of a step.
TEST(AbruptEndDeathTest, AReportFromAnotherThreadHasTheMainThreadRunIt)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto reportAndEnd = [] {
        qWarning("The Wayland connection broke. Did the Wayland compositor die?");
        _exit(1);
    };
    EXPECT_EXIT(
        {
            armAction();
            std::thread reporter(reportAndEnd);
            QElapsedTimer waited;
            waited.start();
            while (waited.elapsed() < 10000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            std::abort();
        },
        testing::ExitedWithCode(ActionRan), "");
    // The main thread saving when the report comes (its own way out) is not
    // cut short, however slow the disk.
    EXPECT_EXIT(
        {
            runBeforeAbruptEnd([] {
                std::this_thread::sleep_for(std::chrono::seconds(3));
                _exit(ActionRan);
            });
            std::thread reporter([reportAndEnd] {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                reportAndEnd();
            });
            std::exit(1);
        },
        testing::ExitedWithCode(ActionRan), "");
    // A main thread that never gets back to its events is not run over:
    // the end goes on without the action.
    EXPECT_EXIT(
        {
            armAction();
            std::thread(reportAndEnd).join();
            std::abort();
        },
        testing::ExitedWithCode(1), "");
}

TEST(AbruptEndDeathTest, NothingRunsOnceCleared)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            armAction();
            clearBeforeAbruptEnd();
            std::exit(2);
        },
        testing::ExitedWithCode(2), "");
}

} // namespace
} // namespace fw

#include "startup/AbruptEnd.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMessageLogContext>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace fw {

namespace {

// How long a report from another thread waits for the main thread to start
// the action, and then for the action to finish (a save syncs the disk,
// which may take long on a busy machine; cut short, the old file stays).
constexpr int StartPatienceMs = 2000;
constexpr int FinishPatienceMs = 10000;

enum class Stage
{
    Idle,
    Armed,
    Running,
    Done
};

// Touched on the main thread only; the handlers check the thread first.
std::function<void()> g_action;
std::thread::id g_mainThread;
// Where the action stands, for every thread.
std::atomic<Stage> g_stage = Stage::Idle;
QtMessageHandler g_previousHandler = nullptr;

void runAction()
{
    if (std::this_thread::get_id() != g_mainThread || !g_action)
        return;
    const std::function<void()> action = std::move(g_action);
    g_action = nullptr;
    g_stage = Stage::Running;
    action();
    g_stage = Stage::Done;
}

// Another thread (Qt's Wayland event thread) is about to end the process:
// the main thread runs the action between two of its events, while this one
// waits before it lets the end go on.
void runOnMainThreadAndWait()
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application || g_stage == Stage::Idle)
        return;
    QMetaObject::invokeMethod(application, &runAction, Qt::QueuedConnection);
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const Stage stage = g_stage;
        if (stage == Stage::Idle || stage == Stage::Done)
            return;
        const int patience = stage == Stage::Armed ? StartPatienceMs : FinishPatienceMs;
        if (waited.elapsed() >= patience)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void onMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // Qt's reason first: it tells the user why the tank ends.
    if (g_previousHandler)
        g_previousHandler(type, context, message);
    if (!announcesAbruptEnd(type, message))
        return;
    if (std::this_thread::get_id() == g_mainThread)
        runAction();
    else
        runOnMainThreadAndWait();
}

} // namespace

bool announcesAbruptEnd(QtMsgType type, const QString &message)
{
    return type == QtFatalMsg || message.startsWith(u"The X11 connection broke") ||
           message.startsWith(u"The Wayland connection");
}

void runBeforeAbruptEnd(std::function<void()> action)
{
    static const bool installed = [] {
        std::atexit(runAction);
        g_previousHandler = qInstallMessageHandler(onMessage);
        return true;
    }();
    (void)installed;
    g_mainThread = std::this_thread::get_id();
    g_action = std::move(action);
    g_stage = g_action ? Stage::Armed : Stage::Idle;
}

void clearBeforeAbruptEnd()
{
    g_action = nullptr;
    g_stage = Stage::Idle;
}

} // namespace fw

#include "startup/SignalWatcher.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace fw {

namespace {

// A signal handler can reach nothing but process-wide data; these are the
// only globals of the program, written before the handlers are installed.
int g_pipe[2] = {-1, -1};
volatile sig_atomic_t g_received = 0;
struct sigaction g_previous[SignalWatcher::watchedSignals().size()];
struct sigaction g_previousPipe;

void onSignal(int signalNumber)
{
    if (g_received) {
        // A second request (the user or host means it), or our own alarm:
        // the orderly end hangs.
        _exit(128 + signalNumber);
    }
    g_received = 1;
    alarm(SignalWatcher::GraceSeconds);
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a wake-up; nothing else can be done here.
    [[maybe_unused]] const ssize_t written = write(g_pipe[1], &byte, 1);
    errno = savedErrno;
}

// A handler rather than SIG_IGN, which programs we start would inherit.
void onBrokenPipe(int) {}

} // namespace

SignalWatcher::SignalWatcher(QObject *parent) : QObject(parent)
{
    if (g_pipe[0] >= 0)
        return; // one watcher per process
    if (pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
        return;
    }
    g_received = 0;

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    int index = 0;
    for (int number : watchedSignals())
        sigaction(number, &action, &g_previous[index++]);
    action.sa_handler = onBrokenPipe;
    sigaction(SIGPIPE, &action, &g_previousPipe);

    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalWatcher::readPipe);
}

SignalWatcher::~SignalWatcher()
{
    if (!m_notifier)
        return;
    int index = 0;
    for (int number : watchedSignals())
        sigaction(number, &g_previous[index++], nullptr);
    sigaction(SIGPIPE, &g_previousPipe, nullptr);
    alarm(0);
    delete m_notifier;
    m_notifier = nullptr;
    close(g_pipe[0]);
    close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
    g_received = 0;
}

void SignalWatcher::readPipe()
{
    unsigned char byte = 0;
    int last = 0;
    while (read(g_pipe[0], &byte, 1) == 1)
        last = byte;
    if (last != 0)
        emit terminationRequested(last);
}

} // namespace fw

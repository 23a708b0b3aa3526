#pragma once

#include <QObject>

#include <array>
#include <csignal>

class QSocketNotifier;

namespace fw {

// Turns the signals that ask a program to end into a Qt signal delivered by
// the event loop, so the program ends the way its EXIT button does (saving
// first) when a screen saver host, a terminal or a session manager stops it:
// SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1 (xsecurelock's "reset the saver")
// and SIGUSR2, and SIGALRM, whose default action would end the program too
// (an alarm left by whoever started us). SIGPIPE is caught and does nothing:
// a write to a closed pipe (standard error read by a host that went away)
// then fails with EPIPE instead of ending the tank.
//
// The handler itself only writes the signal number into a pipe; everything
// else runs later on the main thread. If the program has not ended a few
// seconds after the first signal, or a second signal arrives, the process
// ends at once: a hung save never keeps a host waiting, and the settings file
// is replaced atomically, so it stays whole.
class SignalWatcher final : public QObject
{
    Q_OBJECT
public:
    // Seconds the program gets to end after the first signal.
    static constexpr unsigned GraceSeconds = 3;

    explicit SignalWatcher(QObject *parent = nullptr);
    // Restores the handlers that were there before.
    ~SignalWatcher() override;

    SignalWatcher(const SignalWatcher &) = delete;
    SignalWatcher &operator=(const SignalWatcher &) = delete;

    // False when the pipe or a handler could not be set up; the default
    // actions then stay in place.
    bool isActive() const { return m_notifier != nullptr; }

    static constexpr std::array<int, 7> watchedSignals()
    {
        return {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM};
    }

signals:
    void terminationRequested(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace fw

#pragma once

#include <QObject>

#include <array>
#include <csignal>

class QSocketNotifier;

namespace fw {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal delivered by the event
// loop, so the program can end the way its EXIT button does (saving first)
// when a screen saver host, a terminal or a session manager stops it.
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

    static constexpr std::array<int, 3> watchedSignals() { return {SIGTERM, SIGINT, SIGHUP}; }

signals:
    void terminationRequested(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace fw

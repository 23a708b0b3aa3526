#pragma once

#include "state/FishTable.h"
#include "state/FishValues.h"
#include "state/SettingsRecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <array>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace fw {

class Clock;
struct AppState;

// Keeps a running tank's state on disk, so that a crash, a SIGKILL or a power
// cut loses at most a few minutes: a save every period, and one at once
// after a change that asked for it (AppState::requestSave). Between two
// steps of the tank the frame copies what is saved (its texts are shared,
// not duplicated); putting it in save order, making the file's bytes and
// writing them happen on a thread of its own, so the frame that saves waits
// neither for that work nor for the disk.
class StateKeeper
{
public:
    static constexpr std::chrono::milliseconds DefaultPeriod = std::chrono::minutes(5);
    // Replaces the file with the bytes; the default writes the settings file.
    using Write = std::function<bool(const QString &path, const QByteArray &bytes)>;

    StateKeeper(AppState &state, const Clock &clock,
                std::chrono::milliseconds period = DefaultPeriod, Write write = {});
    // Finishes the writes given so far.
    ~StateKeeper();

    StateKeeper(const StateKeeper &) = delete;
    StateKeeper &operator=(const StateKeeper &) = delete;

    // Called between two steps of the running tank (after a tick, after a
    // drop): starts a save when one was requested or the period has passed
    // since the last one (or the clock went back). True when it did.
    bool keep();

    // Waits until the saves started here are on disk, so that a save made
    // elsewhere (the dialog's OK, the one at the end) is never overtaken by
    // an older one.
    void settle();

    // The orderly end saves by itself: settles, and from now on saves
    // nothing more.
    void finish();

    // For an end that bypasses the orderly one (the display server went
    // away): saves the state as it stands on the calling thread and waits
    // for the disk. Once at most, and not after finish(). Uses no display.
    bool saveBeforeEnd();

private:
    // What is saved, as it stood at `at`.
    struct Job
    {
        QString path;
        SettingsRecord settings;
        FishTable fish;
        std::array<FishValues, FishTable::Capacity + 1> values;
        QDateTime at;
    };

    void post(Job job);
    void run();
    // On the writing thread: puts the copy in save order and writes it.
    void write(Job job);

    AppState &m_state;
    const Clock &m_clock;
    const std::chrono::milliseconds m_period;
    Write m_write;
    QDateTime m_lastSave;
    bool m_finished = false;

    // Shared with the writing thread.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<Job> m_pending; // a newer job replaces one still waiting
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace fw

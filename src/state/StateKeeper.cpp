#include "state/StateKeeper.h"

#include "platform/Clock.h"
#include "state/AppState.h"
#include "state/SettingsFile.h"

namespace fw {

StateKeeper::StateKeeper(AppState &state, const Clock &clock, std::chrono::milliseconds period,
                         Write write)
    : m_state(state), m_clock(clock), m_period(period), m_write(std::move(write)),
      m_lastSave(clock.now())
{
    if (!m_write)
        m_write = [](const QString &path, const QByteArray &bytes) {
            return writeSettingsFile(path, bytes);
        };
}

StateKeeper::~StateKeeper()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

bool StateKeeper::keep()
{
    if (m_finished)
        return false;
    const QDateTime now = m_clock.now();
    const qint64 since = m_lastSave.msecsTo(now);
    if (!m_state.saveWanted && since >= 0 && since < m_period.count())
        return false;
    m_state.saveWanted = false;
    m_lastSave = now;
    post({m_state.settingsPath, snapshotBytes(m_state, m_clock)});
    return true;
}

void StateKeeper::post(Job job)
{
    {
        std::lock_guard lock(m_mutex);
        m_pending = std::move(job);
        // Started with the first save: most runs of a dialog never save here.
        if (!m_thread.joinable())
            m_thread = std::thread([this] { run(); });
    }
    m_wake.notify_one();
}

void StateKeeper::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_pending || m_stopping; });
        if (!m_pending)
            return;
        const Job job = std::move(*m_pending);
        m_pending.reset();
        m_busy = true;
        lock.unlock();
        m_write(job.path, job.bytes);
        lock.lock();
        m_busy = false;
        m_idle.notify_all();
    }
}

void StateKeeper::settle()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_pending && !m_busy; });
}

void StateKeeper::finish()
{
    m_finished = true;
    settle();
}

bool StateKeeper::saveBeforeEnd()
{
    if (m_finished)
        return false;
    m_finished = true;
    settle();
    return m_write(m_state.settingsPath, snapshotBytes(m_state, m_clock));
}

} // namespace fw

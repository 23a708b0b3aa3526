#include "state/StateKeeper.h"

#include "platform/Clock.h"
#include "state/AppState.h"
#include "state/SettingsFile.h"

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

namespace fw {

namespace {

constexpr int WriterNiceness = 10;

// The time a copy was taken, for the writing thread.
class FixedTime final : public Clock
{
public:
    explicit FixedTime(QDateTime at) : m_at(std::move(at)) {}
    QDateTime now() const override { return m_at; }

private:
    QDateTime m_at;
};

} // namespace

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
    post({m_state.settingsPath, m_state.settings, m_state.fish, m_state.values, now});
    return true;
}

void StateKeeper::post(Job job)
{
    {
        std::lock_guard lock(m_mutex);
        m_pending = std::move(job);
        // Started with the first save: a short run never needs it.
        if (!m_thread.joinable())
            m_thread = std::thread([this] { run(); });
    }
    m_wake.notify_one();
}

void StateKeeper::run()
{
    // The animation comes first: a batch thread at a low priority neither
    // preempts the frame that woke it nor takes the CPU from later ones.
    sched_param batch{};
    pthread_setschedparam(pthread_self(), SCHED_BATCH, &batch);
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), WriterNiceness);

    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_pending || m_stopping; });
        if (!m_pending)
            return;
        Job job = std::move(*m_pending);
        m_pending.reset();
        m_busy = true;
        lock.unlock();
        write(std::move(job));
        lock.lock();
        m_busy = false;
        m_idle.notify_all();
    }
}

void StateKeeper::write(Job job)
{
    AppState copy;
    copy.settingsPath = std::move(job.path);
    copy.settings = std::move(job.settings);
    copy.fish = std::move(job.fish);
    copy.values = job.values;
    m_write(copy.settingsPath, snapshotBytes(copy, FixedTime(job.at)));
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

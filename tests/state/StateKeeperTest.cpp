#include "state/StateKeeper.h"
#include "StateTestSupport.h"
#include "platform/Random.h"
#include "state/AppState.h"
#include "state/Fish.h"
#include "state/IniFile.h"
#include "state/SettingsFile.h"
#include "state/StateLoading.h"
#include "support/FixedClock.h"

#include <QTemporaryDir>

#include <mutex>
#include <thread>
#include <vector>

using namespace fw;
using namespace std::chrono_literals;
using fw::test::FixedClock;
using fw::test::readBytes;

namespace {

constexpr qint64 Period = 5 * 60 * 1000;

class StateKeeperTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        state.settingsPath = m_dir.filePath(QStringLiteral("FINWICKS.INI"));
        SeededRandom random(7);
        createFirstRunState(state, random, clock, ScreenSize{1000, 800});
        nameUnnamedFish(state, random, false);
        state.settings.date = QStringLiteral("2026/12/01"); // the last run's day
    }

    // The saved file's time, or empty when there is none.
    QString savedTime() const
    {
        const std::optional<IniFile> file = IniFile::load(state.settingsPath);
        return file ? file->value(u"system", u"time").value_or(QString()) : QString();
    }

    QTemporaryDir m_dir;
    FixedClock clock;
    AppState state;
};

} // namespace

TEST_F(StateKeeperTest, SavesOncePerPeriodAndAtOnceWhenAsked)
{
    StateKeeper keeper(state, clock);
    clock.advanceMs(Period - 1);
    EXPECT_FALSE(keeper.keep());
    keeper.settle();
    EXPECT_TRUE(savedTime().isEmpty()) << "saved before the period was over";

    clock.advanceMs(1);
    EXPECT_TRUE(keeper.keep());
    keeper.settle();
    EXPECT_EQ(savedTime(), u"12:39:56");
    EXPECT_FALSE(keeper.keep()) << "a second save in the same instant";

    // A change that asks for it is saved on the next step, and the period
    // starts again from there.
    clock.advanceMs(10'000);
    state.requestSave();
    EXPECT_TRUE(keeper.keep());
    EXPECT_FALSE(state.saveWanted);
    keeper.settle();
    EXPECT_EQ(savedTime(), u"12:40:06");
    clock.advanceMs(Period - 1);
    EXPECT_FALSE(keeper.keep());
    clock.advanceMs(1);
    EXPECT_TRUE(keeper.keep());

    // A clock set back (by hand, or by the network) does not stop the saves
    // for as long as it went back.
    clock.advanceMs(-3'600'000);
    EXPECT_TRUE(keeper.keep());
    clock.advanceMs(1000);
    EXPECT_FALSE(keeper.keep());
}

TEST_F(StateKeeperTest, ASaveWritesWhatSaveAllWouldAndLeavesTheRunningTankAlone)
{
    state.values[3].left = 123;
    const FishTable fishBefore = state.fish;
    const auto valuesBefore = state.values;
    {
        StateKeeper keeper(state, clock);
        state.requestSave();
        ASSERT_TRUE(keeper.keep());
    } // the write under way is finished, not dropped
    EXPECT_EQ(state.fish, fishBefore) << "the running tank's fish were reordered";
    EXPECT_EQ(state.values, valuesBefore);
    EXPECT_EQ(state.settings.date, u"2026/12/01") << "the end rule's day changed";

    const QByteArray kept = readBytes(state.settingsPath);
    AppState copy = state;
    ASSERT_TRUE(SaveAll(copy, clock));
    EXPECT_EQ(kept, readBytes(state.settingsPath));
    EXPECT_NE(copy.fish, fishBefore) << "the starter tank should not be in save order";
}

TEST_F(StateKeeperTest, TheLastSaveWaitsForTheWriteUnderWayAndComesOnce)
{
    std::mutex mutex;
    std::vector<QString> written; // the time of each write, in order
    const auto write = [&](const QString &, const QByteArray &bytes) {
        const QString time = IniFile::parse(bytes).value(u"system", u"time").value_or(QString());
        if (written.empty())
            std::this_thread::sleep_for(200ms); // a slow disk
        std::lock_guard lock(mutex);
        written.push_back(time);
        return true;
    };
    StateKeeper keeper(state, clock, StateKeeper::DefaultPeriod, write);
    state.requestSave();
    ASSERT_TRUE(keeper.keep());
    clock.advanceMs(1000);
    EXPECT_TRUE(keeper.saveBeforeEnd());
    {
        std::lock_guard lock(mutex);
        EXPECT_EQ(written,
                  (std::vector<QString>{QStringLiteral("12:34:56"), QStringLiteral("12:34:57")}));
    }
    EXPECT_FALSE(keeper.saveBeforeEnd()) << "saved twice on the way out";
    state.requestSave();
    EXPECT_FALSE(keeper.keep()) << "saved after the end";
}

TEST_F(StateKeeperTest, AfterTheOrderlyEndNothingMoreIsSaved)
{
    int writes = 0;
    StateKeeper keeper(state, clock, StateKeeper::DefaultPeriod,
                       [&](const QString &, const QByteArray &) { return ++writes, true; });
    keeper.finish();
    clock.advanceMs(Period);
    EXPECT_FALSE(keeper.keep());
    EXPECT_FALSE(keeper.saveBeforeEnd());
    EXPECT_EQ(writes, 0);
}

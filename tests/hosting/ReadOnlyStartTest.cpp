#include "startup/HostStart.h"
#include "startup/StartupState.h"
#include "support/FixedClock.h"

#include "platform/Random.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace fw {
namespace {

constexpr ScreenSize Screen{1024, 768};

class ReadOnlyStartTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_state.settingsPath = m_dir.filePath("FINWICKS.INI");
    }

    // What the owning instance writes on its first run.
    void createOwnersFile()
    {
        AppState owner;
        owner.settingsPath = m_state.settingsPath;
        SeededRandom random(7);
        prepareState(owner, random, m_clock, Screen);
        ASSERT_TRUE(QFileInfo::exists(m_state.settingsPath));
    }

    QStringList folderContents() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir m_dir;
    AppState m_state;
    test::FixedClock m_clock;
    SeededRandom m_random{42};
};

TEST_F(ReadOnlyStartTest, LoadsTheOwnersTankAndLeavesTheFileAlone)
{
    createOwnersFile();
    QFile file(m_state.settingsPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    const QDateTime modified = QFileInfo(m_state.settingsPath).lastModified();

    prepareReadOnlyState(m_state, m_random, m_clock, Screen, 0);

    EXPECT_EQ(m_state.fish.count, 28);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(QFileInfo(m_state.settingsPath).lastModified(), modified);
    EXPECT_EQ(folderContents(), QStringList{"FINWICKS.INI"});
}

TEST_F(ReadOnlyStartTest, WithoutAFileRunsOnTheFirstRunTankInMemory)
{
    prepareReadOnlyState(m_state, m_random, m_clock, Screen, 0);

    EXPECT_EQ(m_state.fish.count, 28);
    EXPECT_TRUE(folderContents().isEmpty()) << folderContents().join(' ').toStdString();
}

TEST_F(ReadOnlyStartTest, AFileWithoutDateIsNeitherReplacedNorBackedUp)
{
    QFile file(m_state.settingsPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[fish]\r\nf01=hand-edited\r\n");
    file.close();

    prepareReadOnlyState(m_state, m_random, m_clock, Screen, 0);

    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[fish]\r\nf01=hand-edited\r\n"));
    EXPECT_EQ(folderContents(), QStringList{"FINWICKS.INI"});
}

} // namespace
} // namespace fw

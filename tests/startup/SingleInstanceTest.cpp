#include "startup/SingleInstance.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace fw;

TEST(SingleInstance, ASecondInstanceIsRefusedUntilTheFirstEnds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("finwicks.lock");
    SingleInstance first(path);
    ASSERT_TRUE(first.acquire());
    SingleInstance second(path);
    EXPECT_FALSE(second.acquire());
    first.release();
    EXPECT_TRUE(second.acquire());
}

TEST(SingleInstance, ALockLeftByADeadProcessIsTakenOver)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("finwicks.lock");
    QProcess process;
    process.start(QStringLiteral("true"));
    ASSERT_TRUE(process.waitForStarted());
    const qint64 deadPid = process.processId();
    ASSERT_TRUE(process.waitForFinished());

    QFile lock(path);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid) + '\n' + QCoreApplication::applicationName().toUtf8() +
               '\n' + QSysInfo::machineHostName().toUtf8() + '\n');
    lock.close();

    SingleInstance instance(path);
    EXPECT_TRUE(instance.acquire());
}

TEST(SingleInstance, TheLockLivesInTheRuntimeFolderWhenThereIsOne)
{
    QTemporaryDir dir;
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", dir.path().toUtf8());
    EXPECT_EQ(SingleInstance::defaultLockPath(), dir.filePath("finwicks.lock"));
    qputenv("XDG_RUNTIME_DIR", "relative/path");
    EXPECT_FALSE(SingleInstance::defaultLockPath().startsWith(QStringLiteral("relative")));
    qputenv("XDG_RUNTIME_DIR", saved);
}

TEST(SingleInstance, TheLockNamesTheRunningExecutable)
{
    // A lock whose recorded name differs from its owner's process name counts
    // as stale, so a live owner must write its own executable's name.
    QTemporaryDir dir;
    const QString path = dir.filePath("finwicks.lock");
    SingleInstance instance(path);
    ASSERT_TRUE(instance.acquire());
    QFile lock(path);
    ASSERT_TRUE(lock.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = lock.readAll().split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(QString::fromUtf8(lines[1]),
              QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).fileName());
}

#include "platform/SingleInstance.h"
#include "app/KVORMainForm.h"
#include "platform/ScriptedMessageService.h"
#include "platform/SystemSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// Lock and socket of the tests live in a folder of their own, shared with child processes
// through the system's temporary-folder setting.
class PrivateTempFolder {
public:
    PrivateTempFolder() : m_saved(qgetenv("TMPDIR")) { qputenv("TMPDIR", m_dir.path().toUtf8()); }
    ~PrivateTempFolder() { qputenv("TMPDIR", m_saved); }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved;
};

TEST(SameProgramCaption, IgnoresCaseAndVersion) {
    EXPECT_TRUE(kvor::SameProgramCaption("KVOR 8.0", "KVOR 8.0"));
    EXPECT_TRUE(kvor::SameProgramCaption("KVOR 8.0", "kvor 7.5"));
    EXPECT_FALSE(kvor::SameProgramCaption("KVOR 8.0", "KVORX 8.0"));
    EXPECT_FALSE(kvor::SameProgramCaption("KVOR 8.0", "Other 8.0"));
}

TEST(SingleInstance, StartGivesUpWhenTheLockStaysTaken) {
    const PrivateTempFolder folder;
    kvor::SingleInstance first("KVOR 8.0");
    ASSERT_EQ(first.Start(), kvor::SingleInstance::StartResult::First);
    kvor::SingleInstance second("KVOR 8.0");
    EXPECT_EQ(second.Start(100), kvor::SingleInstance::StartResult::TimedOut);
    first.ReleaseLock();
    EXPECT_EQ(second.Start(100), kvor::SingleInstance::StartResult::First);
}

TEST(SingleInstance, TwoUsersStartTheirOwnWindowsSideBySide) {
    const PrivateTempFolder folder;
    kvor::SingleInstance first("KVOR 8.0", 1000);
    ASSERT_EQ(first.Start(), kvor::SingleInstance::StartResult::First);
    ASSERT_TRUE(first.Listen());
    kvor::SingleInstance other("KVOR 8.0", 1001);
    EXPECT_EQ(other.Start(100), kvor::SingleInstance::StartResult::First);
    ASSERT_TRUE(other.Listen());
    // Each listens on a socket of its own: the second did not take over the first one's.
    EXPECT_NE(first.ServerName(), other.ServerName());
    EXPECT_TRUE(QFileInfo::exists(first.ServerName()));
    EXPECT_TRUE(QFileInfo::exists(other.ServerName()));
}

TEST(SingleInstance, TheUserIsTheProcessOwnerWhateverUserSays) {
    const PrivateTempFolder folder;
    const QByteArray saved = qgetenv("USER");
    const QString own = kvor::SingleInstance("KVOR 8.0", ::getuid()).LockPath();
    qputenv("USER", "someone-else");
    const QString borrowed = kvor::SingleInstance("KVOR 8.0").LockPath();
    qunsetenv("USER");
    const QString missing = kvor::SingleInstance("KVOR 8.0").LockPath();
    qputenv("USER", saved);
    EXPECT_EQ(borrowed, own);
    EXPECT_EQ(missing, own);
}

TEST(SingleInstance, SecondProgramStartBringsTheRunningWindowForwardAndEnds) {
    const QString program = QCoreApplication::applicationDirPath() + "/../kvor";
    if (!QFileInfo::exists(program)) {
        GTEST_SKIP() << "the kvor program is not built next to the tests";
    }
    const PrivateTempFolder folder;
    kvor::ScriptedMessageService messages;
    kvor::ScriptedSystemSettings settings;
    kvor::TKVORMain window(&messages, &settings);
    window.showMinimized();
    // Another version of the program is running.
    kvor::SingleInstance running("kvor 7.9");
    ASSERT_EQ(running.Start(), kvor::SingleInstance::StartResult::First);
    ASSERT_TRUE(running.Listen());
    running.ReleaseLock();
    int requests = 0;
    QObject::connect(&running, &kvor::SingleInstance::ActivationRequested, &window, [&] {
        ++requests;
        window.ComeForward();
    });

    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    second.setProcessEnvironment(environment);
    second.start(program);
    ASSERT_TRUE(second.waitForStarted(5000));
    QElapsedTimer waited;
    waited.start();
    // The running side answers from the event loop, so wait by processing events.
    while (second.state() != QProcess::NotRunning && waited.elapsed() < 15000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    if (second.state() != QProcess::NotRunning) {
        second.kill();
        second.waitForFinished(2000);
        FAIL() << "the second start did not end";
    }
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(requests, 1);
    EXPECT_FALSE(window.isMinimized());
}

} // namespace

#include "app/application.h"
#include "app/main_window.h"
#include "app/single_instance.h"
#include "shell_test_support.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>

using namespace quorel;
using namespace quorel::gui;

namespace {

constexpr const char* kChildLockVariable = "QUOREL_TEST_CHILD_LOCK";

// Starts this test program again as a second copy of Quorel on `lockPath`.
QString runSecondCopy(const QString& lockPath, int* exitCode)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kChildLockVariable, lockPath);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_also_run_disabled_tests", "--gtest_filter=SingleInstance.DISABLED_StartAsChildProcess"});
    EXPECT_TRUE(child.waitForFinished(60000));
    *exitCode = child.exitCode();
    return QString::fromLocal8Bit(child.readAllStandardOutput());
}

}  // namespace

TEST(SingleInstance, OneLockAtATimeAndAStaleOneIsTakenOver)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Single Instance Program.lock");
    EXPECT_TRUE(defaultSingleInstanceLockPath().endsWith("Single Instance Program.lock"));
    {
        SingleInstanceGuard first(path);
        ASSERT_TRUE(first.acquire());
        EXPECT_TRUE(first.acquire());   // asking again keeps it
        SingleInstanceGuard second(path);
        EXPECT_FALSE(second.acquire());

        // However old the lock file, a running owner keeps it.
        QFile lockFile(path);
        ASSERT_TRUE(lockFile.open(QIODevice::ReadWrite));
        ASSERT_TRUE(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                         QFileDevice::FileModificationTime));
        lockFile.close();
        EXPECT_FALSE(second.acquire());

        first.release();
        EXPECT_TRUE(second.acquire());
    }
    // A lock left by a process that is gone is taken over.
    QFile leftOver(path);
    ASSERT_TRUE(leftOver.open(QIODevice::WriteOnly));
    leftOver.write("999999999\nquorel_gui_tests\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    leftOver.close();
    SingleInstanceGuard third(path);
    EXPECT_TRUE(third.acquire());
}

TEST(SingleInstance, ASecondStartTellsTheUserAndOpensNoWindow)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Single Instance Program.lock");
    SingleInstanceGuard running(path);
    ASSERT_TRUE(running.acquire());

    int code = -1;
    QString output = runSecondCopy(path, &code);
    EXPECT_TRUE(output.contains("TOLD: Application Already Running")) << output.toStdString();
    EXPECT_FALSE(output.contains("WINDOW")) << output.toStdString();
    EXPECT_EQ(code, 0);

    running.release();
    output = runSecondCopy(path, &code);
    EXPECT_FALSE(output.contains("TOLD:")) << output.toStdString();
    EXPECT_TRUE(output.contains("WINDOW Quorel : [untitled]")) << output.toStdString();
    EXPECT_EQ(code, 0);
}

// Not a test of its own: the body of the second copy that the test above starts.
TEST(SingleInstance, DISABLED_StartAsChildProcess)
{
    const QString lockPath = qEnvironmentVariable(kChildLockVariable);
    if (lockPath.isEmpty())
        GTEST_SKIP() << "only run by SingleInstance.ASecondStartTellsTheUserAndOpensNoWindow";
    ApplicationHooks hooks;
    hooks.lockPath = lockPath;
    hooks.tellUser = [](const QString& message) {
        std::printf("TOLD: %s\n", qPrintable(message));
        std::fflush(stdout);
    };
    hooks.shell.soundPlayer = std::make_shared<quorel::gui::testing::FakeSoundPlayer>();
    hooks.runLoop = [](TSDIAppForm& window) {
        std::printf("WINDOW %s\n", qPrintable(window.windowTitle()));
        std::fflush(stdout);
        return 0;
    };
    EXPECT_EQ(runApplication(*qApp, hooks), 0);
}

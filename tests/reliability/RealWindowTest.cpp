#include "ProgramFolder.h"
#include "RecordSamples.h"
#include "store/DataStore.h"
#include "system/FolderLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

// The program on a real X server (Xvfb) under a real window manager (openbox), closed the way a
// user closes it: the window manager is asked to close the window (wmctrl -c, the request a
// title bar's close button makes) and sends the program WM_DELETE_WINDOW.
namespace {

constexpr int kRunMs = 3 * 60 * 1000;

// Runs the program in the folder under Xvfb and a window manager, and closes its window there;
// with a size, after asking the window manager to resize the window to it.
void runAndCloseThroughTheWindowManager(const ProgramFolder& folder, const QString& resize = {})
{
    QStringList missing;
    for (const char* tool : {"xvfb-run", "Xvfb", "xauth", "openbox", "wmctrl"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            missing.append(QString::fromLatin1(tool));
    }
    ASSERT_TRUE(missing.isEmpty())
        << "missing " << missing.join(u' ').toStdString()
        << ": install the Debian packages xvfb xauth openbox wmctrl (make deps does)";

    QProcess run;
    run.setProcessEnvironment(folder.environment(QStringLiteral("xcb")));
    run.start(QStringLiteral("xvfb-run"),
              {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1280x1024x24"),
               QStringLiteral("sh"), QStringLiteral(RELIABILITY_DIR "/close_by_window_manager.sh"),
               folder.executable(), QStringLiteral("Kelvora v1.7"), resize});
    const bool ended = run.waitForFinished(kRunMs);
    if (!ended) {
        run.kill();
        run.waitForFinished();
    }
    const std::string output =
        (run.readAllStandardOutput() + run.readAllStandardError()).toStdString();
    ASSERT_TRUE(ended) << output;
    ASSERT_EQ(run.exitStatus(), QProcess::NormalExit) << output;
    ASSERT_EQ(run.exitCode(), 0) << output;
}

TEST(RealWindow, ClosedThroughTheWindowManagerItSavesLikeTheUsersClose)
{
    ProgramFolder folder;
    const QByteArray records = recordFileOf(sampleRecords(12));
    folder.write(DataFiles::Records, records);
    const quint64 before = folder.inode(DataFiles::Records);

    ASSERT_NO_FATAL_FAILURE(runAndCloseThroughTheWindowManager(folder));

    EXPECT_NE(folder.inode(DataFiles::Records), before) << "the record file was not saved";
    EXPECT_TRUE(folder.read(DataFiles::Records) == records);
    EXPECT_FALSE(folder.dataFiles().contains(FolderLock::FileName)) << "the lock file was left";
    // A first run starts maximized, and a maximized window stores no position.
    EXPECT_EQ(folder.setting(QStringLiteral("WinState")), QStringLiteral("2"));
    for (const char* key : {"Option1", "Option2", "Combo1", "LW1", "LW8", "Font"})
        EXPECT_FALSE(folder.setting(QString::fromLatin1(key)).isNull()) << key;
    EXPECT_TRUE(folder.setting(QStringLiteral("Left")).isNull());
}

TEST(RealWindow, NormalWindowKeepsItsPlaceAndOuterSizeFromRunToRun)
{
    ProgramFolder folder;
    QDir().mkpath(QFileInfo(folder.settingsFile()).path());
    QFile settings(folder.settingsFile());
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[MainForm]\nWinState=0\nLeft=1500\nTop=1200\nWidth=12000\nHeight=9000\n");
    settings.close();

    // The second run is made smaller than it may be: it stops at its least outer size, 688 × 556.
    for (int run = 1; run <= 2; ++run) {
        ASSERT_NO_FATAL_FAILURE(
            runAndCloseThroughTheWindowManager(folder, run == 2 ? "400,300" : ""));
        EXPECT_EQ(folder.setting(QStringLiteral("WinState")), QStringLiteral("0")) << run;
        EXPECT_EQ(folder.setting(QStringLiteral("Left")), QStringLiteral("1500")) << run;
        EXPECT_EQ(folder.setting(QStringLiteral("Top")), QStringLiteral("1200")) << run;
        EXPECT_EQ(folder.setting(QStringLiteral("Width")), run == 2 ? "10320" : "12000") << run;
        EXPECT_EQ(folder.setting(QStringLiteral("Height")), run == 2 ? "8340" : "9000") << run;
    }
}

} // namespace

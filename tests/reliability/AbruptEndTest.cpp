#include "FolderSnapshot.h"
#include "ProgramFolder.h"
#include "RecordSamples.h"
#include "store/DataStore.h"
#include "store/RecordVersions.h"
#include "system/Cp950.h"
#include "system/FolderLock.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

// The real program, ended from outside: by the session (SIGTERM), and by the system in the middle
// of writing its record file.
namespace {

constexpr int kEndMs = 60 * 1000;

// The same records without quotes: the program reads this form, but writes the quoted one.
QByteArray unquotedRecordFileOf(const QList<LoanRecord>& records)
{
    QByteArray bytes;
    for (const LoanRecord& r : records) {
        QStringList fields;
        for (int f = 0; f < LoanRecord::FieldCount; ++f)
            fields.append(r.field(f));
        bytes += Cp950::encode(fields.join(u',') + QStringLiteral("\r\n"));
    }
    return bytes;
}

QByteArray contentOf(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(AbruptEnd, TerminationSignalSavesAsAClose)
{
    ProgramFolder folder;
    const QByteArray records = recordFileOf(sampleRecords(25));
    folder.write(DataFiles::Records, records);
    const quint64 before = folder.inode(DataFiles::Records);

    QProcess program;
    ASSERT_TRUE(folder.startAndWaitUntilUp(program)) << outputOf(program);
    EXPECT_TRUE(folder.read(FolderLock::FileName)
                    .startsWith(QByteArray::number(program.processId()) + '\n'));
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    const bool ended = program.waitForFinished(kEndMs);
    stop(program);
    ASSERT_TRUE(ended) << "still running after SIGTERM";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << outputOf(program);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_FALSE(folder.dataFiles().contains(FolderLock::FileName)) << "the lock file was left";

    // Written anew, with the records it started with.
    EXPECT_NE(folder.inode(DataFiles::Records), before);
    EXPECT_TRUE(folder.read(DataFiles::Records) == records);
    for (const char* key : {"WinState", "Option1", "Option2", "Combo1", "LW1", "LW8"})
        EXPECT_FALSE(folder.setting(QString::fromLatin1(key)).isNull()) << key;
    EXPECT_EQ(folder.setting(QStringLiteral("LW1")), QStringLiteral("1350"));
}

// Ended by the session after another program changed the record file: nothing that only informs
// comes before the save. The records are written at once, the other version kept beside them,
// and the user told on the standard error; a box would wait until the session manager killed
// the program, and the save with it.
TEST(AbruptEnd, TerminationSignalWritesFirstAndTellsOnTheStandardError)
{
    ProgramFolder folder;
    const QList<LoanRecord> records = sampleRecords(25);
    // A form the save would change, so that a save that went through shows.
    folder.write(DataFiles::Records, unquotedRecordFileOf(records));

    QProcess program;
    ASSERT_TRUE(folder.startAndWaitUntilUp(program)) << outputOf(program);
    const QByteArray outside = recordFileOf(sampleRecords(3));
    folder.write(DataFiles::Records, outside);
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    const bool ended = program.waitForFinished(kEndMs);
    const QString said = QString::fromUtf8(program.readAllStandardError());
    stop(program);
    ASSERT_TRUE(ended) << "still running after SIGTERM";
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(folder.read(DataFiles::Records) == recordFileOf(records));
    EXPECT_TRUE(folder.read(DataFiles::Records + ".bak") == outside);
    EXPECT_TRUE(said.contains(folder.path(DataFiles::Records) + ".bak")) << said.toStdString();
}

// The system ends the program half-way through the record file, at the file-size limit: the
// kernel sends SIGXFSZ when a write would pass it. That is as abrupt as a crash or a power cut
// during the save, and happens at the same byte every time.
TEST(AbruptEnd, StoppedHalfWayThroughTheSaveLeavesThePreviousFileWhole)
{
    ProgramFolder folder;
    const QList<LoanRecord> records = sampleRecords(200);
    // A form the save would change, so that a save that went through cannot pass for none.
    const QByteArray previous = unquotedRecordFileOf(records);
    folder.write(DataFiles::Records, previous);
    // No earlier version can be kept (a file stands where its folder would), so that the limit
    // stops the save itself rather than the copy made before it.
    folder.write(RecordVersions::FolderName, {});
    constexpr rlim_t kLimit = 4096;
    ASSERT_GT(recordFileOf(records).size(), qsizetype(kLimit));

    QProcess program;
    ASSERT_TRUE(folder.startAndWaitUntilUp(program)) << outputOf(program);
    const auto pid = static_cast<pid_t>(program.processId());
    const rlimit fileSize{kLimit, RLIM_INFINITY};
    const rlimit noCore{0, 0};
    ASSERT_EQ(::prlimit(pid, RLIMIT_FSIZE, &fileSize, nullptr), 0);
    ASSERT_EQ(::prlimit(pid, RLIMIT_CORE, &noCore, nullptr), 0);
    ::kill(pid, SIGTERM);
    const bool ended = program.waitForFinished(kEndMs);
    stop(program);
    ASSERT_TRUE(ended) << "still running after SIGTERM";
    EXPECT_EQ(program.exitStatus(), QProcess::CrashExit) << "the save was not stopped";
    EXPECT_EQ(program.exitCode(), SIGXFSZ) << "ended by another signal than the file-size limit's";

    EXPECT_TRUE(folder.read(DataFiles::Records) == previous);
    // The lock of the stopped copy stays behind; the next run takes it over.
    EXPECT_EQ(folder.dataFiles(),
              QStringList({FolderLock::FileName, DataFiles::Records, RecordVersions::FolderName}))
        << "no half-written file is left behind";

    // The next run reads the previous file and saves its records in full.
    QProcess again;
    ASSERT_TRUE(folder.startAndWaitUntilUp(again)) << outputOf(again);
    ::kill(static_cast<pid_t>(again.processId()), SIGTERM);
    EXPECT_TRUE(again.waitForFinished(kEndMs));
    stop(again);
    EXPECT_TRUE(folder.read(DataFiles::Records) == recordFileOf(records));
}

// Two copies on one folder would each write their own records over the other's at the close.
TEST(AbruptEnd, ASecondCopyOnTheSameFolderEndsWithoutReadingOrWritingAFile)
{
    ProgramFolder folder;
    folder.write(DataFiles::Records, recordFileOf(sampleRecords(5)));
    QProcess first;
    ASSERT_TRUE(folder.startAndWaitUntilUp(first)) << outputOf(first);
    const FolderSnapshot before = snapshotOf(folder.path({}));
    const QByteArray settings = contentOf(folder.settingsFile());

    QProcess second;
    second.setProcessEnvironment(folder.environment(QStringLiteral("offscreen")));
    second.start(folder.executable(), {});
    QByteArray said;
    // It tells the user, and waits until the message is read (here: until the session ends).
    const bool told = waitUntil(
        second,
        [&] {
            said += second.readAllStandardError();
            return QString::fromUtf8(said).contains(QStringLiteral("已經在使用這個資料夾"));
        },
        kEndMs);
    ::kill(static_cast<pid_t>(second.processId()), SIGTERM);
    const bool ended = second.waitForFinished(kEndMs);
    stop(second);
    ASSERT_TRUE(told) << said.toStdString();
    ASSERT_TRUE(ended);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_EQ(snapshotOf(folder.path({})), before);
    EXPECT_EQ(contentOf(folder.settingsFile()), settings);

    // A copy that was killed leaves its lock behind; the next start takes it over.
    stop(first);
    QProcess third;
    ASSERT_TRUE(folder.startAndWaitUntilUp(third)) << outputOf(third);
    ::kill(static_cast<pid_t>(third.processId()), SIGTERM);
    EXPECT_TRUE(third.waitForFinished(kEndMs));
    EXPECT_EQ(third.exitCode(), 0);
    stop(third);
}

} // namespace

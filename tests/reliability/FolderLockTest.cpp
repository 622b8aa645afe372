#include "system/FolderLock.h"
#include "ProgramFolder.h"
#include "RecordSamples.h"
#include "store/DataStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

// One running copy per program folder, whatever was left where its lock file goes: in process
// through FolderLock, and the built program for what would block its start.
namespace {

constexpr int kRunMs = 60 * 1000;

QByteArray thisProcess()
{
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n';
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

struct Folder
{
    QTemporaryDir temp;
    QString dir() const { return temp.path() + u'/'; }
    QString lockFile() const { return dir() + FolderLock::FileName; }
};

TEST(FolderLock, ALockNobodyHoldsIsTakenOverWhateverStandsThere)
{
    const struct
    {
        const char* what;
        std::function<void(const Folder&)> leave;
        FolderLock::Result result;
    } cases[] = {
        {"nothing", [](const Folder&) {}, FolderLock::Result::Locked},
        {"an empty file", [](const Folder& f) { write(f.lockFile(), {}); },
         FolderLock::Result::Locked},
        {"other text", [](const Folder& f) { write(f.lockFile(), "not a lock\n"); },
         FolderLock::Result::Locked},
        {"another machine's lock",
         [](const Folder& f) { write(f.lockFile(), "4242\nkelvora\nanother-machine\n"); },
         FolderLock::Result::Locked},
        // After a kill, a new process namespace gives the next start the same number.
        {"a lock naming this very process",
         [](const Folder& f) {
             write(f.lockFile(),
                   thisProcess() +
                       QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() +
                       '\n' + QSysInfo::machineHostName().toUtf8() + '\n');
         },
         FolderLock::Result::Locked},
        {"an empty folder", [](const Folder& f) { QDir().mkpath(f.lockFile()); },
         FolderLock::Result::Locked},
        {"a link to a file elsewhere",
         [](const Folder& f) {
             write(f.temp.path() + "/elsewhere", "kept");
             QFile::link(f.temp.path() + "/elsewhere", f.lockFile());
         },
         FolderLock::Result::Locked},
        {"a folder with a file in it",
         [](const Folder& f) {
             QDir().mkpath(f.lockFile());
             write(f.lockFile() + "/inside", "kept");
         },
         FolderLock::Result::LockFileBlocked},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Folder folder;
        c.leave(folder);
        {
            FolderLock lock(folder.dir());
            const FolderLock::Result result = lock.acquire();
            EXPECT_EQ(result, c.result);
            if (result == FolderLock::Result::Locked) {
                EXPECT_TRUE(lock.notice(result).isEmpty());
                EXPECT_TRUE(QFileInfo(folder.lockFile()).isFile());
                EXPECT_FALSE(QFileInfo(folder.lockFile()).isSymLink());
                EXPECT_TRUE(contentOf(folder.lockFile()).startsWith(thisProcess()));
            } else {
                // Said, with the file's name; what stands there is left alone.
                const QString notice = lock.notice(result);
                EXPECT_TRUE(notice.contains(folder.lockFile())) << notice.toStdString();
                EXPECT_TRUE(notice.contains(QStringLiteral("這是一個資料夾，不是檔案")));
                EXPECT_EQ(contentOf(folder.lockFile() + "/inside"), "kept");
            }
        }
        EXPECT_EQ(QFileInfo::exists(folder.lockFile()), c.result != FolderLock::Result::Locked)
            << "removed at the end, and only what this copy made";
        if (QFileInfo::exists(folder.temp.path() + "/elsewhere")) {
            EXPECT_EQ(contentOf(folder.temp.path() + "/elsewhere"), "kept");
        }
    }
}

// Another copy of this version holds the folder; an earlier version held the file alone, with
// QLockFile, and must see this version's lock as held too.
TEST(FolderLock, ALockHeldByARunningCopyOfAnyVersionIsRespected)
{
    Folder folder;
    {
        FolderLock first(folder.dir());
        ASSERT_EQ(first.acquire(), FolderLock::Result::Locked);
        FolderLock second(folder.dir());
        EXPECT_EQ(second.acquire(), FolderLock::Result::InUse);
        EXPECT_TRUE(second.notice(FolderLock::Result::InUse).contains(folder.dir()));
        QLockFile earlier(folder.lockFile());
        EXPECT_FALSE(earlier.tryLock(0));
    }
    QLockFile earlier(folder.lockFile());
    ASSERT_TRUE(earlier.tryLock(0));
    FolderLock later(folder.dir());
    EXPECT_EQ(later.acquire(), FolderLock::Result::InUse);
}

// Deleted while the program runs, the lock file is no longer what keeps other copies out; and a
// lock file put there meanwhile is not this copy's to remove.
TEST(FolderLock, ALockFileDeletedWhileHeldStillKeepsOthersOutAndAnotherInItsPlaceStays)
{
    Folder folder;
    {
        FolderLock first(folder.dir());
        ASSERT_EQ(first.acquire(), FolderLock::Result::Locked);
        ASSERT_TRUE(QFile::remove(folder.lockFile()));
        FolderLock second(folder.dir());
        EXPECT_EQ(second.acquire(), FolderLock::Result::InUse);
        EXPECT_FALSE(QFileInfo::exists(folder.lockFile())) << "the refused copy made none";
        write(folder.lockFile(), "another's\n");
    }
    EXPECT_EQ(contentOf(folder.lockFile()), "another's\n");
}

// The built program, with a named pipe where it would open a file of its own. Opened, a pipe would
// block the start before any window, where the termination signal is not served yet.
TEST(FolderLock, ANamedPipeWhereTheProgramKeepsAFileBlocksNeitherTheStartNorTheEnd)
{
    const struct
    {
        const char* what;
        std::function<QString(const ProgramFolder&)> pipe;
        // Said at the end; an unusable settings file is told at the start instead, in a box.
        bool settingsUnsaved;
    } cases[] = {
        {"lock file", [](const ProgramFolder& f) { return f.path(FolderLock::FileName); }, false},
        {"settings file", [](const ProgramFolder& f) { return f.settingsFile(); }, false},
        // Where QSettings puts its own lock while it writes, at the start's storing of the font.
        {"settings' lock file",
         [](const ProgramFolder& f) { return f.settingsFile() + QStringLiteral(".lock"); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ProgramFolder folder;
        const QByteArray records = recordFileOf(sampleRecords(3));
        folder.write(DataFiles::Records, records);
        const QString pipe = c.pipe(folder);
        QDir().mkpath(QFileInfo(pipe).path());
        ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);

        QProcess program;
        program.setProcessEnvironment(folder.environment(QStringLiteral("offscreen")));
        program.start(folder.executable(), {});
        // The lock is taken first thing; a termination signal from then on is served.
        const bool locked = waitUntil(
            program, [&] { return QFileInfo(folder.path(FolderLock::FileName)).isFile(); }, kRunMs);
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        const bool ended = program.waitForFinished(kRunMs);
        stop(program);
        const QString said = QString::fromUtf8(program.readAllStandardError());
        ASSERT_TRUE(locked) << said.toStdString();
        ASSERT_TRUE(ended) << "still running after SIGTERM";
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0) << said.toStdString();
        EXPECT_EQ(said.contains(QStringLiteral("無法儲存設定到")), c.settingsUnsaved);
        EXPECT_TRUE(folder.read(DataFiles::Records) == records);
        EXPECT_FALSE(folder.dataFiles().contains(FolderLock::FileName));
    }
}

// Run as an ordinary user (root passes every permission check), in a program folder that user
// cannot write: no lock file can be made there.
TEST(FolderLock, AReadOnlyProgramFolderIsToldAtTheStartAndStillRunsOneCopy)
{
    ProgramFolder folder;
    const QString settings = QFileInfo(folder.settingsFile()).path();
    for (const auto& [path, mode] : {std::pair{QFileInfo(settings).path(), 0755},
                                     std::pair{settings, 0777}, std::pair{folder.path({}), 0555}})
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0) << path.toStdString();
    const auto ordinaryUser = [] {
        if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(126);
    };
    // Reads a copy's standard error until it says the words, or ends.
    const auto says = [&](QProcess& program, QByteArray& said, const QString& words) {
        program.setProcessEnvironment(folder.environment(QStringLiteral("offscreen")));
        program.setChildProcessModifier(ordinaryUser);
        program.start(folder.executable(), {});
        return waitUntil(
            program,
            [&] {
                said += program.readAllStandardError();
                return QString::fromUtf8(said).contains(words);
            },
            kRunMs);
    };
    QProcess first;
    QProcess second;
    QByteArray firstSaid;
    QByteArray secondSaid;
    const bool told =
        says(first, firstSaid,
             QStringLiteral("無法寫入這個資料夾（沒有存取權限）：\n") + folder.path({}));
    const bool refused = told && says(second, secondSaid, QStringLiteral("已經在使用這個資料夾"));
    stop(first);
    stop(second);
    EXPECT_TRUE(told) << firstSaid.toStdString() << first.errorString().toStdString();
    EXPECT_TRUE(refused) << secondSaid.toStdString() << second.errorString().toStdString();
}

} // namespace

#include "FileSizeLimit.h"
#include "FolderSnapshot.h"
#include "RecordSamples.h"
#include "SmallDisk.h"
#include "export/CsvExport.h"
#include "store/DataStore.h"
#include "store/RecordFile.h"
#include "store/RecordVersions.h"
#include "support/Dialogs.h"
#include "support/WindowHarness.h"
#include "system/FileSystem.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/Modal.h"

#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// Every file the program writes, written while the disk takes no more than a few bytes: the user
// is told which file, the file that was there before stays whole, and nothing in memory is lost.
namespace {

// Well below every file these tests write, well above the settings file.
constexpr rlim_t kRoomOnDisk = 1024;

QList<MessageBox::Shown> warnings()
{
    QList<MessageBox::Shown> shown;
    for (const MessageBox::Shown& box : MessageBox::history()) {
        if (!box.isInput)
            shown.append(box);
    }
    return shown;
}

QList<LoanRecord> recordsOf(const RecordTable& table)
{
    QList<LoanRecord> records;
    for (int i : table.filledSlots())
        records.append(table[i]);
    return records;
}

// Runs work in a child process as an ordinary user ("nobody" when the tests run as root, whom no
// permission stops); true when it returned true there.
bool asOrdinaryUser(const std::function<bool()>& work)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The folder of earlier versions, made before the save, may hold the previous file once more.
FolderSnapshot withoutVersions(FolderSnapshot files)
{
    files.remove(RecordVersions::FolderName);
    return files;
}

TEST(FailingWrites, RecordFileAtCloseKeepsThePreviousFileAndTheRecords)
{
    WindowHarness h;
    h.writeRecordFile(sampleRecords(40));
    auto& f = h.start();
    h.store().recordRegister().append(sampleRecord(41));
    const QList<LoanRecord> inMemory = recordsOf(h.store().records());
    const FolderSnapshot before = snapshotOf(h.dir().dir());
    {
        FileSizeLimit full(kRoomOnDisk);
        MessageBox::setNextAnswer(MessageBox::Retry);
        MessageBox::setNextAnswer(MessageBox::Cancel);
        EXPECT_FALSE(f.close());
    }
    const QList<MessageBox::Shown> shown = warnings();
    ASSERT_EQ(shown.size(), 2) << "one box for the failed write, one for the failed retry";
    for (const MessageBox::Shown& box : shown) {
        EXPECT_EQ(box.title, MessageBox::WarningTitle);
        EXPECT_TRUE(box.text.contains(h.dir().path(DataFiles::Records))) << box.text.toStdString();
    }
    EXPECT_FALSE(f.hasShutDown());
    EXPECT_EQ(withoutVersions(snapshotOf(h.dir().dir())), before);
    EXPECT_EQ(recordsOf(h.store().records()), inMemory);

    // With room on the disk again the same close writes everything.
    EXPECT_TRUE(f.close());
    EXPECT_EQ(h.dir().read(DataFiles::Records), recordFileOf(inMemory));
}

TEST(FailingWrites, RecordFileGivenUpAtCloseStaysAsItWas)
{
    WindowHarness h;
    h.writeRecordFile(sampleRecords(40));
    auto& f = h.start();
    h.store().recordRegister().removeReturned();
    const FolderSnapshot before = snapshotOf(h.dir().dir());
    {
        FileSizeLimit full(kRoomOnDisk);
        MessageBox::setNextAnswer(MessageBox::Discard);
        EXPECT_TRUE(f.close());
    }
    EXPECT_TRUE(f.hasShutDown());
    ASSERT_EQ(warnings().size(), 1);
    EXPECT_EQ(withoutVersions(snapshotOf(h.dir().dir())), before);
}

TEST(FailingWrites, LegacyConversionKeepsTheLegacyFileAndItsRecords)
{
    WindowHarness h;
    const QList<LoanRecord> legacy = sampleRecords(40);
    QByteArray bytes;
    for (const LoanRecord& r : legacy) {
        bytes += big5(QStringLiteral("\"%1\",\"%2\",\"%3\",\"%4\",\"%5\",\"%6\"\r\n")
                          .arg(r.Date, r.Direction, r.Category, r.Borrower, r.Content, r.Status));
    }
    h.dir().write(DataFiles::LegacyRecords, bytes);
    const FolderSnapshot before = snapshotOf(h.dir().dir());
    {
        FileSizeLimit full(kRoomOnDisk);
        h.start();
    }
    // Not converted: no record file, no kept copy, the legacy file as it was.
    EXPECT_EQ(snapshotOf(h.dir().dir()), before);
    ASSERT_EQ(warnings().size(), 1);
    EXPECT_TRUE(warnings()[0].text.contains(h.dir().path(DataFiles::Records)))
        << warnings()[0].text.toStdString();

    QList<LoanRecord> expected = legacy;
    for (LoanRecord& r : expected) {
        r.Amount.clear();
        r.DueDate.clear();
    }
    EXPECT_EQ(recordsOf(h.store().records()), expected);
    EXPECT_EQ(h.rows(), legacy.size());

    // The records reach the record file at the next close that can write it.
    EXPECT_TRUE(h.window().close());
    EXPECT_EQ(h.dir().read(DataFiles::Records), recordFileOf(expected));
    EXPECT_EQ(h.dir().read(DataFiles::LegacyRecords), bytes);
}

// A disk with room for the save but not for a copy of the file it replaces as well: the earlier
// version must never cost the save. Where links are allowed it is a second name of the replaced
// file and takes no room. Where they are not ("備份" is mounted apart, so a link into it fails as
// on a file system without links), the copy is made only once the new file is complete beside
// the old one: it finds no room left, and the save goes through without it and says so. On a
// disk too full even for the save, 重試 goes through once the user has made room.
TEST(FailingWrites, TheEarlierVersionNeverTakesTheRoomTheSaveNeeds)
{
    constexpr qint64 kPage = 4096; // the unit the file system counts in
    const QList<LoanRecord> previous = sampleRecords(300);
    auto pages = [&](const QList<LoanRecord>& records) {
        return (recordFileOf(records).size() + kPage - 1) / kPage;
    };
    // Room for the previous file and the new one (both are there until the new one replaces
    // it), and 3 pages more: less than a copy of the previous file, more than the filler leaves.
    const qint64 room = (pages(previous) + pages(sampleRecords(301)) + 3) * kPage;
    ASSERT_GT(pages(previous), 3) << "a copy must not fit in the slack";
    const struct
    {
        const char* what;
        bool links;
        bool fullAtFirst;
        QString outcome;
    } cases[] = {
        {"links", true, false, "saves: ok; versions: 1 previous; told: no"},
        {"no links", false, false, "saves: ok; versions: 0; told: yes"},
        {"full at first", true, true, "saves: 磁碟空間不足, ok; versions: 1 previous; told: no"},
    };
    for (const auto& c : cases) {
        const QString outcome = onSmallDisk(room, [&](const QString& disk) {
            const QString appDir = disk + "/app/";
            const QString versions = appDir + RecordVersions::FolderName;
            QDir().mkpath(versions);
            if (!c.links) {
                QDir().mkpath(disk + "/apart");
                ::mount(QFile::encodeName(disk + "/apart").constData(),
                        QFile::encodeName(versions).constData(), nullptr, MS_BIND, nullptr);
            }
            QFile file(appDir + DataFiles::Records);
            if (!file.open(QIODevice::WriteOnly) || file.write(recordFileOf(previous)) < 0)
                return QStringLiteral("cannot write the record file");
            file.close();
            QFile filler(disk + "/filler");
            if (c.fullAtFirst && (!filler.open(QIODevice::WriteOnly) ||
                                  filler.write(QByteArray(4 * kPage, 'x')) < 0 || !filler.flush()))
                return QStringLiteral("cannot fill the disk");
            DataStore store(appDir);
            store.loadRecords();
            store.recordRegister().append(sampleRecord(301));
            QStringList saves;
            QString error;
            while (!store.saveRecords(&error) && saves.size() < 3) {
                saves.append(error);
                filler.remove(); // the user makes room, then chooses 重試
            }
            saves.append(QStringLiteral("ok"));
            QStringList kept;
            for (const QString& name : QDir(versions).entryList(QDir::Files)) {
                QFile copy(versions + "/" + name);
                kept.append(copy.open(QIODevice::ReadOnly) &&
                                    copy.readAll() == recordFileOf(previous)
                                ? QStringLiteral("previous")
                                : name);
            }
            if (!file.open(QIODevice::ReadOnly) ||
                file.readAll() != RecordFile::serialize(store.records()))
                return QStringLiteral("the records were not saved");
            return QStringLiteral("saves: %1; versions: %2; told: %3")
                .arg(saves.join(QStringLiteral(", ")))
                .arg(QString::number(kept.size()) + (kept.isEmpty() ? "" : " " + kept.join(' ')))
                .arg(store.versionError().isEmpty() ? "no" : "yes");
        });
        EXPECT_EQ(outcome.toStdString(), c.outcome.toStdString()) << c.what;
    }
}

struct ListCase
{
    const char* command;
    QString fileName;
    NameList ReferenceLists::*list;
};

TEST(FailingWrites, ListFileAtDoneKeepsThePreviousFileAndTheNewList)
{
    const QList<ListCase> cases{
        {MainMenuItems::editCategories, DataFiles::Categories, &ReferenceLists::categories},
        {MainMenuItems::editItems, DataFiles::Items, &ReferenceLists::items},
        {MainMenuItems::editBorrowers, DataFiles::Borrowers, &ReferenceLists::borrowers}};
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.fileName.toStdString());
        MessageBox::clearHistory();
        WindowHarness h;
        QStringList names;
        for (int i = 1; i <= 200; ++i)
            names.append(QStringLiteral("名稱%1").arg(i));
        h.writeListFile(c.fileName, names);
        h.start();
        const FolderSnapshot before = snapshotOf(h.dir().dir());

        bool opened = false;
        Modal::setNextHandler([&](QDialog& editor) {
            opened = true;
            MessageBox::setNextInput(QStringLiteral("新名稱"));
            clickButton(editor, ListEditorControls::addButton);
            FileSizeLimit full(kRoomOnDisk);
            clickButton(editor, ListEditorControls::doneButton);
        });
        h.trigger(c.command);
        ASSERT_TRUE(opened);

        ASSERT_EQ(warnings().size(), 1);
        EXPECT_TRUE(
            warnings()[0].text.contains(h.dir().path(c.fileName) + QStringLiteral("（檔案太大）")))
            << warnings()[0].text.toStdString();
        EXPECT_EQ(snapshotOf(h.dir().dir()), before);
        EXPECT_EQ((h.store().lists().*c.list).names(),
                  names + QStringList{QStringLiteral("新名稱")});
    }
}

TEST(FailingWrites, ExportKeepsTheEarlierExportAndTheList)
{
    WindowHarness h;
    h.writeRecordFile(sampleRecords(30));
    h.start();
    h.trigger(MainMenuItems::exportShown);
    const QString exportFile = Texts::All + QStringLiteral(".csv");
    ASSERT_FALSE(h.dir().read(exportFile).isEmpty());

    h.store().recordRegister().append(sampleRecord(31));
    const int rows = h.rows();
    const FolderSnapshot before = snapshotOf(h.dir().dir());
    MessageBox::clearHistory();
    {
        FileSizeLimit full(kRoomOnDisk);
        h.trigger(MainMenuItems::exportShown);
    }
    ASSERT_EQ(MessageBox::history().size(), 1) << "the failure, and no completion message";
    const MessageBox::Shown& box = MessageBox::history()[0];
    EXPECT_EQ(box.title, MessageBox::WarningTitle);
    EXPECT_TRUE(box.text.contains(h.dir().path(exportFile))) << box.text.toStdString();
    EXPECT_EQ(snapshotOf(h.dir().dir()), before);
    EXPECT_EQ(h.rows(), rows);
    EXPECT_EQ(h.store().records().count(), 31);
}

// A file that would not be written back the same, whose copy cannot be made: the user is told
// why, and is asked before it is written over, Return keeping it.
TEST(FailingWrites, FilesWithoutTheirCopyAreWrittenOverOnlyWithConsent)
{
    WindowHarness h;
    const QByteArray records = recordFileOf(sampleRecords(20));
    h.dir().write(DataFiles::Records, records + "\r\n" + records);
    QStringList names;
    for (int i = 1; i <= 501; ++i)
        names.append(QStringLiteral("名稱%1").arg(i));
    h.writeListFile(DataFiles::Borrowers, names);
    {
        FileSizeLimit full(kRoomOnDisk);
        h.start();
    }
    ASSERT_EQ(warnings().size(), 2);
    for (const MessageBox::Shown& box : warnings())
        EXPECT_TRUE(box.text.contains(QStringLiteral("無法另存原來的檔案（檔案太大）")))
            << box.text.toStdString();
    const FolderSnapshot before = snapshotOf(h.dir().dir());
    MessageBox::clearHistory();
    Modal::setNextHandler(
        [](QDialog& editor) { clickButton(editor, ListEditorControls::doneButton); });
    h.trigger(MainMenuItems::editBorrowers);
    EXPECT_TRUE(h.window().close());
    ASSERT_EQ(warnings().size(), 2);
    EXPECT_TRUE(warnings()[0].text.contains(h.dir().path(DataFiles::Borrowers)));
    EXPECT_TRUE(warnings()[1].text.contains(h.dir().path(DataFiles::Records)));
    EXPECT_EQ(snapshotOf(h.dir().dir()), before);
}

// A folder that refuses a temporary file, holding a file that may be written: the file is
// written in place, and a write that fails half-way puts the previous bytes back.
TEST(FailingWrites, ReadOnlyFolderGetsTheFileWrittenInPlaceOrLeftWhole)
{
    TempAppDir app;
    const QString file = app.path(DataFiles::Categories);
    app.write(DataFiles::Categories, "previous");
    const QByteArray folder = QFile::encodeName(app.dir());
    ASSERT_EQ(::chmod(QFile::encodeName(app.dir() + QStringLiteral("..")), 0755), 0);
    ASSERT_EQ(::chmod(folder, 0555), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(file), 0666), 0);
    EXPECT_TRUE(asOrdinaryUser([&] {
        QString error;
        {
            FileSizeLimit full(kRoomOnDisk);
            if (FileSystem::writeAll(file, QByteArray(2 * kRoomOnDisk, 'x'), &error) ||
                error != QStringLiteral("檔案太大"))
                return false;
        }
        QByteArray held;
        return FileSystem::readAll(file, &held, nullptr) && held == "previous" &&
               FileSystem::writeAll(file, "new", &error);
    }));
    ::chmod(folder, 0755);
    EXPECT_EQ(snapshotOf(app.dir()), (FolderSnapshot{{DataFiles::Categories, "new"}}));
}

} // namespace

// The record file and the export go to disk piece by piece: wherever the disk fills up, at once,
// within the first piece, at a piece's end or pieces later, the write fails and says why, and the
// file it would have replaced stays whole with nothing left beside it.
TEST(FailingWrites, ADiskFullAnywhereInTheFileLeavesTheOneBeforeWhole)
{
    TempAppDir app;
    QList<LoanRecord> records = sampleRecords(40);
    for (LoanRecord& r : records)
        r.Content = QStringLiteral("借").repeated(12000); // about 0.9 MiB in all: four pieces
    DataStore store(app.dir());
    for (const LoanRecord& r : records)
        store.recordRegister().append(r);
    QString error;
    ASSERT_TRUE(store.saveRecords(&error)) << error.toStdString();
    ASSERT_TRUE(CsvExport::write(records, Texts::All, app.dir()).written);
    store.recordRegister().remove({1});
    const QList<LoanRecord> fewer = recordsOf(store.records());
    const FolderSnapshot before = snapshotOf(app.dir());

    constexpr rlim_t piece = FileSystem::PieceSize;
    for (const rlim_t room : {rlim_t(0), rlim_t(1), piece - 1, piece, piece + 1, 3 * piece + 5}) {
        error.clear();
        CsvExport::Outcome exported;
        {
            FileSizeLimit full(room);
            EXPECT_FALSE(store.saveRecords(&error)) << room;
            exported = CsvExport::write(fewer, Texts::All, app.dir());
        }
        EXPECT_FALSE(error.isEmpty()) << room;
        EXPECT_FALSE(exported.written) << room;
        EXPECT_FALSE(exported.error.isEmpty()) << room;
        EXPECT_EQ(snapshotOf(app.dir()), before) << room;
    }
    ASSERT_TRUE(store.saveRecords(&error)) << error.toStdString();
    EXPECT_EQ(app.read(DataFiles::Records), recordFileOf(fewer));
}

#include "store/DataStore.h"
#include "store/FileFingerprint.h"
#include "store/RecordVersions.h"
#include "store/Samples.h"
#include "support/TestSupport.h"
#include "system/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sys/stat.h>

namespace {

using Kind = FileProblem::Kind;

QByteArray legacyLine(int n)
{
    const LoanRecord r = sample(n);
    return big5('"' + r.Date + "\",\"" + r.Direction + "\",\"" + r.Category + "\",\"" + r.Borrower +
                "\",\"" + r.Content + "\",\"" + r.Status + "\"\r\n");
}

LoanRecord withoutAmounts(LoanRecord r)
{
    r.Amount.clear();
    r.DueDate.clear();
    return r;
}

class DataStoreTest : public ::testing::Test
{
protected:
    TempAppDir app;
    DataStore store{app.dir()};
};

TEST_F(DataStoreTest, SavingUnchangedGivesTheSameBytes)
{
    const QByteArray bytes =
        line(sample(1)) +
        big5("\"2026/2/1\",\"借入\",\"\",\"許功蓋€碁\",\"a,b\r\nc\",\"\",\"\",\"\"\r\n");
    app.write(DataFiles::Records, bytes);
    ASSERT_TRUE(store.loadRecords().isEmpty());
    EXPECT_EQ(store.records().count(), 2);
    EXPECT_EQ(store.records()[2].Content, "a,b\r\nc");
    app.write(DataFiles::Records, {});
    QString error;
    ASSERT_TRUE(store.saveRecords(&error)) << error.toStdString();
    EXPECT_EQ(app.read(DataFiles::Records), bytes);
}

TEST_F(DataStoreTest, NoFileGivesAnEmptyRegister)
{
    EXPECT_TRUE(store.loadRecords().isEmpty());
    EXPECT_EQ(store.records().count(), 0);
    QString error;
    ASSERT_TRUE(store.saveRecords(&error));
    EXPECT_TRUE(app.exists(DataFiles::Records));
    EXPECT_TRUE(app.read(DataFiles::Records).isEmpty());
}

TEST_F(DataStoreTest, TooManyRecordsKeepsTheFirstAndOneCopyForAllProblems)
{
    QByteArray bytes = "\r\n";
    for (int i = 1; i <= RecordTable::Capacity + 1; ++i)
        bytes += line(sample(i));
    app.write(DataFiles::Records, bytes);
    const QList<FileProblem> problems = store.loadRecords();
    ASSERT_EQ(problems.size(), 2);
    EXPECT_EQ(problems[0].kind, Kind::Damaged);
    EXPECT_EQ(problems[1].kind, Kind::TooMany);
    EXPECT_EQ(problems[1].file, app.path("Main1.csv"));
    EXPECT_EQ(problems[0].copy, app.path("Main1.csv.bak"));
    EXPECT_EQ(problems[1].copy, app.path("Main1.csv.bak"));
    EXPECT_EQ(app.read("Main1.csv.bak"), bytes);
    EXPECT_FALSE(app.exists("Main1.csv.bak2"));
    EXPECT_EQ(store.records().count(), RecordTable::Capacity);
    EXPECT_EQ(store.records()[RecordTable::Capacity], sample(RecordTable::Capacity));
}

// The records after a damaged line read as they are; the user learns the line; the original is
// kept byte for byte before anything is written over it.
TEST_F(DataStoreTest, DamagedLineLeavesTheOtherRecordsAndTheFileIsKept)
{
    const struct
    {
        const char* name;
        int count;
        int at;
        QString from;
        QString to;
        qsizetype line;
    } cases[] = {
        {"empty line", 50, 10, "\r\n", "\r\n\r\n", 11},
        {"seven fields", 50, 20, ",\"未歸還\"", "", 20},
        {"seven fields in a full table", RecordTable::Capacity, 20, ",\"未歸還\"", "", 20},
        {"missing closing quote", 50, 30, "\"許功蓋\",", "\"許功蓋,", 30},
        {"missing closing quote at the line end", 50, 40, "未歸還\"", "未歸還", 40},
    };
    for (const auto& c : cases) {
        TempAppDir dir;
        QByteArray bytes;
        for (int n = 1; n <= c.count; ++n)
            bytes += n == c.at ? big5(Cp950::decode(line(sample(n))).replace(c.from, c.to))
                               : line(sample(n));
        dir.write(DataFiles::Records, bytes);
        DataStore other(dir.dir());
        const QList<FileProblem> problems = other.loadRecords();
        ASSERT_EQ(problems.size(), 1) << c.name;
        EXPECT_EQ(problems[0].kind, Kind::Damaged) << c.name;
        EXPECT_EQ(problems[0].lines, QList<qsizetype>{c.line}) << c.name;
        EXPECT_EQ(dir.read("Main1.csv.bak"), bytes) << c.name;
        ASSERT_EQ(other.records().count(), c.count) << c.name;
        for (int n = 1; n <= c.count; ++n) {
            LoanRecord expected = sample(n);
            if (n == c.at && c.to.isEmpty())
                expected.Status.clear();
            EXPECT_EQ(other.records()[n], expected) << c.name << ", record " << n;
        }
    }
}

// A record far longer than a piece of the file is kept without a copy of the text read for it, yet
// each of its fields is a string of its own; the records after it load, a damaged line after it is
// numbered counting the lines within it, and it is written back as it was read.
TEST_F(DataStoreTest, RecordFarLongerThanAPieceLoadsWholeAndItsFieldsApart)
{
    LoanRecord big = sample(2);
    for (int l = 0; l < 40000; ++l)
        big.Content += QString(60, QChar(u"借書還錢"[l % 4])) + "\r\n";
    big.Borrower = QString(FileSystem::PieceSize, u'陳');
    const QByteArray damaged = big5(Cp950::decode(line(sample(4))).replace("未歸還\"", "未歸還"));
    app.write(DataFiles::Records,
              line(sample(1)) + line(big) + line(sample(3)) + damaged + line(sample(5)));

    const QList<FileProblem> problems = store.loadRecords();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems[0].lines, QList<qsizetype>{40000 + 4});
    ASSERT_EQ(store.records().count(), 5);
    for (int n : {1, 3, 4, 5})
        EXPECT_EQ(store.records()[n], sample(n)) << n;
    EXPECT_EQ(store.records()[2], big);
    // Each ends where it should for code that reads to the terminating null.
    for (const QString& field : {store.records()[2].Borrower, store.records()[2].Content})
        EXPECT_EQ(field.utf16()[field.size()], 0);

    // Changing one field leaves the others as they were.
    LoanRecord changed = store.records()[2];
    changed.Borrower += u'X';
    changed.Content.replace(0, 1, u'雨');
    EXPECT_EQ(changed.Borrower, big.Borrower + u'X');
    EXPECT_EQ(changed.Content.mid(1), big.Content.mid(1));
    EXPECT_EQ(changed.Date, big.Date);
    // Written to, a field copies itself, not the room reserved for the text it was read from.
    EXPECT_LT(changed.Borrower.capacity(), 2 * changed.Borrower.size());
    EXPECT_EQ(store.records()[2], big);

    QString error;
    ASSERT_TRUE(store.saveRecords(&error)) << error.toStdString();
    EXPECT_TRUE(app.read(DataFiles::Records) ==
                line(sample(1)) + line(big) + line(sample(3)) + line(sample(4)) + line(sample(5)));
}

TEST_F(DataStoreTest, DamagedLegacyAndListFilesAreReportedAndKept)
{
    const QByteArray legacy = legacyLine(1) + "\r\n" + legacyLine(2);
    app.write(DataFiles::LegacyRecords, legacy);
    QList<FileProblem> problems = store.loadRecords();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems[0].lines, QList<qsizetype>{2});
    EXPECT_EQ(problems[0].copy, app.path(DataFiles::LegacyKept));
    EXPECT_EQ(app.read(DataFiles::LegacyKept), legacy);
    EXPECT_EQ(store.records()[2], withoutAmounts(sample(2)));

    const QByteArray names = big5("\"甲\"\r\n\"乙\",\"丙\"\r\n\"丁\"\r\n");
    app.write(DataFiles::Items, names);
    problems = store.loadList(store.lists().items, DataFiles::Items);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems[0].lines, QList<qsizetype>{2});
    EXPECT_EQ(app.read("Affair.csv.bak"), names);
    EXPECT_EQ(store.lists().items.names(), (QStringList{"甲", "乙", "丁"}));
}

TEST_F(DataStoreTest, TooManyLegacyRecordsStayInTheKeptFile)
{
    QByteArray legacy;
    for (int i = 1; i <= RecordTable::Capacity + 1; ++i)
        legacy += legacyLine(i);
    app.write(DataFiles::LegacyRecords, legacy);
    const QList<FileProblem> problems = store.loadRecords();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems[0].kind, Kind::TooMany);
    EXPECT_EQ(problems[0].copy, app.path(DataFiles::LegacyKept));
    EXPECT_EQ(app.read(DataFiles::LegacyKept), legacy);
    EXPECT_EQ(store.records().count(), RecordTable::Capacity);
    EXPECT_EQ(store.records()[RecordTable::Capacity],
              withoutAmounts(sample(RecordTable::Capacity)));
}

TEST_F(DataStoreTest, ConvertsTheLegacyFile)
{
    const QByteArray legacy = legacyLine(1) + legacyLine(2);
    app.write(DataFiles::LegacyRecords, legacy);
    EXPECT_TRUE(store.loadRecords().isEmpty());
    EXPECT_FALSE(app.exists(DataFiles::LegacyRecords));
    EXPECT_EQ(app.read(DataFiles::LegacyKept), legacy);
    EXPECT_EQ(app.read(DataFiles::Records),
              line(withoutAmounts(sample(1))) + line(withoutAmounts(sample(2))));
    ASSERT_EQ(store.records().count(), 2);
    EXPECT_EQ(store.records()[2], withoutAmounts(sample(2)));
}

TEST_F(DataStoreTest, LegacyFileIgnoredBesideTheRecordFile)
{
    const QByteArray legacy = legacyLine(1);
    app.write(DataFiles::LegacyRecords, legacy);
    app.write(DataFiles::Records, line(sample(7)));
    EXPECT_TRUE(store.loadRecords().isEmpty());
    ASSERT_EQ(store.records().count(), 1);
    EXPECT_EQ(store.records()[1], sample(7));
    EXPECT_EQ(app.read(DataFiles::LegacyRecords), legacy);
    EXPECT_FALSE(app.exists(DataFiles::LegacyKept));

    // An empty record file is a register emptied on purpose, not a reason to convert again.
    app.write(DataFiles::Records, {});
    EXPECT_TRUE(store.loadRecords().isEmpty());
    EXPECT_EQ(store.records().count(), 0);
    EXPECT_EQ(app.read(DataFiles::LegacyRecords), legacy);
    EXPECT_TRUE(app.read(DataFiles::Records).isEmpty());
}

TEST_F(DataStoreTest, EarlierKeptLegacyFileIsNotReplaced)
{
    app.write(DataFiles::LegacyRecords, legacyLine(1));
    app.write(DataFiles::LegacyKept, "older");
    EXPECT_TRUE(store.loadRecords().isEmpty());
    EXPECT_EQ(app.read(DataFiles::LegacyKept), "older");
    EXPECT_EQ(app.read(DataFiles::LegacyRecords), legacyLine(1));
    EXPECT_EQ(app.read(DataFiles::Records), line(withoutAmounts(sample(1))));
    EXPECT_EQ(store.records().count(), 1);
}

TEST_F(DataStoreTest, UndecodableFileIsLoadedAndCopied)
{
    const QByteArray bytes = line(sample(1)) + line(sample(2)).replace("2026", "\xA3\xFE");
    app.write(DataFiles::Records, bytes);
    app.write("Main1.csv.bak", "another file");
    const QList<FileProblem> problems = store.loadRecords();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems[0].kind, Kind::Undecodable);
    EXPECT_EQ(problems[0].copy, app.path("Main1.csv.bak2"));
    EXPECT_EQ(app.read("Main1.csv.bak2"), bytes);
    EXPECT_EQ(app.read("Main1.csv.bak"), "another file");
    EXPECT_EQ(store.records().count(), 2);
    EXPECT_EQ(store.records()[1], sample(1));
    EXPECT_EQ(store.protection(DataFiles::Records), WriteProtection::Reason::None);
}

TEST_F(DataStoreTest, UnreadableFilesAreReportedAndProtected)
{
    // A folder, and a named pipe, which would block the start-up of a reader that opened it.
    for (const bool pipe : {false, true}) {
        for (const QString& name :
             {DataFiles::Records, DataFiles::LegacyRecords, DataFiles::Categories}) {
            TempAppDir dir;
            const QByteArray file = QFile::encodeName(dir.path(name));
            ASSERT_EQ(pipe ? ::mkfifo(file, 0600) : ::mkdir(file, 0700), 0);
            DataStore other(dir.dir());
            const QList<FileProblem> problems = name == DataFiles::Categories
                                                    ? other.loadList(other.lists().categories, name)
                                                    : other.loadRecords();
            ASSERT_EQ(problems.size(), 1) << name.toStdString();
            EXPECT_EQ(problems[0].kind, Kind::Unreadable);
            EXPECT_EQ(problems[0].reason, pipe ? "這不是一般的檔案" : "這是一個資料夾，不是檔案");
            EXPECT_EQ(other.protection(name), WriteProtection::Reason::Unreadable);
            EXPECT_EQ(other.records().count(), 0);
        }
    }
}

TEST_F(DataStoreTest, FailedSaveReportsAndLeavesTheTarget)
{
    ASSERT_TRUE(QDir(app.dir()).mkdir(DataFiles::Records));
    store.recordRegister().append(sample(1));
    QString error;
    EXPECT_FALSE(store.saveRecords(&error));
    EXPECT_EQ(error, "這是一個資料夾，不是檔案");
    EXPECT_TRUE(QFileInfo(app.path(DataFiles::Records)).isDir());
    EXPECT_FALSE(FileSystem::writeAll(app.path("missing/Main1.csv"), "x", &error));
    EXPECT_EQ(error, "檔案或資料夾不存在");
    EXPECT_EQ(FileSystem::reasonText("Resource busy"), "Resource busy");
}

// A version is told by the bytes, whatever pieces they are read or written in.
TEST(FileFingerprintTest, TellsBytesApartWhateverPiecesTheyComeIn)
{
    QByteArray bytes(2 * FileSystem::PieceSize + 100, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7);
    const FileFingerprint whole(bytes);
    for (const qsizetype part : {qsizetype(1), qsizetype(99), FileSystem::PieceSize - 1,
                                 FileSystem::PieceSize, FileSystem::PieceSize + 1}) {
        FileFingerprint::Builder pieces;
        for (qsizetype at = 0; at < bytes.size(); at += part)
            pieces.add(QByteArrayView(bytes).sliced(at, std::min(part, bytes.size() - at)));
        EXPECT_EQ(pieces.result(), whole) << part;
    }
    for (const qsizetype at : {qsizetype(0), FileSystem::PieceSize, bytes.size() - 1}) {
        QByteArray other = bytes;
        other[at] = static_cast<char>(other[at] ^ 1);
        EXPECT_NE(FileFingerprint(other), whole) << at;
    }
    EXPECT_NE(FileFingerprint(bytes.chopped(1)), whole);
    EXPECT_NE(FileFingerprint(QByteArray()), FileFingerprint()) << "an empty file is a file";
}

// Accepts a few bytes at a time, then fails.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 limit) : limit_(limit) { open(WriteOnly | Unbuffered); }
    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        if (written.size() >= limit_) {
            setErrorString(QStringLiteral("disk full"));
            return -1;
        }
        const qint64 n = std::min<qint64>({size, 3, limit_ - written.size()});
        written.append(data, n);
        return n;
    }

private:
    qint64 limit_;
};

TEST(FileSystemTest, WriteDeviceWritesEveryByteOrFails)
{
    const QByteArray bytes = "0123456789";
    QString error;
    FailingDevice roomy(100);
    EXPECT_TRUE(FileSystem::writeDevice(roomy, bytes, &error));
    EXPECT_EQ(roomy.written, bytes);

    FailingDevice tight(7);
    EXPECT_FALSE(FileSystem::writeDevice(tight, bytes, &error));
    EXPECT_EQ(error, "disk full");
    EXPECT_EQ(tight.written, bytes.first(7));
}

// A save reported done survives a power cut only once the folder holding the new name is synced:
// after each rename, new folder and second name, that folder and no other.
TEST(FileSystemTest, EachNameMadeOrChangedIsSyncedInItsFolder)
{
    TempAppDir app;
    const QString folder = QFileInfo(app.dir()).canonicalFilePath();
    const QString versions = folder + "/" + RecordVersions::FolderName;
    ASSERT_TRUE(QDir(app.dir()).mkdir("other"));
    const QString other = folder + "/other";
    app.write(DataFiles::Records, line(sample(1)));
    ASSERT_TRUE(QFile::link(app.path(DataFiles::Records), app.path("other/link.csv")));
    DataStore store(app.dir());
    store.loadRecords();
    store.recordRegister().append(sample(2));
    bool linked = false;
    QString error;
    const struct
    {
        const char* what;
        std::function<bool()> act;
        QStringList synced;
    } cases[] = {
        {"a file replaced",
         [&] { return FileSystem::writeAll(app.path("a.csv"), "a", &error); },
         {folder}},
        {"through a link, its target",
         [&] { return FileSystem::writeAll(app.path("other/link.csv"), "b", &error); },
         {folder}},
        {"renamed",
         [&] { return FileSystem::rename(app.path("a.csv"), app.path("other/a.csv")); },
         {other}},
        {"a second name",
         [&] {
             return FileSystem::keepAs(app.path("other/a.csv"), app.path("b.csv"), &error, &linked);
         },
         {folder}},
        {"a new folder", [&] { return FileSystem::makeFolder(app.path("other/new")); }, {other}},
        {"a save keeping an earlier version",
         [&] { return store.saveRecords(&error); },
         {folder, versions, folder}},
    };
    for (const auto& c : cases) {
        QStringList synced;
        FileSystem::observeFolderSyncs([&](const QString& f) { synced.append(f); });
        EXPECT_TRUE(c.act()) << c.what << ": " << error.toStdString();
        FileSystem::observeFolderSyncs({});
        EXPECT_EQ(synced, c.synced) << c.what;
    }
    EXPECT_TRUE(linked);
}

} // namespace

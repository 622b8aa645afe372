#include "store/DataStore.h"
#include "platform/FileSystem.h"
#include "store/Samples.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <algorithm>

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
    app.write(DataStore::RecordFileName, bytes);
    ASSERT_TRUE(store.MainDataInit().isEmpty());
    EXPECT_EQ(store.records.count(), 2);
    EXPECT_EQ(store.records[2].Content, "a,b\r\nc");
    app.write(DataStore::RecordFileName, {});
    QString error;
    ASSERT_TRUE(store.MainDataClose(&error)) << error.toStdString();
    EXPECT_EQ(app.read(DataStore::RecordFileName), bytes);
}

TEST_F(DataStoreTest, NoFileGivesAnEmptyRegister)
{
    EXPECT_TRUE(store.MainDataInit().isEmpty());
    EXPECT_EQ(store.records.RecordNext(), 1);
    EXPECT_FALSE(store.recordFileUnread());
    QString error;
    ASSERT_TRUE(store.MainDataClose(&error));
    EXPECT_TRUE(app.exists(DataStore::RecordFileName));
    EXPECT_TRUE(app.read(DataStore::RecordFileName).isEmpty());
}

TEST_F(DataStoreTest, TooManyRecordsKeepsTheFirstAndACopy)
{
    QByteArray bytes;
    for (int i = 1; i <= RecordTable::Capacity + 1; ++i)
        bytes += line(sample(i));
    app.write(DataStore::RecordFileName, bytes);
    const QList<FileProblem> problems = store.MainDataInit();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems[0].kind, Kind::TooMany);
    EXPECT_EQ(problems[0].file, app.path("Main1.csv"));
    EXPECT_EQ(problems[0].copy, app.path("Main1.csv.bak"));
    EXPECT_EQ(app.read("Main1.csv.bak"), bytes);
    EXPECT_EQ(store.records.count(), RecordTable::Capacity);
    EXPECT_EQ(store.records[RecordTable::Capacity], sample(RecordTable::Capacity));
}

TEST_F(DataStoreTest, TooManyLegacyRecordsStayInTheKeptFile)
{
    QByteArray legacy;
    for (int i = 1; i <= RecordTable::Capacity + 1; ++i)
        legacy += legacyLine(i);
    app.write(DataStore::LegacyFileName, legacy);
    const QList<FileProblem> problems = store.MainDataInit();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems[0].kind, Kind::TooMany);
    EXPECT_EQ(problems[0].copy, app.path(DataStore::LegacyKeptName));
    EXPECT_EQ(app.read(DataStore::LegacyKeptName), legacy);
    EXPECT_EQ(store.records.count(), RecordTable::Capacity);
    EXPECT_EQ(store.records[RecordTable::Capacity], withoutAmounts(sample(RecordTable::Capacity)));
}

TEST_F(DataStoreTest, ConvertsTheLegacyFile)
{
    const QByteArray legacy = legacyLine(1) + legacyLine(2);
    app.write(DataStore::LegacyFileName, legacy);
    EXPECT_TRUE(store.MainDataInit().isEmpty());
    EXPECT_FALSE(app.exists(DataStore::LegacyFileName));
    EXPECT_EQ(app.read(DataStore::LegacyKeptName), legacy);
    EXPECT_EQ(app.read(DataStore::RecordFileName),
              line(withoutAmounts(sample(1))) + line(withoutAmounts(sample(2))));
    ASSERT_EQ(store.records.count(), 2);
    EXPECT_EQ(store.records[2], withoutAmounts(sample(2)));
}

TEST_F(DataStoreTest, LegacyFileIgnoredBesideTheRecordFile)
{
    const QByteArray legacy = legacyLine(1);
    app.write(DataStore::LegacyFileName, legacy);
    app.write(DataStore::RecordFileName, line(sample(7)));
    EXPECT_TRUE(store.MainDataInit().isEmpty());
    ASSERT_EQ(store.records.count(), 1);
    EXPECT_EQ(store.records[1], sample(7));
    EXPECT_EQ(app.read(DataStore::LegacyFileName), legacy);
    EXPECT_FALSE(app.exists(DataStore::LegacyKeptName));

    // An empty record file is a register emptied on purpose, not a reason to convert again.
    app.write(DataStore::RecordFileName, {});
    EXPECT_TRUE(store.MainDataInit().isEmpty());
    EXPECT_EQ(store.records.RecordNext(), 1);
    EXPECT_EQ(app.read(DataStore::LegacyFileName), legacy);
    EXPECT_TRUE(app.read(DataStore::RecordFileName).isEmpty());
}

TEST_F(DataStoreTest, EarlierKeptLegacyFileIsNotReplaced)
{
    app.write(DataStore::LegacyFileName, legacyLine(1));
    app.write(DataStore::LegacyKeptName, "older");
    EXPECT_TRUE(store.MainDataInit().isEmpty());
    EXPECT_EQ(app.read(DataStore::LegacyKeptName), "older");
    EXPECT_EQ(app.read(DataStore::LegacyFileName), legacyLine(1));
    EXPECT_EQ(app.read(DataStore::RecordFileName), line(withoutAmounts(sample(1))));
    EXPECT_EQ(store.records.count(), 1);
}

TEST_F(DataStoreTest, UndecodableFileIsLoadedAndCopied)
{
    const QByteArray bytes = line(sample(1)) + "\"\xA4\",\"\xA3\xFE\"\r\n";
    app.write(DataStore::RecordFileName, bytes);
    const QList<FileProblem> problems = store.MainDataInit();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems[0].kind, Kind::Undecodable);
    EXPECT_EQ(problems[0].copy, app.path("Main1.csv.bak"));
    EXPECT_EQ(app.read("Main1.csv.bak"), bytes);
    EXPECT_EQ(store.records.count(), 2);
    EXPECT_EQ(store.records[1], sample(1));
    EXPECT_FALSE(store.recordFileUnread());
}

TEST_F(DataStoreTest, UnreadableFilesAreReportedAndProtected)
{
    for (const QString& name : {DataStore::RecordFileName, DataStore::LegacyFileName}) {
        TempAppDir dir;
        ASSERT_TRUE(QDir(dir.dir()).mkdir(name));
        DataStore other(dir.dir());
        const QList<FileProblem> problems = other.MainDataInit();
        ASSERT_EQ(problems.size(), 1) << name.toStdString();
        EXPECT_EQ(problems[0].kind, Kind::Unreadable);
        EXPECT_FALSE(problems[0].reason.isEmpty());
        EXPECT_TRUE(other.recordFileUnread());
        EXPECT_EQ(other.records.RecordNext(), 1);
    }
}

TEST_F(DataStoreTest, FailedSaveReportsAndLeavesTheTarget)
{
    ASSERT_TRUE(QDir(app.dir()).mkdir(DataStore::RecordFileName));
    store.records.append(sample(1));
    QString error;
    EXPECT_FALSE(store.MainDataClose(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(app.path(DataStore::RecordFileName)).isDir());
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

} // namespace

#include "PeakMemory.h"
#include "RecordSamples.h"
#include "export/CsvExport.h"
#include "support/WindowHarness.h"
#include "system/Cp950.h"
#include "system/Cp950Decoder.h"
#include "system/Cp950Writer.h"
#include "system/FileSystem.h"
#include "ui/widgets/MessageBox.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

#include <functional>

// Files far larger than the program ever writes load without a crash or a hang, in memory
// proportional to their size, and are saved and exported in little more memory than a piece.
//
// Sizes: fields of 64 KiB throughout. A full table of 10000 records with every field that long
// would be a 5 GiB file, more than the machines running these tests can spare, so the two
// dimensions are tried apart: the full table with one 64 KiB field per record (625 MiB), and
// 100 records with all eight fields 64 KiB long (50 MiB). Both fit the sanitizer build's minute.
namespace {

constexpr qint64 MiB = 1024 * 1024;
constexpr int kLongFieldChars = 32 * 1024; // two bytes each in Big5: 64 KiB
constexpr int kWideRecords = 100;
constexpr int kMillion = 1000 * 1000;
// Files are read piece by piece: while reading, only the fields kept grow with the file (two bytes
// a character, as much as the file's two-byte Big5 here), with what the allocator adds to each
// (the sanitizer's, up to half as much again), and never the file's bytes or its whole text.
// Writing holds a piece and no more.
constexpr double kMemoryPerFileByte = 1.5;
constexpr qint64 kMemorySlack = 64 * MiB;
constexpr qint64 kWriteSlack = 16 * MiB;
// A load that takes longer than this has hung; a sound one takes a small part of it.
constexpr qint64 kHangMilliseconds = 45 * 1000;

// Writes count lines made by line(n), n = 1 … count; returns the file's size.
qint64 writeLines(const QString& path, int count, const std::function<QByteArray(int)>& line)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    for (int n = 1; n <= count; ++n) {
        const QByteArray bytes = line(n);
        if (file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    }
    return file.size();
}

// One line of the record file, as the program writes it.
QByteArray recordLine(const LoanRecord& r)
{
    QStringList fields;
    for (int f = 0; f < LoanRecord::FieldCount; ++f)
        fields.append(u'"' + r.field(f) + u'"');
    return big5(fields.join(u',') + QStringLiteral("\r\n"));
}

// A long text that tells records apart: one character, repeated.
QString longText(int n)
{
    static const QString letters = QStringLiteral("借書還錢傘筆");
    return QString(kLongFieldChars, letters[n % letters.size()]);
}

// Runs load, and returns how far it raised the process's peak resident memory.
qint64 peakGrowth(const std::function<void()>& load)
{
    PeakMemory::resetPeak();
    const qint64 before = PeakMemory::residentBytes();
    load();
    return PeakMemory::peakBytes() - before;
}

TEST(BigInputs, FullTableOfLongFieldsLoadsInMemoryProportionalToTheFile)
{
    TempAppDir app;
    const qint64 size = writeLines(app.path(DataFiles::Records), RecordTable::Capacity, [](int n) {
        LoanRecord r = sampleRecord(n);
        r.Content = longText(n);
        return recordLine(r);
    });
    DataStore store(app.dir());
    QElapsedTimer clock;
    clock.start();
    QList<FileProblem> problems;
    const qint64 growth = peakGrowth([&] { problems = store.loadRecords(); });
    EXPECT_LT(clock.elapsed(), kHangMilliseconds);
    EXPECT_TRUE(problems.isEmpty()) << problems.value(0).file.toStdString();
    ASSERT_EQ(store.records().count(), RecordTable::Capacity);
    for (int n = 1; n <= RecordTable::Capacity; n += 997) {
        EXPECT_EQ(store.records()[n].Content, longText(n)) << n;
        EXPECT_EQ(store.records()[n].Borrower, sampleRecord(n).Borrower) << n;
    }
    EXPECT_EQ(store.records()[RecordTable::Capacity].Status,
              sampleRecord(RecordTable::Capacity).Status);
    EXPECT_LT(growth, kMemoryPerFileByte * static_cast<double>(size) + kMemorySlack)
        << "file " << size / MiB << " MiB, peak grew by " << growth / MiB << " MiB";
}

TEST(BigInputs, RecordsWithEveryFieldLongLoadAndSaveUnchanged)
{
    TempAppDir app;
    const auto wide = [](int n) {
        LoanRecord r;
        for (int f = 0; f < LoanRecord::FieldCount; ++f)
            r.field(f) = longText(n + f);
        return r;
    };
    writeLines(app.path(DataFiles::Records), kWideRecords,
               [&](int n) { return recordLine(wide(n)); });
    const QByteArray bytes = app.read(DataFiles::Records);
    DataStore store(app.dir());
    EXPECT_TRUE(store.loadRecords().isEmpty());
    ASSERT_EQ(store.records().count(), kWideRecords);
    for (int n = 1; n <= kWideRecords; n += 33)
        EXPECT_EQ(store.records()[n], wide(n)) << n;

    QString error;
    const qint64 saving =
        peakGrowth([&] { ASSERT_TRUE(store.saveRecords(&error)) << error.toStdString(); });
    EXPECT_TRUE(app.read(DataFiles::Records) == bytes);
    QList<LoanRecord> shown;
    for (int n : store.records().filledSlots())
        shown.append(store.records()[n]);
    const qint64 exporting =
        peakGrowth([&] { EXPECT_TRUE(CsvExport::write(shown, "全部", app.dir()).written); });
    EXPECT_LT(saving, kWriteSlack);
    EXPECT_LT(exporting, kWriteSlack);
}

TEST(BigInputs, MillionLineRecordFileKeepsTheFirstTenThousand)
{
    WindowHarness h;
    // Lines past the table's capacity are never kept; they repeat the first ones.
    QList<QByteArray> lines;
    for (int n = 1; n <= RecordTable::Capacity; ++n)
        lines.append(recordLine(sampleRecord(n)));
    const qint64 size = writeLines(h.dir().path(DataFiles::Records), kMillion,
                                   [&](int n) { return lines[(n - 1) % lines.size()]; });
    QElapsedTimer clock;
    clock.start();
    const qint64 growth = peakGrowth([&] { h.start(); });
    EXPECT_LT(clock.elapsed(), kHangMilliseconds);
    EXPECT_EQ(h.rows(), RecordTable::Capacity);
    EXPECT_EQ(h.store().records()[RecordTable::Capacity], sampleRecord(RecordTable::Capacity));
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_TRUE(MessageBox::history()[0].text.contains(h.dir().path(DataFiles::Records)));
    // The whole file is kept beside it before the shorter one is written at the close.
    const QString copy = DataFiles::Records + QStringLiteral(".bak");
    EXPECT_EQ(QFileInfo(h.dir().path(copy)).size(), size);
    EXPECT_LT(growth, kMemoryPerFileByte * size + kMemorySlack)
        << "file " << size / MiB << " MiB, peak grew by " << growth / MiB << " MiB";
}

TEST(BigInputs, MillionLineListFileKeepsWhatTheListHolds)
{
    TempAppDir app;
    writeLines(app.path(DataFiles::Items), kMillion,
               [](int n) { return big5(QStringLiteral("\"物品%1\"\r\n").arg(n)); });
    DataStore store(app.dir());
    QElapsedTimer clock;
    clock.start();
    const QList<FileProblem> problems = store.loadList(store.lists().items, DataFiles::Items);
    EXPECT_LT(clock.elapsed(), kHangMilliseconds);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems[0].kind, FileProblem::Kind::TooMany);
    EXPECT_EQ(store.lists().items.count(), store.lists().items.capacity());
    EXPECT_EQ(store.lists().items.names().last(), QStringLiteral("物品2500"));
}

// Empty lines between records are no records; a long run of them before the last record must be
// read once, not once for every record read from it.
TEST(BigInputs, MillionEmptyLinesBeforeARecordLoadWithoutAHang)
{
    TempAppDir app;
    QByteArray bytes;
    bytes.reserve(2 * kMillion + 200);
    for (int n = 0; n < kMillion; ++n)
        bytes += "\r\n";
    bytes += recordLine(sampleRecord(1));
    app.write(DataFiles::Records, bytes);
    DataStore store(app.dir());
    QElapsedTimer clock;
    clock.start();
    const QList<FileProblem> problems = store.loadRecords();
    // Read once this takes a fraction of a second; read again for every record, minutes.
    EXPECT_LT(clock.elapsed(), 10 * 1000);
    ASSERT_EQ(store.records().count(), 1);
    EXPECT_EQ(store.records()[1], sampleRecord(1));
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems[0].lines, QList<qsizetype>{1});
}

// Past a few hundred MiB the code page's converter gives up; the program converts such texts in
// pieces, which must give what converting the whole at once gives.
TEST(BigInputs, LargeTextsConvertAsTheWholeWould)
{
    // Bytes of every kind, Big5 pairs, stray lead bytes and invalid ones among them.
    QByteArray bytes(130 * MiB + 12345, Qt::Uninitialized);
    QRandomGenerator random(950);
    for (char& b : bytes)
        b = static_cast<char>(random.bounded(256));
    QStringDecoder decoder("windows-950", QStringDecoder::Flag::Stateless);
    const QString whole = decoder.decode(bytes);
    ASSERT_FALSE(whole.isEmpty());

    bool clean = true;
    const QString text = Cp950::decode(bytes, &clean);
    EXPECT_TRUE(text == whole);
    EXPECT_EQ(clean, !decoder.hasError());

    QStringEncoder encoder("windows-950", QStringEncoder::Flag::Stateless);
    const QByteArray encoded = encoder.encode(whole);
    EXPECT_TRUE(Cp950::encode(whole) == encoded);

    // And piece by piece, as files are read and written.
    Cp950Decoder pieces;
    QString decoded;
    for (qsizetype at = 0; at < bytes.size(); at += FileSystem::PieceSize)
        pieces.add(QByteArrayView(bytes).sliced(at).first(
                       std::min(FileSystem::PieceSize, bytes.size() - at)),
                   decoded);
    pieces.finish(decoded);
    EXPECT_TRUE(decoded == whole);
    EXPECT_EQ(pieces.clean(), !decoder.hasError());
    QByteArray written;
    Cp950Writer out([&](QByteArrayView block) {
        written += block;
        return true;
    });
    out.add(whole);
    out.finish();
    EXPECT_TRUE(written == encoded);
}

} // namespace

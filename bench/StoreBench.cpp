#include "StoreBench.h"

#include "Median.h"
#include "export/CsvExport.h"
#include "store/DataStore.h"
#include "store/RecordFile.h"
#include "system/Cp950.h"
#include "system/Cp950Decoder.h"
#include "system/FileSystem.h"
#include "ui/main/DataFileSaver.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace {
// The floor writes beside the record file, on the same file system, without touching it.
const QString kFloorFileName = QStringLiteral("floor.csv");
const QString kExportName = QStringLiteral("全部");

void require(bool condition, const char* what)
{
    if (!condition)
        throw std::runtime_error(what);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    require(file.open(QIODevice::ReadOnly), "a file did not open");
    return file.readAll();
}

// Replaces the file as the program does, synced, so that the next timing finds no write pending.
void writeSynced(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit(),
            "a file was not written");
}

// The floor of reading a file: its bytes read and decoded a piece at a time, into buffers that
// keep their room, and nothing kept. Returns the number of characters.
qsizetype readFloor(const QString& path)
{
    QFile file(path);
    require(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered), "a file did not open");
    QByteArray piece(FileSystem::PieceSize, Qt::Uninitialized);
    QString text;
    Cp950Decoder decoder;
    qsizetype characters = 0;
    for (qint64 n = 0; (n = file.read(piece.data(), piece.size())) > 0;) {
        decoder.add(QByteArrayView(piece).first(n), text);
        characters += text.size();
        text.resize(0);
    }
    decoder.finish(text);
    return characters + text.size();
}

// The floor of writing a text: converted a piece at a time into a buffer that keeps its room, each
// piece written, the file replaced in one step and synced, its folder too.
void writeFloor(const QString& path, QStringView text)
{
    QSaveFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered), "a file did not open");
    QStringEncoder encoder(Cp950::CodecName, QStringEncoder::Flag::Stateless);
    QByteArray bytes;
    for (qsizetype from = 0, n = 0; from < text.size(); from += n) {
        n = std::min(FileSystem::PieceSize / 2, text.size() - from);
        if (from + n < text.size() && text[from + n - 1].isHighSurrogate())
            ++n;
        bytes.resize(encoder.requiredSpace(n));
        const qint64 size =
            encoder.appendToBuffer(bytes.data(), text.sliced(from, n)) - bytes.data();
        require(file.write(bytes.constData(), size) == size, "a file was not written");
    }
    require(file.commit(), "a file was not written");
    FileSystem::syncFolder(QFileInfo(path).absolutePath());
}

// writeFloor as the work timed beside a write of the text.
Median::Work floorOfWriting(const QString& appDir, const QString& text)
{
    return {[appDir, &text] { writeFloor(appDir + kFloorFileName, text); }, {}};
}
} // namespace

StoreBench::StoreBench(const QString& appDir, int expectedRecords, int runs)
    : appDir_(appDir), expectedRecords_(expectedRecords), runs_(runs)
{
}

StoreBench::Timing StoreBench::load() const
{
    const QString path = appDir_ + DataFiles::Records;
    std::optional<DataStore> store;
    qsizetype characters = 0;
    const std::vector<double> ms = Median::ms(
        runs_, {{[&] { require(store->loadRecords().isEmpty(), "the register did not load"); },
                 [&] { store.emplace(appDir_); }},
                {[&] { characters = readFloor(path); }, {}}});
    require(store->records().count() == expectedRecords_, "the register lost records on loading");
    require(characters > 0 || expectedRecords_ == 0, "the record file was empty");
    return {ms[0], ms[1]};
}

StoreBench::Timing StoreBench::save() const
{
    DataStore store(appDir_);
    require(store.loadRecords().isEmpty(), "the register did not load");
    const QByteArray before = RecordFile::serialize(store.records());
    // The same text the save produces, built beforehand: the floor is its encoding and writing.
    const QString text = Cp950::decode(before);
    QString error;
    const std::vector<double> ms = Median::ms(
        runs_,
        {{[&] { require(store.saveRecords(&error), "the record file was not written"); }, {}},
         floorOfWriting(appDir_, text)});
    require(readAll(appDir_ + DataFiles::Records) == before,
            "the saved record file differs from the register");
    require(readAll(appDir_ + kFloorFileName) == before,
            "the floor wrote other bytes than the save");
    QFile::remove(appDir_ + kFloorFileName);
    return {ms[0], ms[1]};
}

StoreBench::CloseTiming StoreBench::close() const
{
    const QString path = appDir_ + DataFiles::Records;
    const QByteArray loaded = readAll(path);
    const QString text = Cp950::decode(loaded);
    DataStore unchanged(appDir_);
    require(unchanged.loadRecords().isEmpty(), "the register did not load");
    std::optional<DataStore> deleted;
    QStringList notices;
    const auto closeOf = [&](DataStore& store) {
        require(DataFileSaver::saveRecordFile(nullptr, store, notices) && notices.isEmpty(),
                "the close did not save the register as it is");
    };
    // Each close starts from the file as loaded: the one before may have deleted a record.
    const std::vector<double> ms = Median::ms(
        runs_, {{[&] { closeOf(unchanged); }, [&] { writeSynced(path, loaded); }},
                {[&] { closeOf(*deleted); },
                 [&] {
                     writeSynced(path, loaded);
                     deleted.emplace(appDir_);
                     require(deleted->loadRecords().isEmpty(), "the register did not load");
                     deleted->recordRegister().remove({1});
                 }},
                floorOfWriting(appDir_, text)});
    require(readAll(path).size() < loaded.size(), "the close did not write the deletion");
    writeSynced(path, loaded);
    require(readAll(appDir_ + kFloorFileName) == loaded,
            "the floor wrote other bytes than the save");
    QFile::remove(appDir_ + kFloorFileName);
    return {ms[0], ms[1], ms[2]};
}

StoreBench::Timing StoreBench::exportAll() const
{
    DataStore store(appDir_);
    require(store.loadRecords().isEmpty(), "the register did not load");
    QList<LoanRecord> all;
    for (int slot : store.records().filledSlots())
        all.append(store.records()[slot]);
    const QString path = appDir_ + kExportName + QStringLiteral(".csv");
    require(CsvExport::write(all, kExportName, appDir_).written, "the export was not written");
    const QByteArray exported = readAll(path);
    const QString text = Cp950::decode(exported);
    const std::vector<double> ms =
        Median::ms(runs_, {{[&] {
                                require(CsvExport::write(all, kExportName, appDir_).written,
                                        "the export was not written");
                            },
                            {}},
                           floorOfWriting(appDir_, text)});
    require(readAll(path) == exported, "the export wrote other bytes each time");
    require(readAll(appDir_ + kFloorFileName) == exported,
            "the floor wrote other bytes than the export");
    QFile::remove(path);
    QFile::remove(appDir_ + kFloorFileName);
    return {ms[0], ms[1]};
}

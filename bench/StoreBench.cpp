#include "StoreBench.h"

#include "Median.h"
#include "store/DataStore.h"
#include "store/RecordFile.h"
#include "system/Cp950.h"

#include <QFile>
#include <QSaveFile>

#include <optional>
#include <stdexcept>

namespace {
// The floor writes beside the record file, on the same file system, without touching it.
const QString kFloorFileName = QStringLiteral("floor.csv");

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
                {[&] { characters = Cp950::decode(readAll(path)).size(); }, {}}});
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
    const QString floorPath = appDir_ + kFloorFileName;
    QString error;
    const std::vector<double> ms = Median::ms(
        runs_,
        {{[&] { require(store.saveRecords(&error), "the record file was not written"); }, {}},
         {[&] {
              const QByteArray bytes = Cp950::encode(text);
              QSaveFile file(floorPath);
              require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                          file.commit(),
                      "the floor file was not written");
          },
          {}}});
    require(readAll(appDir_ + DataFiles::Records) == before,
            "the saved record file differs from the register");
    require(readAll(floorPath) == before, "the floor wrote other bytes than the save");
    QFile::remove(floorPath);
    return {ms[0], ms[1]};
}

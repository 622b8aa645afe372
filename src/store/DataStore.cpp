#include "store/DataStore.h"

#include "store/DataFiles.h"
#include "store/LegacyConversion.h"
#include "store/ListFile.h"
#include "store/RecordFile.h"

DataStore::DataStore(const QString& folder)
    : folder_(folder), outside_(folder), reader_(folder, protection_, outside_), versions_(folder)
{
}

QList<FileProblem> DataStore::loadRecords()
{
    QList<FileProblem> problems;
    register_.load([&](RecordTable& table) {
        table.setCount(0);
        LegacyConversion legacy(folder_, reader_, outside_);
        problems = legacy.isDue() ? legacy.convert(table) : reader_.readRecords(table);
    });
    return problems;
}

bool DataStore::saveRecords(QString* error)
{
    const bool written = write(
        DataFiles::Records, [&](Cp950Writer& out) { RecordFile::write(records(), out); }, error,
        [&](const std::optional<FileFingerprint>& version) { versions_.keepReplaced(version); });
    if (!written) {
        versions_.saveFailed();
        return false;
    }
    versions_.saveDone();
    protection_.lift(DataFiles::LegacyRecords);
    return true;
}

QList<FileProblem> DataStore::loadList(NameList& list, const QString& fileName)
{
    return reader_.readList(list, fileName);
}

bool DataStore::saveList(const NameList& list, const QString& fileName, QString* error)
{
    return write(
        fileName, [&](Cp950Writer& out) { ListFile::write(list.names(), out); }, error);
}

bool DataStore::write(const QString& fileName, const TextFile::Text& text, QString* error,
                      const TextFile::BeforeReplace& beforeReplace)
{
    FileFingerprint version;
    if (!TextFile::write(path(fileName), text, error, &version, beforeReplace))
        return false;
    outside_.remember(fileName, version);
    protection_.lift(fileName);
    return true;
}

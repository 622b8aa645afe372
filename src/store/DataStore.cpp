#include "store/DataStore.h"

#include "store/DataFiles.h"
#include "store/LegacyConversion.h"
#include "store/ListFile.h"
#include "store/RecordFile.h"
#include "system/FileSystem.h"

DataStore::DataStore(const QString& folder)
    : folder_(folder), outside_(folder), reader_(folder, protection_, outside_),
      versions_(folder, outside_)
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
    const QByteArray bytes = RecordFile::serialize(records());
    versions_.keepReplaced(bytes);
    if (!write(DataFiles::Records, bytes, error)) {
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
    return write(fileName, ListFile::serialize(list.names()), error);
}

bool DataStore::write(const QString& fileName, const QByteArray& bytes, QString* error)
{
    QDateTime modified;
    if (!FileSystem::writeAll(path(fileName), bytes, error, &modified))
        return false;
    outside_.remember(fileName, FileFingerprint(bytes, modified));
    protection_.lift(fileName);
    return true;
}

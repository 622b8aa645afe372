#include "store/DataStore.h"

#include "platform/Cp950.h"
#include "platform/FileSystem.h"
#include "store/ListFile.h"
#include "store/RecordFile.h"

DataStore::DataStore(const QString& appDir) : appDir_(appDir) {}

bool DataStore::readText(const QString& fileName, QString* text, QList<FileProblem>& problems)
{
    const QString file = path(fileName);
    QByteArray bytes;
    QString reason;
    if (!FileSystem::readAll(file, &bytes, &reason)) {
        problems.append({FileProblem::Kind::Unreadable, file, reason, {}});
        return false;
    }
    bool clean = true;
    *text = Cp950::decode(bytes, &clean);
    if (!clean)
        problems.append({FileProblem::Kind::Undecodable, file, {}, FileSystem::keepCopy(file)});
    return true;
}

void DataStore::convertLegacy(QList<FileProblem>& problems)
{
    QString text;
    if (!readText(LegacyFileName, &text, problems)) {
        // Saving would create the record file and so end the chance to convert: protect it.
        recordFileUnread_ = true;
        return;
    }
    const bool complete = RecordFile::parse(text, RecordFile::Layout::Legacy, records);
    QString reason;
    const QByteArray bytes = RecordFile::serialize(records, RecordFile::Layout::Legacy);
    const bool written = FileSystem::writeAll(path(RecordFileName), bytes, &reason);
    // An earlier Main.old is never replaced: then Main.csv stays, and is ignored from now on.
    const bool renamed = written && FileSystem::rename(path(LegacyFileName), path(LegacyKeptName));
    // The records left out are all still in the legacy file, under whichever name it now has.
    if (!complete) {
        const QString kept = path(renamed ? LegacyKeptName : LegacyFileName);
        problems.append({FileProblem::Kind::TooMany, path(LegacyFileName), {}, kept});
    }
    if (!written)
        problems.append({FileProblem::Kind::NotConverted, path(RecordFileName), reason, {}});
}

QList<FileProblem> DataStore::MainDataInit()
{
    QList<FileProblem> problems;
    if (FileSystem::exists(path(LegacyFileName)) && !FileSystem::exists(path(RecordFileName))) {
        // The table holds what the new record file was written from: no need to read it back.
        // Had it not been written, the legacy records stay in memory all the same.
        convertLegacy(problems);
        return problems;
    }
    if (!FileSystem::exists(path(RecordFileName))) {
        records.setRecordNext(1);
        return problems;
    }
    QString text;
    if (!readText(RecordFileName, &text, problems)) {
        recordFileUnread_ = true;
        records.setRecordNext(1);
        return problems;
    }
    if (!RecordFile::parse(text, RecordFile::Layout::Current, records)) {
        const QString file = path(RecordFileName);
        problems.append({FileProblem::Kind::TooMany, file, {}, FileSystem::keepCopy(file)});
    }
    return problems;
}

bool DataStore::MainDataClose(QString* error)
{
    return FileSystem::writeAll(path(RecordFileName), RecordFile::serialize(records), error);
}

QList<FileProblem> DataStore::loadList(NameList& list, const QString& fileName)
{
    QList<FileProblem> problems;
    list.assign({});
    if (!FileSystem::exists(path(fileName)))
        return problems;
    QString text;
    if (!readText(fileName, &text, problems))
        return problems;
    if (!ListFile::parse(text, list)) {
        const QString file = path(fileName);
        problems.append({FileProblem::Kind::TooMany, file, {}, FileSystem::keepCopy(file)});
    }
    return problems;
}

bool DataStore::saveList(const NameList& list, const QString& fileName, QString* error)
{
    return FileSystem::writeAll(path(fileName), ListFile::serialize(list.names()), error);
}

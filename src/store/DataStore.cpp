#include "store/DataStore.h"

#include "platform/Cp950.h"
#include "platform/FileSystem.h"
#include "store/ListFile.h"
#include "store/RecordFile.h"
#include "store/RecordVersions.h"

#include <QFile>

using Kind = FileProblem::Kind;

DataStore::DataStore(const QString& appDir) : appDir_(appDir) {}

bool DataStore::readText(const QString& fileName, QString* text, bool* decoded,
                         FileFingerprint* version, QList<FileProblem>& problems)
{
    QByteArray bytes;
    QDateTime modified;
    QString reason;
    if (!FileSystem::readAll(path(fileName), &bytes, &reason, &modified)) {
        problems.append({Kind::Unreadable, path(fileName), reason});
        protected_.insert(fileName, Protection::Unreadable);
        return false;
    }
    *version = FileFingerprint(bytes, modified);
    *text = Cp950::decode(bytes, decoded);
    return true;
}

QList<FileProblem> DataStore::problemsOf(const QString& fileName, bool decoded,
                                         const ReadResult& read) const
{
    QList<FileProblem> found;
    const QString file = path(fileName);
    if (!read.damagedLines.isEmpty())
        found.append({Kind::Damaged, file, {}, read.damagedLines});
    if (!decoded)
        found.append({Kind::Undecodable, file});
    if (!read.complete)
        found.append({Kind::TooMany, file});
    return found;
}

void DataStore::keepOriginal(const QString& fileName, const FileFingerprint& loaded,
                             QList<FileProblem>& found)
{
    if (found.isEmpty())
        return;
    QByteArray bytes;
    QDateTime modified;
    QString error;
    QString copy;
    if (FileSystem::readAll(path(fileName), &bytes, &error, &modified)) {
        if (FileFingerprint(bytes, modified) == loaded)
            copy = FileSystem::keepCopy(path(fileName), bytes, &error);
        else
            error = QStringLiteral("檔案在載入之後又被改過");
    }
    if (copy.isEmpty())
        protected_.insert(fileName, Protection::NoCopy);
    for (FileProblem& p : found) {
        p.copy = copy;
        p.copyError = error;
    }
}

void DataStore::convertLegacy(RecordTable& table, QList<FileProblem>& problems)
{
    QString text;
    bool decoded = true;
    FileFingerprint version;
    // Unread, it stays protected: saving would create the record file and so end its conversion.
    if (!readText(LegacyFileName, &text, &decoded, &version, problems))
        return;
    const ReadResult read = RecordFile::parse(text, RecordFile::Layout::Legacy, table);
    QString reason;
    QDateTime modified;
    const QByteArray converted = RecordFile::serialize(table, RecordFile::Layout::Legacy);
    const bool written = FileSystem::writeAll(path(RecordFileName), converted, &reason, &modified);
    if (written)
        known_.insert(RecordFileName, FileFingerprint(converted, modified));
    // An earlier Main.old is never replaced: then Main.csv stays, and is ignored from now on.
    const bool renamed = written && FileSystem::rename(path(LegacyFileName), path(LegacyKeptName));
    // What the conversion left out or changed is all still in the legacy file, whatever its name.
    QList<FileProblem> found = problemsOf(LegacyFileName, decoded, read);
    for (FileProblem& p : found)
        p.copy = path(renamed ? LegacyKeptName : LegacyFileName);
    problems += found;
    if (!written)
        problems.append({Kind::NotConverted, path(RecordFileName), reason});
}

QList<FileProblem> DataStore::MainDataInit()
{
    QList<FileProblem> problems;
    recordRegister.load([&](RecordTable& table) { problems = readRecords(table); });
    return problems;
}

QList<FileProblem> DataStore::readRecords(RecordTable& table)
{
    QList<FileProblem> problems;
    if (FileSystem::exists(path(LegacyFileName)) && !FileSystem::exists(path(RecordFileName))) {
        // The table holds what the new record file was written from: no need to read it back.
        // Had it not been written, the legacy records stay in memory all the same.
        convertLegacy(table, problems);
        return problems;
    }
    table.setRecordNext(1);
    if (!FileSystem::exists(path(RecordFileName)))
        return problems;
    QString text;
    bool decoded = true;
    FileFingerprint version;
    if (!readText(RecordFileName, &text, &decoded, &version, problems))
        return problems;
    known_.insert(RecordFileName, version);
    const ReadResult read = RecordFile::parse(text, RecordFile::Layout::Current, table);
    QList<FileProblem> found = problemsOf(RecordFileName, decoded, read);
    keepOriginal(RecordFileName, version, found);
    return problems + found;
}

bool DataStore::MainDataClose(QString* error)
{
    const QByteArray bytes = RecordFile::serialize(records);
    const RecordVersions::Version version = keepReplacedVersion(bytes);
    QDateTime modified;
    if (!FileSystem::writeAll(path(RecordFileName), bytes, error, &modified)) {
        // The file it keeps is still in place. A copy may have taken the room the save needs.
        if (!version.path.isEmpty()) {
            QFile::remove(version.path);
            copyGivenUp_ = !version.linked;
        }
        versionError_.clear(); // nothing was replaced
        return false;
    }
    copyGivenUp_ = false;
    if (!version.path.isEmpty())
        RecordVersions::prune(appDir_);
    known_.insert(RecordFileName, FileFingerprint(bytes, modified));
    protected_.remove(RecordFileName);
    protected_.remove(LegacyFileName);
    return true;
}

// A version that cannot be kept never stops the save; it is told once the save is done.
RecordVersions::Version DataStore::keepReplacedVersion(const QByteArray& bytes)
{
    versionError_.clear();
    const QString file = path(RecordFileName);
    if (!FileSystem::isFile(file) || known_.value(RecordFileName).unchangedBy(file, bytes))
        return {};
    QByteArray replaced;
    if (!FileSystem::readAll(file, &replaced, &versionError_) || replaced == bytes)
        return {};
    if (copyGivenUp_) {
        versionError_ = QStringLiteral("前一次儲存失敗，複製它會佔用儲存需要的空間");
        return {};
    }
    RecordVersions::Version version =
        RecordVersions::keep(appDir_, file, replaced, QDateTime::currentDateTime());
    versionError_ = version.error;
    return version;
}

OutsideVersion DataStore::keepOutsideVersion(const QString& fileName)
{
    OutsideVersion outside;
    const QString file = path(fileName);
    // A file removed meanwhile leaves nothing to keep; a folder or a pipe in its place holds no
    // version of it, and the write says what stands in its way.
    if (!FileSystem::isFile(file))
        return outside;
    QByteArray bytes;
    QDateTime modified;
    if (FileSystem::readAll(file, &bytes, &outside.copyError, &modified)) {
        if (FileFingerprint(bytes, modified) == known_.value(fileName))
            return outside;
        outside.copy = FileSystem::keepCopy(file, bytes, &outside.copyError);
    }
    outside.found = true;
    return outside;
}

QList<FileProblem> DataStore::loadList(NameList& list, const QString& fileName)
{
    QList<FileProblem> problems;
    list.assign({});
    if (!FileSystem::exists(path(fileName)))
        return problems;
    QString text;
    bool decoded = true;
    FileFingerprint version;
    if (!readText(fileName, &text, &decoded, &version, problems))
        return problems;
    known_.insert(fileName, version);
    const ReadResult read = ListFile::parse(text, list);
    problems = problemsOf(fileName, decoded, read);
    keepOriginal(fileName, version, problems);
    return problems;
}

bool DataStore::saveList(const NameList& list, const QString& fileName, QString* error)
{
    const QByteArray bytes = ListFile::serialize(list.names());
    QDateTime modified;
    if (!FileSystem::writeAll(path(fileName), bytes, error, &modified))
        return false;
    known_.insert(fileName, FileFingerprint(bytes, modified));
    protected_.remove(fileName);
    return true;
}

#include "store/DataFileReader.h"

#include "store/DataFiles.h"
#include "store/ListFile.h"
#include "store/OutsideChanges.h"
#include "store/RecordFile.h"
#include "store/WriteProtection.h"
#include "system/Cp950.h"
#include "system/FileSystem.h"

using Kind = FileProblem::Kind;

DataFileReader::DataFileReader(const QString& folder, WriteProtection& protection,
                               OutsideChanges& versions)
    : folder_(folder), protection_(protection), versions_(versions)
{
}

std::optional<DataFileReader::Text> DataFileReader::read(const QString& fileName,
                                                         QList<FileProblem>& problems)
{
    QByteArray bytes;
    QDateTime modified;
    QString reason;
    if (!FileSystem::readAll(folder_ + fileName, &bytes, &reason, &modified)) {
        problems.append({Kind::Unreadable, folder_ + fileName, reason});
        protection_.protect(fileName, WriteProtection::Reason::Unreadable);
        return std::nullopt;
    }
    Text read;
    read.version = FileFingerprint(bytes, modified);
    read.text = Cp950::decode(bytes, &read.decoded);
    return read;
}

QList<FileProblem> DataFileReader::problemsOf(const QString& fileName, bool decoded,
                                              const ReadResult& read) const
{
    QList<FileProblem> found;
    const QString file = folder_ + fileName;
    if (!read.damagedLines.isEmpty())
        found.append({Kind::Damaged, file, {}, read.damagedLines});
    if (!decoded)
        found.append({Kind::Undecodable, file});
    if (!read.complete)
        found.append({Kind::TooMany, file});
    return found;
}

void DataFileReader::keepOriginal(const QString& fileName, const FileFingerprint& loaded,
                                  QList<FileProblem>& found)
{
    if (found.isEmpty())
        return;
    const QString file = folder_ + fileName;
    QByteArray bytes;
    QDateTime modified;
    QString error;
    QString copy;
    if (FileSystem::readAll(file, &bytes, &error, &modified)) {
        if (FileFingerprint(bytes, modified) == loaded)
            copy = FileSystem::keepCopy(file, bytes, &error);
        else
            error = QStringLiteral("檔案在載入之後又被改過");
    }
    if (copy.isEmpty())
        protection_.protect(fileName, WriteProtection::Reason::NoCopy);
    for (FileProblem& p : found) {
        p.copy = copy;
        p.copyError = error;
    }
}

QList<FileProblem> DataFileReader::readRecords(RecordTable& table)
{
    QList<FileProblem> problems;
    if (!FileSystem::exists(folder_ + DataFiles::Records))
        return problems;
    const std::optional<Text> file = read(DataFiles::Records, problems);
    if (!file)
        return problems;
    versions_.remember(DataFiles::Records, file->version);
    const ReadResult parsed = RecordFile::parse(file->text, RecordFile::Layout::Current, table);
    QList<FileProblem> found = problemsOf(DataFiles::Records, file->decoded, parsed);
    keepOriginal(DataFiles::Records, file->version, found);
    return problems + found;
}

QList<FileProblem> DataFileReader::readList(NameList& list, const QString& fileName)
{
    QList<FileProblem> problems;
    list.assign({});
    if (!FileSystem::exists(folder_ + fileName))
        return problems;
    const std::optional<Text> file = read(fileName, problems);
    if (!file)
        return problems;
    versions_.remember(fileName, file->version);
    const ReadResult parsed = ListFile::parse(file->text, list);
    problems = problemsOf(fileName, file->decoded, parsed);
    keepOriginal(fileName, file->version, problems);
    return problems;
}

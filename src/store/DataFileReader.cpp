#include "store/DataFileReader.h"

#include "store/DataFiles.h"
#include "store/ListFile.h"
#include "store/OutsideChanges.h"
#include "store/RecordFile.h"
#include "store/RecordStream.h"
#include "store/WriteProtection.h"
#include "system/FileSystem.h"

using Kind = FileProblem::Kind;

DataFileReader::DataFileReader(const QString& folder, WriteProtection& protection,
                               OutsideChanges& versions)
    : folder_(folder), protection_(protection), versions_(versions)
{
}

std::optional<DataFileReader::Read>
DataFileReader::read(const QString& fileName, RecordStream& stream, QList<FileProblem>& problems)
{
    FileFingerprint::Builder version;
    QString reason;
    const auto readPiece = [&](QByteArrayView piece) {
        version.add(piece);
        stream.addBytes(piece);
        return true;
    };
    if (const qint64 size = FileSystem::size(folder_ + fileName);
        size >= RecordStream::HoldWholeFrom)
        stream.holdWhole(size);
    if (!FileSystem::readPieces(folder_ + fileName, readPiece, &reason)) {
        problems.append({Kind::Unreadable, folder_ + fileName, reason});
        protection_.protect(fileName, WriteProtection::Reason::Unreadable);
        return std::nullopt;
    }
    stream.endBytes();
    return Read{stream.decoded(), version.result()};
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
    QString error;
    QString copy;
    if (FileSystem::readAll(file, &bytes, &error)) {
        if (FileFingerprint(bytes) == loaded)
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
    return readFile(DataFiles::Records, RecordFile::reader(RecordFile::Layout::Current, table));
}

QList<FileProblem> DataFileReader::readList(NameList& list, const QString& fileName)
{
    return readFile(fileName, ListFile::reader(list));
}

QList<FileProblem> DataFileReader::readFile(const QString& fileName, RecordStream stream)
{
    QList<FileProblem> problems;
    if (!FileSystem::exists(folder_ + fileName))
        return problems;
    const std::optional<Read> file = read(fileName, stream, problems);
    if (!file)
        return problems;
    versions_.remember(fileName, file->version);
    QList<FileProblem> found = problemsOf(fileName, file->decoded, stream.result());
    keepOriginal(fileName, file->version, found);
    return problems + found;
}

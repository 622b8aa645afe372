#include "store/LegacyConversion.h"

#include "store/DataFileReader.h"
#include "store/DataFiles.h"
#include "store/OutsideChanges.h"
#include "store/RecordFile.h"
#include "store/TextFile.h"
#include "system/FileSystem.h"

LegacyConversion::LegacyConversion(const QString& folder, DataFileReader& reader,
                                   OutsideChanges& versions)
    : folder_(folder), reader_(reader), versions_(versions)
{
}

bool LegacyConversion::isDue() const
{
    return FileSystem::exists(folder_ + DataFiles::LegacyRecords) &&
           !FileSystem::exists(folder_ + DataFiles::Records);
}

QList<FileProblem> LegacyConversion::convert(RecordTable& table)
{
    QList<FileProblem> problems;
    // Unread, it stays protected: saving would create the record file and so end its conversion.
    RecordStream stream = RecordFile::reader(RecordFile::Layout::Legacy, table);
    const std::optional<DataFileReader::Read> legacy =
        reader_.read(DataFiles::LegacyRecords, stream, problems);
    if (!legacy)
        return problems;
    QString reason;
    FileFingerprint converted;
    const bool written = TextFile::write(
        folder_ + DataFiles::Records,
        [&](Cp950Writer& out) { RecordFile::write(table, out, RecordFile::Layout::Legacy); },
        &reason, &converted);
    if (written)
        versions_.remember(DataFiles::Records, converted);
    // An earlier Main.old is never replaced: then Main.csv stays, and is ignored from now on.
    const bool renamed = written && FileSystem::rename(folder_ + DataFiles::LegacyRecords,
                                                       folder_ + DataFiles::LegacyKept);
    // What the conversion left out or changed is all still in the legacy file, whatever its name.
    QList<FileProblem> found =
        reader_.problemsOf(DataFiles::LegacyRecords, legacy->decoded, stream.result());
    for (FileProblem& p : found)
        p.copy = folder_ + (renamed ? DataFiles::LegacyKept : DataFiles::LegacyRecords);
    problems += found;
    if (!written)
        problems.append({FileProblem::Kind::NotConverted, folder_ + DataFiles::Records, reason});
    return problems;
}

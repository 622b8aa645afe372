#pragma once

#include "store/FieldReader.h"
#include "store/FileFingerprint.h"
#include "store/FileProblem.h"

#include <QList>
#include <QString>

#include <optional>

class NameList;
class OutsideChanges;
class RecordStream;
class RecordTable;
class WriteProtection;

// Reads the data files: decodes them, tells what is wrong with them, keeps a copy of a file that
// would not be written back the same, and protects a file it could neither read nor copy. A file
// read is remembered as loaded.
class DataFileReader
{
public:
    // What reading a file found besides its records.
    struct Read
    {
        bool decoded = true; // every byte was in code page 950
        FileFingerprint version;
    };

    // folder ends with "/".
    DataFileReader(const QString& folder, WriteProtection& protection, OutsideChanges& versions);

    // Reads a file (bare name) that exists into the stream as it reads it, piece by piece, so that
    // neither its bytes nor its text are ever held whole. One that cannot be read is reported and
    // protected.
    std::optional<Read> read(const QString& fileName, RecordStream& stream,
                             QList<FileProblem>& problems);
    // What reading a file's text found wrong in it.
    QList<FileProblem> problemsOf(const QString& fileName, bool decoded,
                                  const ReadResult& read) const;

    // The record file into the empty table; no file leaves it empty.
    QList<FileProblem> readRecords(RecordTable& table);
    // A list file into the list; no file gives an empty list.
    QList<FileProblem> readList(NameList& list, const QString& fileName);

private:
    // Reads a file, when there is one, into the stream, and remembers it as loaded.
    QList<FileProblem> readFile(const QString& fileName, RecordStream stream);
    // Keeps one copy of a file for all the problems found in it, of the version loaded only;
    // without a copy the file is protected.
    void keepOriginal(const QString& fileName, const FileFingerprint& loaded,
                      QList<FileProblem>& found);

    QString folder_;
    WriteProtection& protection_;
    OutsideChanges& versions_;
};

#pragma once

#include "store/FileProblem.h"

#include <QList>
#include <QString>

class DataFileReader;
class OutsideChanges;
class RecordTable;

// The one-time conversion of the legacy record file, which has no amounts and no due dates:
// its records are written as a new record file, and the legacy file is kept as Main.old.
class LegacyConversion
{
public:
    // folder ends with "/".
    LegacyConversion(const QString& folder, DataFileReader& reader, OutsideChanges& versions);

    // A legacy file and no record file yet.
    bool isDue() const;
    // Fills the table from the legacy file and writes the record file from it. The table holds
    // what the new record file was written from, and keeps the legacy records all the same when
    // it could not be written.
    QList<FileProblem> convert(RecordTable& table);

private:
    QString folder_;
    DataFileReader& reader_;
    OutsideChanges& versions_;
};

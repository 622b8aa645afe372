#pragma once

#include "store/LoanRecord.h"

#include <QList>
#include <QString>

// Writes records to a comma-separated file: a header line, then one line per record.
namespace CsvExport {

struct Outcome
{
    QString path; // the file's full name
    bool written = false;
    QString error; // why it could not be written
};

// Writes the records, in the order given, to "<baseName>.csv" in the folder (which ends with
// "/"), replacing the file whole: a failed export leaves an earlier file as it was.
Outcome write(const QList<LoanRecord>& records, const QString& baseName, const QString& folder);

} // namespace CsvExport

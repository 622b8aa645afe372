#include "export/CsvExport.h"

#include "export/CsvText.h"
#include "system/Cp950.h"
#include "system/FileSystem.h"

namespace CsvExport {

Outcome write(const QList<LoanRecord>& records, const QString& baseName, const QString& folder)
{
    QString text = CsvText::Header + CsvText::LineEnd;
    for (const LoanRecord& record : records) {
        QStringList cells;
        for (int field = 0; field < LoanRecord::FieldCount; ++field)
            cells.append(record.field(field));
        text += CsvText::line(cells);
    }
    Outcome outcome;
    outcome.path = folder + baseName + QStringLiteral(".csv");
    outcome.written = FileSystem::writeAll(outcome.path, Cp950::encode(text), &outcome.error);
    return outcome;
}

} // namespace CsvExport

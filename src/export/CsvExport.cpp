#include "export/CsvExport.h"

#include "export/CsvText.h"
#include "store/TextFile.h"

namespace CsvExport {

Outcome write(const QList<LoanRecord>& records, const QString& baseName, const QString& folder)
{
    Outcome outcome;
    outcome.path = folder + baseName + QStringLiteral(".csv");
    outcome.written = TextFile::write(
        outcome.path,
        [&](Cp950Writer& out) {
            out.add(CsvText::Header);
            out.add(CsvText::LineEnd);
            for (const LoanRecord& record : records)
                CsvText::writeLine(out, record);
        },
        &outcome.error);
    return outcome;
}

} // namespace CsvExport

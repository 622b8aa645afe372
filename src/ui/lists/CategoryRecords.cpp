#include "ui/lists/CategoryRecords.h"

#include "store/RecordTable.h"

namespace CategoryRecords {

void replace(RecordTable& records, const QString& from, const QString& to)
{
    for (int i = 1; i < records.RecordNext(); ++i) {
        LoanRecord& record = records[i];
        if (record.Category == from)
            record.Category = to;
    }
}

} // namespace CategoryRecords

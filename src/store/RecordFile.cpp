#include "store/RecordFile.h"

#include "platform/Cp950.h"
#include "store/FieldReader.h"

namespace RecordFile {

QByteArray serialize(const RecordTable& table, Layout amountsFrom)
{
    qsizetype length = 0;
    for (int i = 1; i < table.RecordNext(); ++i) {
        for (int f = 0; f < LoanRecord::FieldCount; ++f)
            length += table[i].field(f).size() + 3;
        length += 2;
    }
    QString text;
    text.reserve(length);
    for (int i = 1; i < table.RecordNext(); ++i) {
        const LoanRecord& r = table[i];
        for (int f = 0; f < LoanRecord::FieldCount; ++f) {
            const bool blank = amountsFrom == Layout::Legacy && (f == 5 || f == 6);
            if (f > 0)
                text += u',';
            text += u'"';
            if (!blank)
                text += r.field(f);
            text += u'"';
        }
        text += QLatin1String("\r\n");
    }
    return Cp950::encode(text);
}

bool parse(QStringView text, Layout layout, RecordTable& table)
{
    FieldReader reader(text);
    int slot = 1;
    while (!reader.atEnd()) {
        if (slot > RecordTable::Capacity) {
            table.setRecordNext(slot);
            return false;
        }
        LoanRecord& r = table[slot];
        r.Date = reader.next();
        r.Direction = reader.next();
        r.Category = reader.next();
        r.Borrower = reader.next();
        r.Content = reader.next();
        if (layout == Layout::Current) {
            r.Amount = reader.next();
            r.DueDate = reader.next();
        } else {
            r.Amount.clear();
            r.DueDate.clear();
        }
        r.Status = reader.next();
        ++slot;
    }
    table.setRecordNext(slot);
    return true;
}

} // namespace RecordFile

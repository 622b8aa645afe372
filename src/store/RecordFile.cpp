#include "store/RecordFile.h"

#include "store/TextFile.h"

#include <algorithm>

namespace {
// A direction is one of two fixed texts, and most statuses one of two others, which records share
// as they are; any other text is kept as the other fields are.
QString fixedOrKept(const RecordFields& fields, qsizetype field, const QString& one,
                    const QString& other)
{
    // Compared in place: these are a few characters, read for every record.
    const QStringView text = fields[field];
    if (std::equal(text.begin(), text.end(), one.begin(), one.end()))
        return one;
    if (std::equal(text.begin(), text.end(), other.begin(), other.end()))
        return other;
    return fields.string(field);
}

QString direction(const RecordFields& fields)
{
    return fixedOrKept(fields, 1, Texts::LentOut, Texts::BorrowedIn);
}

QString status(const RecordFields& fields, qsizetype field)
{
    return fixedOrKept(fields, field, Texts::NotReturned, Texts::Returned);
}
} // namespace

namespace RecordFile {

void write(const RecordTable& table, Cp950Writer& out, Layout amountsFrom)
{
    for (int slot : table.filledSlots()) {
        const LoanRecord& r = table[slot];
        for (int f = 0; f < LoanRecord::FieldCount; ++f) {
            const bool blank = amountsFrom == Layout::Legacy && (f == 5 || f == 6);
            if (f > 0)
                out.add(u',');
            out.add(u'"');
            if (!blank)
                out.add(r.field(f));
            out.add(u'"');
        }
        out.add(u'\r');
        out.add(u'\n');
    }
}

QByteArray serialize(const RecordTable& table, Layout amountsFrom)
{
    return TextFile::bytes([&](Cp950Writer& out) { write(table, out, amountsFrom); });
}

RecordStream reader(Layout layout, RecordTable& table)
{
    table.setCount(0);
    const bool legacy = layout == Layout::Legacy;
    return RecordStream(legacy ? LegacyFieldCount : LoanRecord::FieldCount,
                        [&table, legacy](const RecordFields& f) {
                            const int count = table.count() + 1;
                            LoanRecord& r = table[count];
                            r.Date = f.string(0);
                            r.Direction = direction(f);
                            r.Category = f.string(2);
                            r.Borrower = f.string(3);
                            r.Content = f.string(4);
                            if (legacy) {
                                r.Amount.clear();
                                r.DueDate.clear();
                                r.Status = status(f, 5);
                            } else {
                                r.Amount = f.string(5);
                                r.DueDate = f.string(6);
                                r.Status = status(f, 7);
                            }
                            table.setCount(count);
                            return count < RecordTable::Capacity;
                        });
}

ReadResult parse(QStringView text, Layout layout, RecordTable& table)
{
    RecordStream stream = reader(layout, table);
    stream.readWhole(text);
    return stream.result();
}

} // namespace RecordFile

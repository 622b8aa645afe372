#include "store/RecordFile.h"

#include "store/TextFile.h"

#include <QHash>

#include <algorithm>

namespace {
// Directions and most statuses are one of four fixed texts, and a register holds a handful of
// categories: records share one copy of each such text rather than allocating their own.
class SharedTexts
{
public:
    QString fixed(QStringView field) const
    {
        for (const QString* text :
             {&Texts::LentOut, &Texts::BorrowedIn, &Texts::NotReturned, &Texts::Returned}) {
            // Compared in place: these are a few characters, read for nearly every record.
            if (std::equal(field.begin(), field.end(), text->begin(), text->end()))
                return *text;
        }
        return field.toString();
    }

    QString category(QStringView field)
    {
        auto it = categories_.constFind(field);
        if (it == categories_.cend()) {
            // The key views the text the record keeps, not the text read, which goes.
            const QString category = field.toString();
            it = categories_.insert(category, category);
        }
        return *it;
    }

private:
    QHash<QStringView, QString> categories_;
};
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
                        [&table, legacy, shared = SharedTexts()](const RecordFields& f) mutable {
                            const int count = table.count() + 1;
                            LoanRecord& r = table[count];
                            r.Date = f.string(0);
                            r.Direction = shared.fixed(f[1]);
                            r.Category = shared.category(f[2]);
                            r.Borrower = f.string(3);
                            r.Content = f.string(4);
                            if (legacy) {
                                r.Amount.clear();
                                r.DueDate.clear();
                                r.Status = shared.fixed(f[5]);
                            } else {
                                r.Amount = f.string(5);
                                r.DueDate = f.string(6);
                                r.Status = shared.fixed(f[7]);
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

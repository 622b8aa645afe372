#include "store/RecordFile.h"

#include "store/FieldReader.h"
#include "system/Cp950.h"

#include <QHash>

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
            if (field == *text)
                return *text;
        }
        return field.toString();
    }

    // The view stays valid while the text being parsed does.
    QString category(QStringView field)
    {
        auto it = categories_.constFind(field);
        if (it == categories_.cend())
            it = categories_.insert(field, field.toString());
        return *it;
    }

private:
    QHash<QStringView, QString> categories_;
};
} // namespace

namespace RecordFile {

QByteArray serialize(const RecordTable& table, Layout amountsFrom)
{
    qsizetype length = 0;
    for (int slot : table.filledSlots()) {
        for (int f = 0; f < LoanRecord::FieldCount; ++f)
            length += table[slot].field(f).size() + 3;
        length += 2;
    }
    QString text;
    text.reserve(length);
    for (int slot : table.filledSlots()) {
        const LoanRecord& r = table[slot];
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

ReadResult parse(QStringView text, Layout layout, RecordTable& table)
{
    FieldReader reader(text);
    SharedTexts shared;
    const bool legacy = layout == Layout::Legacy;
    QStringView f[LoanRecord::FieldCount];
    ReadResult result;
    int count = 0;
    while (!reader.atEnd()) {
        if (count == RecordTable::Capacity) {
            result.complete = false;
            break;
        }
        reader.readRecord(f, legacy ? LegacyFieldCount : LoanRecord::FieldCount);
        LoanRecord& r = table[++count];
        r.Date = f[0].toString();
        r.Direction = shared.fixed(f[1]);
        r.Category = shared.category(f[2]);
        r.Borrower = f[3].toString();
        r.Content = f[4].toString();
        if (legacy) {
            r.Amount.clear();
            r.DueDate.clear();
            r.Status = shared.fixed(f[5]);
        } else {
            r.Amount = f[5].toString();
            r.DueDate = f[6].toString();
            r.Status = shared.fixed(f[7]);
        }
    }
    table.setCount(count);
    result.damagedLines = reader.damagedLines();
    return result;
}

} // namespace RecordFile

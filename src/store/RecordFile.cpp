#include "store/RecordFile.h"

#include "platform/Cp950.h"
#include "store/FieldReader.h"

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
    SharedTexts shared;
    int slot = 1;
    while (!reader.atEnd()) {
        if (slot > RecordTable::Capacity) {
            table.setRecordNext(slot);
            return false;
        }
        LoanRecord& r = table[slot];
        r.Date = reader.next();
        r.Direction = shared.fixed(reader.nextView());
        r.Category = shared.category(reader.nextView());
        r.Borrower = reader.next();
        r.Content = reader.next();
        if (layout == Layout::Current) {
            r.Amount = reader.next();
            r.DueDate = reader.next();
        } else {
            r.Amount.clear();
            r.DueDate.clear();
        }
        r.Status = shared.fixed(reader.nextView());
        ++slot;
    }
    table.setRecordNext(slot);
    return true;
}

} // namespace RecordFile

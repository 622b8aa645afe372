#include "ui/editor/RecordEntry.h"

#include "store/Amount.h"
#include "store/DateText.h"
#include "system/Cp950.h"

namespace {

bool isDate(const QString& text)
{
    return DateText::parse(text).has_value();
}

// The fields kept as typed; dates and the amount are rewritten in forms the code page holds.
QString unstorableField(const EntryFields& fields)
{
    if (!Cp950::canEncode(fields.category))
        return QStringLiteral("分類");
    if (!Cp950::canEncode(fields.borrower))
        return QStringLiteral("借用人");
    if (!Cp950::canEncode(fields.content))
        return QStringLiteral("借用內容");
    return {};
}

QString status(const EntryFields& fields)
{
    if (!fields.returned)
        return Texts::NotReturned;
    if (fields.returnDate.isEmpty())
        return Texts::Returned;
    return DateText::normalized(fields.returnDate);
}

} // namespace

namespace RecordEntry {

QString withoutQuotes(const QString& text)
{
    QString result = text;
    return result.remove(QLatin1Char('"'));
}

QString firstFault(const EntryFields& fields)
{
    if (!fields.dueDate.isEmpty() && !isDate(fields.dueDate))
        return QStringLiteral("預計歸還日不是正確的日期格式");
    if (!fields.returnDate.isEmpty() && !isDate(fields.returnDate))
        return QStringLiteral("已歸還日期不是正確的日期格式");
    if (!isDate(fields.date))
        return QStringLiteral("日期欄位不是正確的日期格式");
    if (fields.borrower.isEmpty())
        return QStringLiteral("借用人未輸入");
    const QString field = unstorableField(fields);
    if (!field.isEmpty())
        return field + QStringLiteral("含有無法儲存的字元");
    return {};
}

LoanRecord toRecord(const EntryFields& fields)
{
    LoanRecord r;
    r.Date = DateText::normalized(fields.date);
    r.Direction = fields.lentOut ? Texts::LentOut : Texts::BorrowedIn;
    r.Category = fields.category;
    r.Borrower = fields.borrower;
    r.Content = fields.content;
    if (!fields.amount.isEmpty())
        r.Amount = Amount::toText(Amount::fromText(fields.amount));
    if (!fields.dueDate.isEmpty())
        r.DueDate = DateText::normalized(fields.dueDate);
    r.Status = status(fields);
    return r;
}

} // namespace RecordEntry

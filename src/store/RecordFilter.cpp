#include "store/RecordFilter.h"

#include "store/Amount.h"
#include "store/Overdue.h"

ShownRecords RecordFilter::apply(const RecordTable& table) const
{
    const bool allCategories = category == Texts::All;
    ShownRecords shown;
    shown.recordSlots.reserve(table.count());
    for (int slot : table.filledSlots()) {
        const LoanRecord& r = table[slot];
        if ((!allCategories && r.Category != category) ||
            (borrower && r.Borrower.trimmed() != *borrower))
            continue;
        if ((direction == 1 && r.Direction != Texts::LentOut) ||
            (direction == 2 && r.Direction != Texts::BorrowedIn))
            continue;
        const bool outstanding = r.Status == Texts::NotReturned;
        if ((status == 1 && !outstanding) || (status == 2 && outstanding))
            continue;
        shown.recordSlots.append(slot);
        if (isOverdue(r, today))
            ++shown.overdue;
        if (outstanding && r.Direction == Texts::LentOut)
            shown.lentOut += Amount::fromText(r.Amount);
        else if (outstanding && r.Direction == Texts::BorrowedIn)
            shown.borrowedIn += Amount::fromText(r.Amount);
    }
    return shown;
}

QString RecordFilter::summary(const ShownRecords& shown) const
{
    QString text = QStringLiteral(" 共 %1 筆資料").arg(shown.recordSlots.size());
    if (status != 2) {
        if (direction == 0 || direction == 1)
            text += QStringLiteral("，借出未歸還金額: ") + Amount::toText(shown.lentOut);
        if (direction == 0 || direction == 2)
            text += QStringLiteral("，借入未歸還金額: ") + Amount::toText(shown.borrowedIn);
    }
    return text;
}

QString RecordFilter::overdueText(const ShownRecords& shown)
{
    return shown.overdue > 0 ? QStringLiteral("逾期 %1 筆").arg(shown.overdue) : QString();
}

QString RecordFilter::directionText(int direction)
{
    switch (direction) {
    case 1:
        return Texts::LentOut;
    case 2:
        return Texts::BorrowedIn;
    default:
        return Texts::All;
    }
}

QStringList RecordFilter::categoryEntries(const QStringList& categories, Box box)
{
    QStringList entries;
    if (box == Box::Filter)
        entries.append(Texts::All);
    for (const QString& name : categories) {
        if (box == Box::Filter || name != Texts::All)
            entries.append(name);
    }
    entries.append(Texts::Uncategorised);
    return entries;
}

#include "store/Overdue.h"

#include "store/DateText.h"

bool isOverdue(const LoanRecord& record, const QDate& today)
{
    // Most records carry no due date: they cost no date reading.
    if (record.DueDate.isEmpty() || record.Status != Texts::NotReturned)
        return false;
    const std::optional<QDate> due = DateText::parse(record.DueDate);
    return due && *due < today;
}

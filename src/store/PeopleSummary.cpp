#include "store/PeopleSummary.h"

#include "store/Amount.h"
#include "store/DateText.h"
#include "store/Overdue.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace {
void addOpen(PersonBalance& balance, const LoanRecord& r, double amount, bool overdue)
{
    if (r.Direction == Texts::LentOut) {
        ++balance.thingsOut;
        balance.lentOut += amount;
    } else if (r.Direction == Texts::BorrowedIn) {
        balance.borrowedIn += amount;
    }
    if (overdue)
        ++balance.overdue;
    if (const std::optional<QDate> date = DateText::parse(r.Date);
        date && (!balance.oldestOpen.isValid() || *date < balance.oldestOpen))
        balance.oldestOpen = *date;
}

// A sum beyond the range of a double is written "0" (Amount::toText); it is taken as that, which
// also gives every sum an order.
void settleSums(PersonBalance& balance)
{
    for (double* sum : {&balance.lentOut, &balance.borrowedIn}) {
        if (!std::isfinite(*sum))
            *sum = 0;
    }
}
} // namespace

PeopleSummary PeopleSummary::of(const RecordTable& table, const QDate& today)
{
    PeopleSummary summary;
    QHash<QString, qsizetype> rowOf;
    for (int slot : table.filledSlots()) {
        const LoanRecord& r = table[slot];
        if (r.Status != Texts::NotReturned)
            continue;
        const QString name = r.Borrower.trimmed();
        auto row = rowOf.constFind(name);
        if (row == rowOf.cend()) {
            row = rowOf.insert(name, summary.people.size());
            PersonBalance balance;
            balance.name = name;
            summary.people.append(balance);
        }
        const bool isLoan = r.Direction == Texts::LentOut || r.Direction == Texts::BorrowedIn;
        const double amount = isLoan ? Amount::fromText(r.Amount) : 0;
        const bool overdue = isOverdue(r, today);
        addOpen(summary.people[*row], r, amount, overdue);
        addOpen(summary.totals, r, amount, overdue);
    }
    for (PersonBalance& balance : summary.people)
        settleSums(balance);
    settleSums(summary.totals);
    std::stable_sort(
        summary.people.begin(), summary.people.end(),
        [](const PersonBalance& a, const PersonBalance& b) { return a.lentOut > b.lentOut; });
    return summary;
}

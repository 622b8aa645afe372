#pragma once

#include "store/RecordTable.h"

#include <QDate>
#include <QList>
#include <QString>

// What is still out ("未歸還") between the user and one other party, or all of them together.
struct PersonBalance
{
    QString name;          // the Borrower field without blanks around it; may be empty
    int thingsOut = 0;     // records lent out ("借出") still out
    double lentOut = 0;    // the Amount of those summed
    double borrowedIn = 0; // the Amount of records borrowed in ("借入") still out, summed
    int overdue = 0;       // records still out past their due date, either way
    QDate oldestOpen;      // the earliest Date of the records still out; invalid when none reads
};

// Who owes what: one balance for every other party with a record still out.
struct PeopleSummary
{
    QList<PersonBalance> people; // most money lent out first; equal ones as they first appear
    PersonBalance totals;        // over every record, summed in table order as the status bar

    // Amounts read and written as the status bar's totals (Amount); a record of neither
    // direction counts only for the overdue count and the oldest date.
    static PeopleSummary of(const RecordTable& table, const QDate& today);
};

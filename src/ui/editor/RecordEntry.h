#pragma once

#include "store/LoanRecord.h"

#include <QString>

// What the editor's boxes hold when the user confirms, double quotes already removed.
struct EntryFields
{
    QString date; // record date box
    bool lentOut = true;
    QString category; // chosen or typed
    QString borrower;
    QString content; // lines end in CR LF, as the record keeps them
    QString amount;  // as typed
    QString dueDate; // may be empty
    bool returned = false;
    QString returnDate; // may be empty
};

// The rules by which the editor accepts an entry and turns it into a record.
namespace RecordEntry {

// The text without its double quotes: a quote would end a field of the data files early.
QString withoutQuotes(const QString& text);

// The message for the first fault of the entry, in the order due date, return date, record
// date, borrower, then text the data files cannot hold; empty when the entry can be stored.
QString firstFault(const EntryFields& fields);

// The record as it is stored: dates as "yyyy/mm/dd", the amount in its written number form.
LoanRecord toRecord(const EntryFields& fields);

} // namespace RecordEntry

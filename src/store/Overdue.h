#pragma once

#include "store/LoanRecord.h"

#include <QDate>

// A record still out ("未歸還") whose due date, read as a date is typed, lies before today. One
// rule for the list's warning, the status bar's count and the summary per person.
bool isOverdue(const LoanRecord& record, const QDate& today);

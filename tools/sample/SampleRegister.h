#pragma once

#include "store/LoanRecord.h"

#include <QDate>
#include <QList>
#include <QStringList>

// A made-up but lifelike register: Traditional Chinese names and notes of mixed length, both
// directions, all three kinds of status, some amounts, thirty categories. The same count always
// gives the same records.
namespace SampleRegister {

// The category that holds about a third of the records.
QString largeCategory();
QStringList categories();
// Records lent on days from first on, over the given number of days.
QList<LoanRecord> records(int count, const QDate& first = QDate(2015, 1, 1), int days = 3650);
// Records of the three years up to today: the older ones still out are overdue.
QList<LoanRecord> recentRecords(int count, const QDate& today);

// Writes a program folder holding the records and the three lists, through the program's own
// writers (no records give an empty record file). False, with the reason, when it could not.
bool write(const QString& appDir, const QList<LoanRecord>& records, QString* error);

} // namespace SampleRegister

#pragma once

#include "store/LoanRecord.h"

#include <QList>
#include <QStringList>

// A made-up but lifelike register: Traditional Chinese names and notes of mixed length, both
// directions, all three kinds of status, some amounts, thirty categories. The same count always
// gives the same records.
namespace SampleRegister {

// The category that holds about a third of the records.
QString largeCategory();
QStringList categories();
QList<LoanRecord> records(int count);

// Writes a program folder holding count records and the three lists, through the program's own
// writers (a count of 0 gives an empty record file). False, with the reason, when it could not.
bool write(const QString& appDir, int count, QString* error);

} // namespace SampleRegister

#pragma once

#include "store/LoanRecord.h"

#include <QByteArray>
#include <QList>

// Records that differ from each other, in the forms the program stores, with Big5 text.
LoanRecord sampleRecord(int n);
QList<LoanRecord> sampleRecords(int count);
// The record file the program writes for these records.
QByteArray recordFileOf(const QList<LoanRecord>& records);

#pragma once

#include "store/LoanRecord.h"

#include <QList>
#include <QString>

// The largest inputs the program accepts, made up for the benchmarks: fields far longer than a
// person types. The same arguments always give the same records, and all their text survives
// code page 950.
namespace WorstCase {

constexpr int Records = 10000;

// count records of the sample register (SampleRegister::records) whose contents are each
// `characters` characters long, in `lines` lines joined by CR LF (the line ends not counted).
// The defaults give a record file of 81 MB.
QList<LoanRecord> longContents(int count = Records, int characters = 4000, int lines = 5);

// The first count − 1 records of the sample register and, last, one whose content takes
// `fileBytes` bytes of the record file: lines of 49 characters, 100 bytes each with their CR LF.
QList<LoanRecord> oneBigContent(qsizetype fileBytes, int count = Records);

} // namespace WorstCase

#pragma once

#include "store/LoanRecord.h"

#include <QList>
#include <QString>

// The registers on which the interactions are timed at their worst: contents far longer than a
// person types, and reference lists at their capacity. The same call always gives the same bytes,
// and all the text survives code page 950.
namespace InteractionRegisters {

// The sample register's records, the last of them still out, so that its borrower is in the
// summary per person; so it is in the two below.
QList<LoanRecord> typical(int count);

// The sample register's records with every content `characters` characters long, in `lines`
// lines joined by CR LF (the line ends not counted).
QList<LoanRecord> longContents(int count, int characters, int lines);

// The sample register's records, the last of them holding a content of `lines` lines of 49
// characters: 100 bytes a line in the record file, CR LF included.
QList<LoanRecord> oneBigContent(int count, int lines);

// Writes a program folder as SampleRegister::write does; with fullLists the categories, items and
// borrowers are filled up with made-up names to each list's capacity. Throws when it cannot.
void write(const QString& appDir, const QList<LoanRecord>& records, bool fullLists);

} // namespace InteractionRegisters

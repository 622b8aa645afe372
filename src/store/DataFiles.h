#pragma once

#include <QString>

// The names of the data files in the program folder. Registers made on other systems and by
// earlier versions rely on them.
namespace DataFiles {

inline const QString Records = QStringLiteral("Main1.csv");
// The record file of the first versions, without amounts and due dates: converted once.
inline const QString LegacyRecords = QStringLiteral("Main.csv");
// The legacy file's name once it is converted.
inline const QString LegacyKept = QStringLiteral("Main.old");
inline const QString Categories = QStringLiteral("Type.csv");
inline const QString Items = QStringLiteral("Affair.csv");
inline const QString Borrowers = QStringLiteral("Borrower.csv");

} // namespace DataFiles

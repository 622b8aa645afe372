#pragma once

#include "store/LoanRecord.h"
#include "system/Cp950Writer.h"

#include <QString>

// The text of an export file: a header line, then one line of eight fields per shown row, each
// line ending in CR LF. Fields are written as shown; only a field that would otherwise break
// the line apart is enclosed in double quotes. The text is written as it is made, field by
// field, without copies of the fields, which may be long.
namespace CsvText {

inline const QString Header = QStringLiteral("日期,類別,分類,借用人,借用內容,金額,預計歸還日,狀態");
inline const QString LineEnd = QStringLiteral("\r\n");

// One line with its line end, from the eight fields of a record, Date first: the date as shown;
// the content without its commas and with every CR LF pair (once the commas are gone) joined into
// one space, so that it stays on one line (a lone CR or LF stays); every other field without its
// trailing spaces (space characters only; leading spaces and other blanks stay). A field that then
// holds a comma, a double quote, a CR or an LF is enclosed in double quotes, its inner quotes
// doubled.
void writeLine(Cp950Writer& out, const LoanRecord& record);

} // namespace CsvText

#pragma once

#include <QString>
#include <QStringList>

// The text of an export file: a header line, then one line of eight fields per shown row, each
// line ending in CR LF. Fields are written as shown; only a field that would otherwise break
// the line apart is enclosed in double quotes.
namespace CsvText {

inline const QString Header = QStringLiteral("日期,類別,分類,借用人,借用內容,金額,預計歸還日,狀態");
inline const QString LineEnd = QStringLiteral("\r\n");

// Space characters at the end only; leading spaces and other blanks stay.
QString withoutTrailingSpaces(QString text);

// Commas dropped and every CR LF pair joined into one space, so a content stays one field on
// one line; a lone CR or LF stays.
QString contentText(QString content);

// The text unchanged, or enclosed in double quotes with inner quotes doubled when it holds a
// comma, a double quote, a CR or an LF.
QString quoted(const QString& field);

// One line with its line end, from the eight texts of a row, Date first: the date as shown,
// the content as contentText gives it, every other field without trailing spaces.
QString line(const QStringList& cells);

} // namespace CsvText

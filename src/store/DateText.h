#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// Dates as the user types them and as the register stores them ("yyyy/mm/dd").
namespace DateText {

// A real calendar day written as year, month and day with "/", "-" or "." between the numbers,
// or as "yyyy年m月d日"; a four-digit year, leading zeros optional, blanks around it ignored.
std::optional<QDate> parse(QStringView text);

// "yyyy/mm/dd" for a valid text, the empty text otherwise.
QString normalized(QStringView text);

QString format(const QDate& date);
// Today's date from the system clock, in the stored form.
QString today();

} // namespace DateText

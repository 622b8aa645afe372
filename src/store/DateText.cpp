#include "store/DateText.h"

#include <QRegularExpression>

namespace {

// "yyyy/mm/dd" exactly, in ASCII digits: the form the register stores, read without the
// pattern, as the list reads thousands of due dates at every refresh.
bool isStoredForm(QStringView text)
{
    if (text.size() != 10)
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (i == 4 || i == 7 ? c != u'/' : c < u'0' || c > u'9')
            return false;
    }
    return true;
}

int number(QStringView digits)
{
    int value = 0;
    for (const QChar c : digits)
        value = value * 10 + (c.unicode() - u'0');
    return value;
}

std::optional<QDate> calendarDay(int year, int month, int day)
{
    // Four digits mean a year from 1000 on; "0999" is a typing slip, not the tenth century.
    if (year < 1000)
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace

namespace DateText {

std::optional<QDate> parse(QStringView text)
{
    if (isStoredForm(text))
        return calendarDay(number(text.first(4)), number(text.sliced(5, 2)),
                           number(text.sliced(8, 2)));
    // Groups 3 and 4 hold month and day of the separated form, 5 and 6 those of 年月日.
    static const QRegularExpression pattern(QStringLiteral(
        "^([0-9]{4})(?:([/.-])([0-9]{1,2})\\2([0-9]{1,2})|年([0-9]{1,2})月([0-9]{1,2})日)$"));
    const QRegularExpressionMatch m = pattern.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const int year = m.captured(1).toInt();
    const bool separated = m.hasCaptured(3);
    const int month = m.captured(separated ? 3 : 5).toInt();
    const int day = m.captured(separated ? 4 : 6).toInt();
    return calendarDay(year, month, day);
}

QString normalized(QStringView text)
{
    const std::optional<QDate> date = parse(text);
    return date ? format(*date) : QString();
}

QString format(const QDate& date)
{
    return date.toString(u"yyyy/MM/dd");
}

QString today()
{
    return format(QDate::currentDate());
}

} // namespace DateText

#include "store/Amount.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The value of c as a digit of the given base (8 or 16), or -1.
int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int d = -1;
    if (u >= u'0' && u <= u'9')
        d = u - u'0';
    else if (u >= u'a' && u <= u'f')
        d = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        d = u - u'A' + 10;
    return d < base ? d : -1;
}

// "&H1F", "&O17": a whole number from the leading digits of the base after the prefix.
double prefixedWhole(QStringView digits, int base)
{
    double value = 0;
    for (QChar c : digits) {
        const int d = digitValue(c, base);
        if (d < 0)
            break;
        value = value * base + d;
    }
    return value;
}

// Copies the leading digits at text[i…] to out; returns how many there were.
qsizetype takeDigits(const QString& text, qsizetype& i, std::string& out)
{
    const qsizetype start = i;
    while (i < text.size() && isDigit(text[i]))
        out += static_cast<char>(text[i++].unicode());
    return i - start;
}

} // namespace

namespace Amount {

double fromText(QStringView text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            s += c;
    }

    if (s.size() >= 2 && s[0] == u'&') {
        const QChar kind = s[1].toUpper();
        double value = 0;
        if (kind == u'H')
            value = prefixedWhole(QStringView(s).sliced(2), 16);
        else if (kind == u'O')
            value = prefixedWhole(QStringView(s).sliced(2), 8);
        return std::isfinite(value) ? value : 0;
    }

    // The number part is rebuilt in the form from_chars reads, whatever the locale: no "+",
    // "e" for the exponent.
    std::string number;
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        if (s[i] == u'-')
            number += '-';
        ++i;
    }
    qsizetype mantissaDigits = takeDigits(s, i, number);
    if (i < s.size() && s[i] == u'.') {
        number += '.';
        ++i;
        mantissaDigits += takeDigits(s, i, number);
    }
    if (mantissaDigits == 0)
        return 0;
    if (i < s.size() && QStringView(u"eEdD").contains(s[i])) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            exponent += static_cast<char>(s[j++].unicode());
        if (takeDigits(s, j, exponent) > 0)
            number += exponent;
    }

    double value = 0;
    const auto read = std::from_chars(number.data(), number.data() + number.size(), value);
    if (read.ec != std::errc() || !std::isfinite(value))
        return 0;
    return value;
}

QString toText(double value)
{
    // A sum can leave the range of a double; like a typed number beyond it, it counts as 0.
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");

    // "d.dddddddddddddde±x…": the value rounded to 15 significant digits, in any locale.
    char buffer[32];
    // Rounded up to 15 digits the largest doubles would leave the range and read back as 0; they
    // are written as the largest 15-digit number within it instead.
    constexpr double kLargestWritable = 1.79769313486231e308;
    const double magnitude = std::fmin(std::fabs(value), kLargestWritable);
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    const std::string scientific(buffer, written.ptr);
    const std::size_t e = scientific.find('e');
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, e - 2);
    digits.erase(digits.find_last_not_of('0') + 1);
    const int exponent = std::atoi(scientific.c_str() + e + 1);

    QString text = value < 0 ? QStringLiteral("-") : QString();
    const QString all = QString::fromLatin1(digits);
    if (exponent >= 15 || exponent < -4) {
        text += all.front();
        if (all.size() > 1)
            text += u'.' + all.sliced(1);
        text += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        text += QString::number(std::abs(exponent)).rightJustified(2, u'0');
    } else if (exponent >= 0) {
        const qsizetype whole = exponent + 1;
        if (all.size() <= whole)
            text += all + QString(whole - all.size(), u'0');
        else
            text += all.first(whole) + u'.' + all.sliced(whole);
    } else {
        text += QStringLiteral("0.") + QString(-exponent - 1, u'0') + all;
    }
    return text;
}

} // namespace Amount

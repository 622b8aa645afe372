#pragma once

#include <QString>
#include <QStringView>

// The number in an Amount text, and the written form of a number, shared by the status-bar
// totals and the record editor.
namespace Amount {

// Blanks, tabs and line feeds anywhere are ignored; then the longest leading part that reads as
// a number is taken: optional sign, digits, at most one ".", optional exponent ("E" or "D",
// optional sign, digits). "&H" and "&O" read hexadecimal and octal whole numbers. Anything else,
// and a number too large for a double, reads as 0.
double fromText(QStringView text);

// General form: at most 15 significant digits, no thousands separators, "-" for negatives, "."
// as decimal point, no trailing zeros. Magnitudes from 1e15 up and below 1e-4 are written with an
// exponent ("1.5E+15", "2.5E-05"), so that every value reads back through fromText. Only a sum
// can leave the range of a double: a value beyond it (±∞) and NaN are written "0", as fromText
// reads a number beyond the range as 0.
QString toText(double value);

} // namespace Amount

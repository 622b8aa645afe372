#pragma once

#include <QColor>

class QPalette;

// How readable one colour is on another, by the contrast ratio of WCAG 2: from 1 (the same
// luminance) to 21 (black on white). Text needs 4.5 to be read with ease.
namespace Contrast {

constexpr double Readable = 4.5;

double ratio(const QColor& a, const QColor& b);

// The colour as it is when it reads on the other one; otherwise the same hue, lightened or
// darkened away from the other just until it does.
QColor readableOn(const QColor& colour, const QColor& other);

// A palette whose windows are darker than their text: a dark theme.
bool isDark(const QPalette& palette);

} // namespace Contrast

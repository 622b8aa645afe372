#include "ui/widgets/Contrast.h"

#include <QPalette>

#include <array>
#include <cmath>

namespace {

// The light a screen gives for each 8-bit channel value, as sRGB defines it.
const std::array<double, 256>& linearChannels()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values{};
        for (int v = 0; v < 256; ++v) {
            const double c = v / 255.0;
            values[v] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return values;
    }();
    return table;
}

double luminance(QRgb rgb)
{
    const std::array<double, 256>& linear = linearChannels();
    return 0.2126 * linear[qRed(rgb)] + 0.7152 * linear[qGreen(rgb)] + 0.0722 * linear[qBlue(rgb)];
}

double ratio(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

namespace Contrast {

double ratio(const QColor& a, const QColor& b)
{
    return ::ratio(a.rgb(), b.rgb());
}

QColor readableOn(const QColor& colour, const QColor& other)
{
    const QRgb against = other.rgb();
    if (::ratio(colour.rgb(), against) >= Readable)
        return colour;
    // Towards white or black, whichever stands further from the other colour: one of them always
    // reaches the ratio. The colours are tried as they are drawn, in 8 bits a channel.
    const bool lighten = ::ratio(qRgb(255, 255, 255), against) >= ::ratio(qRgb(0, 0, 0), against);
    const QColor hsl = colour.toHsl();
    const float hue = hsl.hslHueF();
    const float saturation = hsl.hslSaturationF();
    float near = hsl.lightnessF();
    float far = lighten ? 1.0f : 0.0f;
    QRgb found = QColor::fromHslF(hue, saturation, far).rgb();
    for (int step = 0; step < 16; ++step) {
        const float middle = (near + far) / 2;
        const QRgb tried = QColor::fromHslF(hue, saturation, middle).rgb();
        if (::ratio(tried, against) >= Readable) {
            far = middle;
            found = tried;
        } else {
            near = middle;
        }
    }
    return QColor(found);
}

bool isDark(const QPalette& palette)
{
    return luminance(palette.color(QPalette::Window).rgb()) <
           luminance(palette.color(QPalette::WindowText).rgb());
}

} // namespace Contrast

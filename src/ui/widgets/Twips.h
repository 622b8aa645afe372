#pragma once

#include <QRect>

// Window and control sizes are designed in twips, 15 to a pixel at 96 dots per inch.
namespace Twips {

constexpr int PerPixel = 15;

constexpr int toPixels(int twips)
{
    return twips / PerPixel;
}

constexpr int fromPixels(int pixels)
{
    return pixels * PerPixel;
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace Twips

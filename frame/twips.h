#pragma once
// Window geometry is designed in twips: 1440 per inch, 15 per pixel at 96 dpi.

#include <QRect>

namespace twips {

constexpr int perPixel = 15;

constexpr int inPixel(int tw) { return (tw >= 0 ? tw + perPixel / 2 : tw - perPixel / 2) / perPixel; }
constexpr int daPixel(int px) { return px * perPixel; }

inline QRect rettangolo(int left, int top, int width, int height)
{
    return QRect(inPixel(left), inPixel(top), inPixel(width), inPixel(height));
}

} // namespace twips

#pragma once

#include <QRect>
#include <cmath>

// The window's layout is given in twips: 1440 to the inch, 15 to the pixel at 96 dots per inch. Qt scales
// pixels on high-density screens.
inline constexpr int TwipsPerPixel = 15;

inline int Pixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

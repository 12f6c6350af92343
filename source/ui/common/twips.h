#pragma once

#include <QLine>
#include <QRect>
#include <QSize>

namespace corvane::ui {

// Windows are laid out in twips (1/1440 inch). At 15 twips per pixel every
// design value is a whole number of device-independent pixels; Qt scales
// those for high-DPI screens.
inline constexpr int TwipsPerPixel = 15;

constexpr int Px(int twips)
{
    return twips / TwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

inline QSize TwipsSize(int width, int height)
{
    return QSize(Px(width), Px(height));
}

inline QLine TwipsLine(int x1, int y1, int x2, int y2)
{
    return QLine(Px(x1), Px(y1), Px(x2), Px(y2));
}

} // namespace corvane::ui

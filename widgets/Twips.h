#pragma once

#include <QRect>

namespace corvalen {

// Window layouts are given in twips; 15 twips are one pixel at 96 dots per inch.
constexpr int Px(int twips)
{
    return twips / 15;
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

} // namespace corvalen

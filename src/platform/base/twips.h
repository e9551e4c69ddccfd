#pragma once

#include <QRect>

// Positions and sizes in twips: 1440 to the inch, 15 to a screen pixel.
struct Twips
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

constexpr int TwipsPerPixel = 15;

// Twips to screen pixels (integer division, as the layout tables assume).
constexpr int twips(int value)
{
    return value / TwipsPerPixel;
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

inline QRect toPixels(const Twips &t)
{
    return QRect(twips(t.left), twips(t.top), twips(t.width), twips(t.height));
}

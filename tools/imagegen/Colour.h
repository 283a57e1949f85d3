// Colours as linear 0..1 triples, and the panel's palette.
#pragma once

#include <algorithm>

struct Colour
{
    double r, g, b;
};

inline Colour rgb8(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }
inline Colour scaled(Colour c, double k) { return {c.r * k, c.g * k, c.b * k}; }
inline Colour mixed(Colour a, Colour b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Colour added(Colour a, double k) { return {a.r + k, a.g + k, a.b + k}; }
inline Colour clamped(Colour c)
{
    return {std::clamp(c.r, 0.0, 1.0), std::clamp(c.g, 0.0, 1.0), std::clamp(c.b, 0.0, 1.0)};
}

namespace palette {
// Dark anodised blue-grey of the front panel.
const Colour kPanel = rgb8(40, 45, 54);
// Silk-screen print on the panel.
const Colour kPrint = rgb8(226, 229, 233);
const Colour kPrintDim = rgb8(150, 158, 170);
// Warm accent of the branding and lit indicators.
const Colour kAmber = rgb8(238, 164, 58);
// Recessed windows behind the value displays.
const Colour kWindow = rgb8(17, 19, 23);
}  // namespace palette

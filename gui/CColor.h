// An 8-bit RGBA colour, alpha 255 opaque.
#pragma once

#include <cstdint>

struct CColor
{
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 255;

    constexpr CColor() = default;
    constexpr CColor(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) : red(r), green(g), blue(b), alpha(a) {}

    bool operator==(const CColor& c) const
    {
        return red == c.red && green == c.green && blue == c.blue && alpha == c.alpha;
    }
    bool operator!=(const CColor& c) const { return !(*this == c); }
};

constexpr CColor kTransparentCColor{255, 255, 255, 0};
constexpr CColor kBlackCColor{0, 0, 0};
constexpr CColor kWhiteCColor{255, 255, 255};
constexpr CColor kGreyCColor{127, 127, 127};
constexpr CColor kRedCColor{255, 0, 0};
constexpr CColor kGreenCColor{0, 255, 0};
constexpr CColor kBlueCColor{0, 0, 255};

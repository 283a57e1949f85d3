// Pixels read back from an offscreen rendering: rows top to bottom, 4 bytes per pixel R, G, B, A, alpha not
// premultiplied.
#pragma once

#include <cstdint>
#include <vector>

#include "gui/CColor.h"

struct RgbaImage
{
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;

    bool empty() const { return width <= 0 || height <= 0; }
    // Transparent black outside the image.
    CColor getPixel(int32_t x, int32_t y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return CColor(0, 0, 0, 0);
        const uint8_t* p = &pixels[(static_cast<size_t>(y) * width + x) * 4];
        return CColor(p[0], p[1], p[2], p[3]);
    }
};

// One image being painted: a cairo ARGB32 surface with its context, plus per-pixel access for the parts that are
// shaded pixel by pixel (brushed metal, knob bodies).
#pragma once

#include <cairo.h>

#include <cstdint>

#include "Colour.h"

class Surface
{
public:
    Surface(int width, int height);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }

    // Brackets direct pixel work between cairo drawing.
    void beginPixels();
    void endPixels();
    // Straight colour with alpha, laid over what the pixel holds (source-over). Only between begin/endPixels.
    void blend(int x, int y, Colour c, double alpha);
    void set(int x, int y, Colour c, double alpha);

private:
    uint32_t* pixel(int x, int y);

    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

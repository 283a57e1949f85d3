// The cairo backend's pixels: an ARGB32 (premultiplied) image surface.
#pragma once

#include <cairo.h>

#include "gui/IPlatformBitmap.h"

class CairoBitmap : public IPlatformBitmap
{
public:
    // Takes over the surface reference.
    explicit CairoBitmap(cairo_surface_t* surface) : surface_(surface) {}
    ~CairoBitmap() override { cairo_surface_destroy(surface_); }
    CairoBitmap(const CairoBitmap&) = delete;
    CairoBitmap& operator=(const CairoBitmap&) = delete;

    int32_t getWidth() const override { return cairo_image_surface_get_width(surface_); }
    int32_t getHeight() const override { return cairo_image_surface_get_height(surface_); }
    cairo_surface_t* getSurface() const { return surface_; }

private:
    cairo_surface_t* surface_;
};

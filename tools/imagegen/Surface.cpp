#include "Surface.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {
uint32_t channel(double v) { return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); }
double unpack(uint32_t v, int shift) { return ((v >> shift) & 0xFF) / 255.0; }
}  // namespace

Surface::Surface(int width, int height)
    : width_(width), height_(height), surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height))
{
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create a cairo surface");
    cr_ = cairo_create(surface_);
}

Surface::~Surface()
{
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Surface::beginPixels() { cairo_surface_flush(surface_); }

void Surface::endPixels() { cairo_surface_mark_dirty(surface_); }

uint32_t* Surface::pixel(int x, int y)
{
    unsigned char* row = cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
    return reinterpret_cast<uint32_t*>(row) + x;
}

void Surface::set(int x, int y, Colour c, double alpha)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    alpha = std::clamp(alpha, 0.0, 1.0);
    const Colour p = clamped(c);
    *pixel(x, y) = channel(alpha) << 24 | channel(p.r * alpha) << 16 | channel(p.g * alpha) << 8 |
                   channel(p.b * alpha);
}

void Surface::blend(int x, int y, Colour c, double alpha)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    alpha = std::clamp(alpha, 0.0, 1.0);
    const uint32_t old = *pixel(x, y);
    const double keep = 1.0 - alpha;
    const Colour p = clamped(c);
    // Cairo keeps premultiplied colour, so source-over is a plain weighted sum.
    const double a = alpha + unpack(old, 24) * keep;
    const double r = p.r * alpha + unpack(old, 16) * keep;
    const double g = p.g * alpha + unpack(old, 8) * keep;
    const double b = p.b * alpha + unpack(old, 0) * keep;
    *pixel(x, y) = channel(a) << 24 | channel(r) << 16 | channel(g) << 8 | channel(b);
}

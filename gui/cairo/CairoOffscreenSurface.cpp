// Offscreen rendering and PNG writing for the cairo backend.
#include <cairo.h>

#include "gui/IOffscreenSurface.h"
#include "gui/cairo/CairoDrawContext.h"

namespace
{
class CairoOffscreenSurface : public IOffscreenSurface
{
public:
    explicit CairoOffscreenSurface(cairo_surface_t* surface)
        : surface_(surface),
          context_(surface, CRect(0, 0, cairo_image_surface_get_width(surface),
                                  cairo_image_surface_get_height(surface)))
    {
    }
    ~CairoOffscreenSurface() override { cairo_surface_destroy(surface_); }
    CairoOffscreenSurface(const CairoOffscreenSurface&) = delete;
    CairoOffscreenSurface& operator=(const CairoOffscreenSurface&) = delete;

    CDrawContext& getDrawContext() override { return context_; }

    RgbaImage readPixels() override
    {
        cairo_surface_flush(surface_);
        RgbaImage image;
        image.width = cairo_image_surface_get_width(surface_);
        image.height = cairo_image_surface_get_height(surface_);
        image.pixels.resize(static_cast<size_t>(image.width) * image.height * 4);
        const unsigned char* data = cairo_image_surface_get_data(surface_);
        const int stride = cairo_image_surface_get_stride(surface_);
        for (int32_t y = 0; y < image.height; ++y)
        {
            const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
            uint8_t* out = &image.pixels[static_cast<size_t>(y) * image.width * 4];
            for (int32_t x = 0; x < image.width; ++x, out += 4)
            {
                const uint32_t argb = row[x];
                const uint32_t a = argb >> 24;
                out[3] = static_cast<uint8_t>(a);
                if (a == 0)
                {
                    out[0] = out[1] = out[2] = 0;
                    continue;
                }
                // Premultiplied to straight alpha, rounded.
                out[0] = static_cast<uint8_t>((((argb >> 16) & 0xff) * 255 + a / 2) / a);
                out[1] = static_cast<uint8_t>((((argb >> 8) & 0xff) * 255 + a / 2) / a);
                out[2] = static_cast<uint8_t>(((argb & 0xff) * 255 + a / 2) / a);
            }
        }
        return image;
    }

private:
    cairo_surface_t* surface_;
    CairoDrawContext context_;
};
} // namespace

std::unique_ptr<IOffscreenSurface> createOffscreenSurface(int32_t width, int32_t height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
    {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    return std::make_unique<CairoOffscreenSurface>(surface);
}

bool writePngFile(const RgbaImage& image, const std::string& path)
{
    if (image.empty() || image.pixels.size() < static_cast<size_t>(image.width) * image.height * 4)
        return false;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
    {
        cairo_surface_destroy(surface);
        return false;
    }
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int32_t y = 0; y < image.height; ++y)
    {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        const uint8_t* in = &image.pixels[static_cast<size_t>(y) * image.width * 4];
        for (int32_t x = 0; x < image.width; ++x, in += 4)
        {
            const uint32_t a = in[3];
            const auto premultiply = [a](uint32_t c) { return (c * a + 127) / 255; };
            row[x] = (a << 24) | (premultiply(in[0]) << 16) | (premultiply(in[1]) << 8) | premultiply(in[2]);
        }
    }
    cairo_surface_mark_dirty(surface);
    const bool written = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
}

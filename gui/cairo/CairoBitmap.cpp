// The cairo backend's bitmap factories: PNG decoding through cairo's PNG reader.
#include "gui/cairo/CairoBitmap.h"

#include <cstring>

namespace
{
struct ByteReader
{
    const uint8_t* data;
    size_t size;
    size_t position;
};

cairo_status_t readBytes(void* closure, unsigned char* out, unsigned int length)
{
    auto* reader = static_cast<ByteReader*>(closure);
    if (length > reader->size - reader->position)
        return CAIRO_STATUS_READ_ERROR;
    std::memcpy(out, reader->data + reader->position, length);
    reader->position += length;
    return CAIRO_STATUS_SUCCESS;
}

// Every bitmap is ARGB32, so that drawing and pixel reads have one layout (an opaque PNG decodes as RGB24).
cairo_surface_t* toArgb32(cairo_surface_t* surface)
{
    if (cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32)
        return surface;
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    cairo_surface_t* argb = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(argb);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return argb;
}
} // namespace

std::unique_ptr<IPlatformBitmap> createPlatformBitmapFromPng(const uint8_t* data, size_t size)
{
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (!data || size < sizeof(kSignature) || std::memcmp(data, kSignature, sizeof(kSignature)) != 0)
        return nullptr;
    ByteReader reader{data, size, 0};
    cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(readBytes, &reader);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
    {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    surface = toArgb32(surface);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
    {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    return std::make_unique<CairoBitmap>(surface);
}

std::unique_ptr<IPlatformBitmap> createPlatformBitmap(int32_t width, int32_t height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    // A new image surface is cleared to transparent.
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
    {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    return std::make_unique<CairoBitmap>(surface);
}

#include "PngFile.h"

#include <png.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "Surface.h"

namespace {
using Bytes = std::vector<unsigned char>;

// Straight (not premultiplied) RGBA rows; fully transparent pixels become all zero so they compress to nothing.
std::vector<Bytes> straightRows(const Surface& surface)
{
    cairo_surface_flush(surface.surface());
    const unsigned char* data = cairo_image_surface_get_data(surface.surface());
    const int stride = cairo_image_surface_get_stride(surface.surface());
    std::vector<Bytes> rows(surface.height(), Bytes(surface.width() * 4));
    for (int y = 0; y < surface.height(); ++y)
    {
        const uint32_t* in = reinterpret_cast<const uint32_t*>(data + y * stride);
        unsigned char* out = rows[y].data();
        for (int x = 0; x < surface.width(); ++x, out += 4)
        {
            const uint32_t p = in[x];
            const uint32_t a = p >> 24;
            if (a == 0)
            {
                out[0] = out[1] = out[2] = out[3] = 0;
                continue;
            }
            for (int c = 0; c < 3; ++c)
            {
                const uint32_t premultiplied = (p >> (16 - 8 * c)) & 0xFF;
                out[c] = static_cast<unsigned char>((premultiplied * 255 + a / 2) / a);
            }
            out[3] = static_cast<unsigned char>(a);
        }
    }
    return rows;
}

void appendBytes(png_structp png, png_bytep data, png_size_t length)
{
    Bytes* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void noFlush(png_structp) {}

bool encode(const std::vector<Bytes>& rows, int width, int filters, int strategy, Bytes& out)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png)))
    {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_set_write_fn(png, &out, appendBytes, noFlush);
    png_set_IHDR(png, info, width, static_cast<png_uint_32>(rows.size()), 8, PNG_COLOR_TYPE_RGB_ALPHA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, filters);
    png_set_compression_level(png, Z_BEST_COMPRESSION);
    png_set_compression_mem_level(png, 9);
    png_set_compression_strategy(png, strategy);
    png_write_info(png, info);
    for (const Bytes& row : rows)
        png_write_row(png, row.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}
}  // namespace

size_t writePng(const Surface& surface, const std::string& path)
{
    const std::vector<Bytes> rows = straightRows(surface);
    const int filterChoices[] = {PNG_FILTER_NONE, PNG_FILTER_SUB,   PNG_FILTER_UP,
                                 PNG_FILTER_AVG,  PNG_FILTER_PAETH, PNG_ALL_FILTERS};
    const int strategies[] = {Z_DEFAULT_STRATEGY, Z_FILTERED};
    Bytes best;
    for (int filters : filterChoices)
        for (int strategy : strategies)
        {
            Bytes candidate;
            if (encode(rows, surface.width(), filters, strategy, candidate) &&
                (best.empty() || candidate.size() < best.size()))
                best.swap(candidate);
        }
    if (best.empty())
        return 0;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    const bool written = std::fwrite(best.data(), 1, best.size(), file) == best.size();
    return std::fclose(file) == 0 && written ? best.size() : 0;
}

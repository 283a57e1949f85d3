// Checks a screenshot of the effect's editor: a PNG of the expected size that shows a picture, not one plain colour.
// Usage: qor_screenshot_check FILE WIDTH HEIGHT. Exit 0 when it does, 1 with one line on stderr when not.
#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>

namespace {

// An editor's picture has many colours; a blank or single-colour window a few at most.
constexpr size_t kLeastColours = 16;

int failure(const char* what, const char* file)
{
    std::fprintf(stderr, "screenshot %s: %s\n", file, what);
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
        return failure("usage: qor_screenshot_check FILE WIDTH HEIGHT", "-");
    const char* file = argv[1];
    const int width = std::atoi(argv[2]);
    const int height = std::atoi(argv[3]);
    cairo_surface_t* surface = cairo_image_surface_create_from_png(file);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
    {
        cairo_surface_destroy(surface);
        return failure("not a PNG that can be read", file);
    }
    int status = 0;
    if (cairo_image_surface_get_width(surface) != width || cairo_image_surface_get_height(surface) != height)
    {
        std::fprintf(stderr, "screenshot %s: %d x %d, not %d x %d\n", file, cairo_image_surface_get_width(surface),
                     cairo_image_surface_get_height(surface), width, height);
        status = 1;
    }
    else
    {
        const unsigned char* data = cairo_image_surface_get_data(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        std::set<uint32_t> colours;
        for (int y = 0; y < height && colours.size() < kLeastColours; ++y)
        {
            const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
            for (int x = 0; x < width && colours.size() < kLeastColours; ++x)
                colours.insert(row[x] & 0x00FFFFFFu);
        }
        if (colours.size() < kLeastColours)
            status = failure("blank: hardly more than one colour", file);
    }
    cairo_surface_destroy(surface);
    return status;
}

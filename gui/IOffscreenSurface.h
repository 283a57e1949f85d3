// An image in memory with a draw context over it, for rendering a frame without a window (tests, screenshots).
// Each backend implements the factory and the PNG writer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/CDrawContext.h"
#include "gui/RgbaImage.h"

class IOffscreenSurface
{
public:
    virtual ~IOffscreenSurface() = default;
    // Drawing in the surface's pixel coordinates: (0, 0) is its top-left pixel.
    virtual CDrawContext& getDrawContext() = 0;
    // The pixels drawn so far.
    virtual RgbaImage readPixels() = 0;
};

// Starts fully transparent; null for a size the backend cannot allocate.
std::unique_ptr<IOffscreenSurface> createOffscreenSurface(int32_t width, int32_t height);
// Writes an 8-bit RGBA PNG file; false when the file cannot be written.
bool writePngFile(const RgbaImage& image, const std::string& path);

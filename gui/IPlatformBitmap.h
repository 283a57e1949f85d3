// The backend's pixel store behind a CBitmap. Each backend (gui/cairo, gui/win32) implements the two factories;
// its draw context casts the platform bitmaps back to its own type (one backend per build).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

class IPlatformBitmap
{
public:
    virtual ~IPlatformBitmap() = default;
    virtual int32_t getWidth() const = 0;
    virtual int32_t getHeight() const = 0;
};

// Decodes a PNG file held in memory; null when the bytes are not a decodable PNG.
std::unique_ptr<IPlatformBitmap> createPlatformBitmapFromPng(const uint8_t* data, size_t size);
// A fully transparent bitmap; null for a size the backend cannot allocate.
std::unique_ptr<IPlatformBitmap> createPlatformBitmap(int32_t width, int32_t height);

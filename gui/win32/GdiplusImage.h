// Conversions between GDI+ bitmaps and RgbaImage, and PNG files through GDI+'s encoder.
#pragma once

#include <memory>
#include <string>

#include "gui/RgbaImage.h"
#include "gui/win32/GdiplusHeaders.h"

// The bitmap's pixels with straight alpha; empty when they cannot be read.
RgbaImage readRgba(Gdiplus::Bitmap& bitmap);
// A new 32-bit ARGB bitmap holding the image; null when it cannot be made.
std::unique_ptr<Gdiplus::Bitmap> bitmapFromRgba(const RgbaImage& image);
// Writes the bitmap as a PNG file (path in UTF-8).
bool saveAsPng(Gdiplus::Bitmap& bitmap, const std::string& path);

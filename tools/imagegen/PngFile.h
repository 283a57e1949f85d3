// Writes a painted surface as an 8-bit RGBA, non-interlaced PNG with no time stamp or text chunks, so the same
// picture always gives the same bytes. Tries the filter and zlib strategies and keeps the smallest result.
#pragma once

#include <cstddef>
#include <string>

class Surface;

// Returns the number of bytes written, 0 on failure.
size_t writePng(const Surface& surface, const std::string& path);

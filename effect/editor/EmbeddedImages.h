// The editor's PNG images as compiled into the plug-in; the table is generated at build time from
// resources/images (one entry per file, named by its number).
#pragma once

#include <cstddef>
#include <cstdint>

struct EmbeddedImage
{
    int32_t number;
    const uint8_t* bytes;
    size_t length;
};

extern const EmbeddedImage kEmbeddedImages[];
extern const size_t kEmbeddedImageCount;

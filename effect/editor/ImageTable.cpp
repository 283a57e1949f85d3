#include "effect/editor/ImageTable.h"

#include "effect/editor/EmbeddedImages.h"

const uint8_t* findImage(int32_t number, size_t& length)
{
    for (size_t i = 0; i < kEmbeddedImageCount; ++i)
        if (kEmbeddedImages[i].number == number)
        {
            length = kEmbeddedImages[i].length;
            return kEmbeddedImages[i].bytes;
        }
    length = 0;
    return nullptr;
}

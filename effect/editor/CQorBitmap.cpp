#include "effect/editor/CQorBitmap.h"

#include "effect/editor/ImageTable.h"

namespace {
std::unique_ptr<IPlatformBitmap> platformBitmapOf(int32_t number)
{
    size_t length = 0;
    const uint8_t* png = findImage(number, length);
    if (!png)
        return createPlatformBitmap(CQorBitmap::kEmptyWidth, CQorBitmap::kEmptyHeight);
    return createPlatformBitmapFromPng(png, length);
}
}  // namespace

CQorBitmap::CQorBitmap(int32_t number) : CBitmap(platformBitmapOf(number)) {}

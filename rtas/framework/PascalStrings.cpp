#include "rtas/framework/PascalStrings.h"

#include <algorithm>
#include <cstring>

namespace rtas {
namespace {

void CopyCut(const unsigned char* source, unsigned char* destination, int32_t limit)
{
    const int32_t count = std::min<int32_t>(source[0], limit);
    std::memmove(destination + 1, source + 1, size_t(count));
    destination[0] = uint8_t(count);
}

}  // namespace

void CopyPascalString31(const unsigned char* source, unsigned char* destination) { CopyCut(source, destination, 31); }
void CopyPascalString63(const unsigned char* source, unsigned char* destination) { CopyCut(source, destination, 63); }
void CopyPascalString(const unsigned char* source, unsigned char* destination) { CopyCut(source, destination, 255); }

unsigned char* AppendPascalString(int32_t capacity, const unsigned char* source, unsigned char* destination)
{
    const int32_t used = destination[0];
    const int32_t room = std::max<int32_t>(0, std::min<int32_t>(capacity, 255) - used);
    const int32_t count = std::min<int32_t>(source[0], room);
    std::memmove(destination + 1 + used, source + 1, size_t(count));
    destination[0] = uint8_t(used + count);
    return destination + 1 + used + count;
}

bool EqualPascalStrings(const unsigned char* a, const unsigned char* b)
{
    if (a == nullptr || b == nullptr)
        return a == b;
    return a[0] == b[0] && std::memcmp(a + 1, b + 1, a[0]) == 0;
}

unsigned char* AppendCString(int32_t capacity, const char* source, unsigned char* destination)
{
    unsigned char piece[256];
    SetPascalString(255, source, piece);
    return AppendPascalString(capacity, piece, destination);
}

void SetPascalString(int32_t capacity, const char* source, unsigned char* destination)
{
    const size_t length = std::min<size_t>(std::strlen(source), size_t(std::clamp<int32_t>(capacity, 0, 255)));
    std::memcpy(destination + 1, source, length);
    destination[0] = uint8_t(length);
}

}  // namespace rtas

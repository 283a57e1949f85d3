#include "rtas/framework/NameVariants.h"

#include <algorithm>
#include <cstring>

namespace rtas {

std::string NameVariantForLength(const char* names, int32_t maxLength)
{
    if (names == nullptr)
        return {};
    const size_t limit = size_t(std::max<int32_t>(maxLength, 0));
    std::string all(names);
    size_t start = 0;
    while (true) {
        const size_t end = all.find('\n', start);
        const std::string variant = all.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (variant.size() <= limit)
            return variant;
        if (end == std::string::npos)
            return variant.substr(0, limit);
        start = end + 1;
    }
}

void PickNameForLength(char* destination, const char* names, int32_t maxLength)
{
    const std::string name = NameVariantForLength(names, maxLength);
    std::memcpy(destination, name.c_str(), name.size() + 1);
}

}  // namespace rtas

#include "rtas/bridge/entry/ResourceByteOrder.h"

#include <algorithm>

namespace rtas::entry {
namespace {

constexpr uint32_t kComponentRecord = HostFourCC("thng");
constexpr uint32_t kCodeFragmentRecord = HostFourCC("cfrg");
// The code fragment's architecture word.
constexpr int32_t kFragmentArchitectureOffset = 32;
// The component record: five 32-bit description words, then four resource references {32-bit type, 16-bit id}.
constexpr int32_t kDescriptionWords = 5;
constexpr int32_t kResourceReferenceOffsets[] = {20, 26, 32, 38};

// A short or damaged resource must not be written past its end.
void Reverse(uint8_t* bytes, int32_t size, int32_t offset, int32_t width)
{
    if (offset >= 0 && width <= size && offset <= size - width)
        std::reverse(bytes + offset, bytes + offset + width);
}

}  // namespace

int32_t QOR_HOST_CALL SwapResourceByteOrder(uint32_t type, void* data, int32_t size)
{
    if (type != kComponentRecord && type != kCodeFragmentRecord)
        return 0;
    auto* bytes = static_cast<uint8_t*>(data);
    if (bytes == nullptr)
        return 1;
    if (type == kCodeFragmentRecord) {
        Reverse(bytes, size, kFragmentArchitectureOffset, 4);
        return 1;
    }
    for (int32_t word = 0; word < kDescriptionWords; ++word)
        Reverse(bytes, size, word * 4, 4);
    for (int32_t offset : kResourceReferenceOffsets) {
        Reverse(bytes, size, offset, 4);
        Reverse(bytes, size, offset + 4, 2);
    }
    return 1;
}

}  // namespace rtas::entry

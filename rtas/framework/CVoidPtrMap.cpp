#include "rtas/framework/CVoidPtrMap.h"

#include <new>

void* CVoidPtrMap::find(uint32_t key) const
{
    const auto found = fEntries.find(key);
    return found == fEntries.end() ? nullptr : found->second;
}

void CVoidPtrMap::set(uint32_t key, void* pointer)
{
    try {
        fEntries[key] = pointer;
    } catch (const std::bad_alloc&) {
        throw int16_t(-1);
    }
}

int32_t CVoidPtrMap::erase(uint32_t key) { return int32_t(fEntries.erase(key)); }

void CVoidPtrMap::dump(FILE* out) const
{
    std::fprintf(out, "Dumping CVoidPtrMap  0x%08X\n", unsigned(uintptr_t(this)));
    for (const auto& [key, value] : fEntries) {
        const auto word = unsigned(uintptr_t(value));
        std::fprintf(out, " item:  key: %d (0x%x)  value: %d (0x%x)\n", int(key), unsigned(key), int(word), word);
    }
}

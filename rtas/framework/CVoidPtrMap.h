// An ordered map from 32-bit keys (compared as unsigned) to pointers. Allocation failure is thrown as the 16-bit
// value -1, as the library's other containers do.
#pragma once

#include <cstdint>
#include <cstdio>
#include <map>

class CVoidPtrMap
{
public:
    // The stored pointer, or null.
    void* find(uint32_t key) const;
    // Inserts or replaces.
    void set(uint32_t key, void* pointer);
    // The number of entries removed (0 or 1).
    int32_t erase(uint32_t key);
    // The map's address, then one line per entry in key order.
    void dump(FILE* out = stdout) const;

private:
    std::map<uint32_t, void*> fEntries;
};

// The RTAS plug-in's controls-state chunk 'elck' as a host hands it back: header and body, bounded by the bytes
// given whatever the size word claims. Entries that were read are written again and must read back the same.
#include "rtas/framework/ChunkDataParser.h"

#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact copy, so a read past the end lands outside the allocation.
    std::vector<uint8_t> copy(data, data + size);
    ChunkDataParser parser;
    parser.ReadChunk(size == 0 ? nullptr : reinterpret_cast<const SFicPlugInChunk*>(copy.data()), copy.size());
    double number = 0;
    int32_t integer = 0;
    for (const char* key : {"", "gain", "a"}) {
        parser.FindDouble(key, &number);
        parser.FindLong(key, &integer);
    }
    // What a control sees again after a save: the doubles and longs that were read, in their order.
    ChunkDataParser again;
    ChunkDataParser first;
    first.ReadChunk(size == 0 ? nullptr : reinterpret_cast<const SFicPlugInChunk*>(copy.data()), copy.size());
    std::vector<uint8_t> written(size_t(kPlugInChunkHeaderSize + first.GetBodySize()) + 8);
    if (!first.WriteChunk(reinterpret_cast<SFicPlugInChunk*>(written.data()), written.size()))
        __builtin_trap();
    again.ReadChunk(reinterpret_cast<const SFicPlugInChunk*>(written.data()), written.size());
    if (again.GetBodySize() != first.GetBodySize())
        __builtin_trap();
    return 0;
}

// The AAX plug-in's controls-state chunk 'elck' as a host hands it back: every read bounded by the size field, and
// what was read writes out again and reads back as the same entries.
#include <cstdint>
#include <cstring>
#include <memory>

#include "aax/library/AAX_CChunkDataParser.h"

namespace {

// The header and exactly the data bytes on the heap, so that the sanitizer sees any access past them.
std::unique_ptr<uint8_t[]> makeChunk(const uint8_t* data, size_t size)
{
    std::unique_ptr<uint8_t[]> bytes(new uint8_t[AAX_HostChunk::kHeaderBytes + size]());
    auto* chunk = reinterpret_cast<AAX_HostChunk*>(bytes.get());
    chunk->size = static_cast<int32_t>(size);
    chunk->version = -1;
    if (data && size)
        std::memcpy(chunk->Data(), data, size);
    return bytes;
}

bool sameEntry(const ChunkDataEntry& a, const ChunkDataEntry& b)
{
    return a.type == b.type && a.name.StdString() == b.name.StdString() && a.value == b.value &&
           a.text.StdString() == b.text.StdString();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 0x7FFFFFFF)
        return 0;
    const auto input = makeChunk(data, size);
    AAX_CChunkDataParser parser;
    parser.ParseChunk(reinterpret_cast<const AAX_HostChunk*>(input.get()));

    // Every lookup the effect-parameters object could make.
    for (const ChunkDataEntry& entry : parser.Entries()) {
        double d;
        int32_t i;
        AAX_CString s;
        parser.ReadDouble(entry.name.Get(), &d);
        parser.ReadInt32(entry.name.Get(), &i);
        parser.ReadString(entry.name.Get(), &s);
    }

    const int32_t written = parser.ComputeChunkDataSize();
    if (written < 4)
        __builtin_trap();
    const auto output = makeChunk(nullptr, size_t(written));
    auto* chunk = reinterpret_cast<AAX_HostChunk*>(output.get());
    if (parser.GetChunkData(chunk) != AAX_SUCCESS || chunk->size != written)
        __builtin_trap();

    AAX_CChunkDataParser again;
    again.ParseChunk(chunk);
    // Untyped entries carry no value and are not written; every other entry comes back as it was.
    size_t next = 0;
    for (const ChunkDataEntry& entry : parser.Entries()) {
        if (entry.type == ChunkDataEntry::kUntyped)
            continue;
        if (next >= again.Entries().size() || !sameEntry(entry, again.Entries()[next]))
            __builtin_trap();
        ++next;
    }
    if (next != again.Entries().size())
        __builtin_trap();
    return 0;
}

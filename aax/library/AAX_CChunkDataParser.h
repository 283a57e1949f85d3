// The named, typed values of the controls-state chunk 'elck', and their byte form: the magic 01 01 01 01, then one
// entry after another, each a two-letter type prefix ("f_" float, "l_" 32-bit integer, "d_" double, "s_" 16-bit
// integer, "r_" text) joined to the name with its NUL, padded to a multiple of 4, then the value big-endian (texts
// with their NUL), padded to a multiple of 4. Reading is bounded by the chunk's size field: nothing past it is read.
// One parser lives inside every effect-parameters object; it is used on the host thread that saves or restores.
#pragma once

#include <cstdint>
#include <vector>

#include "aax/library/AAX_CString.h"
#include "aax/library/AAX_HostChunk.h"
#include "aax/library/AAX_Types.h"

struct ChunkDataEntry
{
    enum Type : int32_t { kUntyped = 0, kFloat = 1, kInt32 = 2, kDouble = 3, kInt16 = 4, kString = 5 };

    Type type = kUntyped;
    AAX_CString name;
    uint64_t value = 0;  // the double's bits, or the float's, the 32-bit or the 16-bit integer in the low bytes
    AAX_CString text;    // the value of a text entry
};

class AAX_CChunkDataParser
{
public:
    static constexpr uint32_t kMagic = 0x01010101;
    // A prefixed name is read up to this many bytes; a longer one ends the reading.
    static constexpr size_t kMaxPrefixedName = 255;

    virtual ~AAX_CChunkDataParser() = default;

    void ClearEntries() { entries_.clear(); }
    void AppendDouble(const char* name, double value);
    void AppendInt32(const char* name, int32_t value);
    void AppendString(const char* name, const AAX_IString& text);

    // Number of data bytes GetChunkData writes: 4 and every typed entry; -1 beyond what an int32 counts.
    int32_t ComputeChunkDataSize() const;
    // Writes the chunk's size field and its data; 0, a non-positive size, or -333 (logged) when the data would not
    // fit the size (it always fits; the check keeps every write inside the record).
    AAX_Result GetChunkData(AAX_HostChunk* chunk) const;
    // Replaces the entries with those of the chunk and takes its version. Data that lacks the magic gives no entries;
    // an entry whose name or value would run past the size ends the reading, keeping the entries before it.
    void ParseChunk(const AAX_HostChunk* chunk);

    // The entry of that name, searching circularly from just after the last one found; -1 when there is none.
    int32_t IndexOfName(const char* name);
    // True only for an entry of that name and exactly that type; the out value is left alone otherwise.
    bool ReadDouble(const char* name, double* value);
    bool ReadInt32(const char* name, int32_t* value);
    bool ReadString(const char* name, AAX_IString* text);

    // The save path starts every rebuild from here: no entry found yet, no version.
    void ResetLastFoundAndVersion()
    {
        lastFound_ = -1;
        chunkVersion_ = -1;
    }
    int32_t ChunkVersion() const { return chunkVersion_; }
    int32_t LastFoundIndex() const { return lastFound_; }
    const std::vector<ChunkDataEntry>& Entries() const { return entries_; }

private:
    const ChunkDataEntry* Find(const char* name, ChunkDataEntry::Type type);

    int32_t lastFound_ = -1;
    int32_t chunkVersion_ = -1;
    std::vector<ChunkDataEntry> entries_;
};

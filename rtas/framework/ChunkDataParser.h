// The body of the controls-state chunk 'elck': the magic word 0x01010101, then named values back to back. A name is
// a two-character type prefix ("d_" double, "l_" long, "f_" float, "s_" short) and a key, ended by a zero byte and
// padded to a multiple of 4; the value follows big-endian (8 bytes for a double, 4 for the others, a short in the
// first 2 of its 4). The reader never reads past the chunk it is given.
#pragma once

#include "rtas/framework/host/PlugInRecords.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ChunkDataParser
{
public:
    enum ValueType : int32_t { kNone = 0, kFloat = 1, kLong = 2, kDouble = 3, kShort = 4 };
    static constexpr uint32_t kMagic = 0x01010101;

    void Clear();
    void AddDouble(const std::string& key, double value);
    void AddLong(const std::string& key, int32_t value);
    // The body's size in bytes (4 for an empty list).
    int32_t GetBodySize() const;
    // Writes the header's size word and the body into chunk, which holds capacity bytes in all; false (and nothing
    // written) when they do not fit.
    bool WriteChunk(SFicPlugInChunk* chunk, size_t capacity) const;
    // Reads the entries of a chunk of which available bytes can be read (header included). The body is bounded by
    // both the chunk's size word and available; a body that is too short or has another magic word yields no entries,
    // and reading stops at the first entry that is not whole or whose type is unknown.
    void ReadChunk(const SFicPlugInChunk* chunk, size_t available);
    // The same over a body alone.
    void ReadBody(const uint8_t* body, size_t size);

    // Lookups resume after the previous hit and wrap around, so entries with one and the same key are met in their
    // stored order. A match of another type answers false.
    bool FindDouble(const std::string& key, double* value);
    bool FindLong(const std::string& key, int32_t* value);

    size_t CountEntries() const { return fNames.size(); }
    // Entry i in stored order: its key, type and value (floats and doubles in number, shorts and longs in integer);
    // false for an index past the entries.
    bool GetEntry(size_t i, std::string* key, ValueType* type, double* number, int32_t* integer) const;

private:
    bool Find(const std::string& key, ValueType wanted, size_t* position);

    std::vector<std::string> fNames;
    std::vector<ValueType> fTypes;
    std::vector<double> fDoubles;
    std::vector<int32_t> fLongs;
    int32_t fLastHit = -1;
};

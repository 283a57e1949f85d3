// The three record streams, each read from a header and the records behind it. The input is a whole stream; the
// lowest bit of its format byte (which the readers themselves do not look at) says whether it is byte-swapped, so
// the seeds, all native, can be mutated into swapped streams. A stream a reader takes must come back whole when the
// state is saved in `form` and loaded into a fresh instance.
#pragma once

#include <cstring>

#include "common/ByteReader.h"
#include "effect/presets/StreamHeader.h"
#include "fuzz/FuzzSupport.h"

namespace fuzzing {

template <typename Read>
void fuzzStream(const uint8_t* data, size_t size, const char* what, bool bankMayChange, SavedForm form, Read read)
{
    if (size < kStreamHeaderSize)
        return;
    FuzzEffect& fuzz = FuzzEffect::instance();
    fuzz.reset();
    const std::vector<uint8_t> before = fuzz.bankBytes();

    const bool swap = (data[kHeaderFormatOffset] & 1) != 0;
    uint8_t headerBytes[kStreamHeaderSize];
    std::memcpy(headerBytes, data, kStreamHeaderSize);
    if (swap)
        swapStreamHeader(headerBytes);
    ByteReader headerReader(headerBytes, kStreamHeaderSize);
    StreamHeader header;
    readStreamHeader(headerReader, header);

    ExactCopy records(data + kStreamHeaderSize, size - kStreamHeaderSize);
    const bool accepted = read(fuzz.editor(), records.data(), records.size(), header, swap);
    if (!accepted || !bankMayChange)
        fuzz.requireUnchanged(before, what);
    if (accepted)
        fuzz.requireRoundTrip(form, what);
}

}  // namespace fuzzing

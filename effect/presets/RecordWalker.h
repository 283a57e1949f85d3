// Walks the records behind a stream header. The whole layout is checked before a reader changes anything, so a
// stream that lies about its sizes is rejected instead of being half read.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/ByteReader.h"
#include "effect/presets/StreamHeader.h"

struct StreamRecord
{
    int32_t type = 0;
    int32_t program = 0;
    ByteReader payload{nullptr, 0};  // exactly the record's own bytes
};

class RecordWalker
{
public:
    // `records` holds `available` bytes; the header gives the payload size and record count, already in the
    // processor's byte order; `swap` is the byte order of the records.
    RecordWalker(const uint8_t* records, size_t available, const StreamHeader& header, bool swap);

    // False when the payload size is negative or beyond `available`, the record count is negative, or a record
    // (its 12-byte header or its length) does not fit in what is left of the payload.
    bool valid() const { return valid_; }

    // The next record; false after the last one, and at once when the layout is not valid.
    bool next(StreamRecord& record);

private:
    static bool readRecord(ByteReader& reader, StreamRecord& record);

    ByteReader payload_;
    int32_t count_;
    int32_t done_ = 0;
    bool valid_ = false;
};

// A name record's 24 name bytes; false when the record is too short to hold them.
bool readNamePayload(ByteReader payload, char* name);
// A parameter record's index and value; false when the record is too short to hold them.
bool readParameterPayload(ByteReader payload, int32_t& index, float& value);

#include "effect/presets/RecordWalker.h"

#include "effect/presets/ProgramRecord.h"

RecordWalker::RecordWalker(const uint8_t* records, size_t available, const StreamHeader& header, bool swap)
    : payload_(nullptr, 0, swap), count_(header.recordCount)
{
    if (header.payloadSize < 0 || header.recordCount < 0)
        return;
    const size_t size = static_cast<size_t>(header.payloadSize);
    if (size > available || (size > 0 && records == nullptr))
        return;
    payload_ = ByteReader(records, size, swap);

    // Every record must fit before any is used; each takes at least 12 bytes, so a lying count ends this early.
    ByteReader probe = payload_;
    StreamRecord record;
    for (int32_t i = 0; i < count_; ++i) {
        if (!readRecord(probe, record))
            return;
    }
    valid_ = true;
}

bool RecordWalker::next(StreamRecord& record)
{
    if (!valid_ || done_ >= count_)
        return false;
    ++done_;
    return readRecord(payload_, record);
}

bool RecordWalker::readRecord(ByteReader& reader, StreamRecord& record)
{
    int32_t length = 0;
    if (!reader.readInt32(record.type) || !reader.readInt32(length) || !reader.readInt32(record.program))
        return false;
    if (length < 0 || static_cast<size_t>(length) > reader.remaining())
        return false;
    record.payload = reader.slice(static_cast<size_t>(length));
    return reader.skip(static_cast<size_t>(length));
}

bool readNamePayload(ByteReader payload, char* name)
{
    return payload.readBytes(name, kProgramNameSize);
}

bool readParameterPayload(ByteReader payload, int32_t& index, float& value)
{
    if (payload.size() < kParameterValueOffset + 4)
        return false;
    return payload.readInt32(index) && payload.seek(kParameterValueOffset) && payload.readFloat(value);
}

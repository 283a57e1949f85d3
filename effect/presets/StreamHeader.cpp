#include "effect/presets/StreamHeader.h"

bool readStreamHeader(ByteReader& reader, StreamHeader& header)
{
    ByteReader bytes = reader.slice(kStreamHeaderSize);
    if (bytes.size() != kStreamHeaderSize)
        return false;
    uint8_t raw[4];
    bytes.readBytes(raw, 4);
    header.uniqueID = static_cast<int32_t>(uint32_t(raw[0]) | uint32_t(raw[1]) << 8 | uint32_t(raw[2]) << 16 |
                                           uint32_t(raw[3]) << 24);
    bytes.readUInt8(header.format);
    bytes.readInt32(header.version);
    bytes.readInt32(header.paramCount);
    bytes.readInt32(header.recordCount);
    bytes.readInt32(header.currentProgram);
    bytes.readInt32(header.payloadSize);
    reader.skip(kStreamHeaderSize);
    return true;
}

void writeStreamHeader(ByteWriter& writer, const StreamHeader& header)
{
    writer.writeInt32(header.uniqueID);
    writer.writeUInt8(header.format);
    writer.writeInt32(header.version);
    writer.writeInt32(header.paramCount);
    writer.writeInt32(header.recordCount);
    writer.writeInt32(header.currentProgram);
    writer.writeInt32(header.payloadSize);
    writer.writeZeros(16);
}

void swapStreamHeader(uint8_t* header)
{
    for (size_t offset = kHeaderVersionOffset; offset + 4 <= kStreamHeaderSize; offset += 4) {
        uint8_t* w = header + offset;
        uint8_t t0 = w[0], t1 = w[1];
        w[0] = w[3];
        w[1] = w[2];
        w[2] = t1;
        w[3] = t0;
    }
}

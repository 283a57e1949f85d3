// The 41-byte header in front of every bank, preset and auxiliary stream, and the record layout behind it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/ByteReader.h"
#include "common/ByteWriter.h"

constexpr size_t kStreamHeaderSize = 41;
// Byte offsets inside the header.
constexpr size_t kHeaderIdOffset = 0;
constexpr size_t kHeaderFormatOffset = 4;
constexpr size_t kHeaderVersionOffset = 5;
constexpr size_t kHeaderParamCountOffset = 9;
constexpr size_t kHeaderRecordCountOffset = 13;
constexpr size_t kHeaderCurrentProgramOffset = 17;
constexpr size_t kHeaderPayloadSizeOffset = 21;
constexpr size_t kHeaderReservedOffset = 25;

// Format bytes.
constexpr uint8_t kFormatBankStream = '8';
constexpr uint8_t kFormatPresetStream = 0x22;  // the double-quote character
constexpr uint8_t kFormatAuxStream = 0x0C;
constexpr uint8_t kFormatOldBank = '7';
constexpr uint8_t kFormatOldPreset = '!';

constexpr int32_t kStreamVersion = 0x01000000;

// Records: a 12-byte header (type, payload length, program index), then the payload.
constexpr size_t kRecordHeaderSize = 12;
constexpr int32_t kRecordName = 0;
constexpr int32_t kRecordParameter = 1;
constexpr int32_t kRecordAuxParameter = 2;
constexpr int32_t kNamePayloadSize = 156;       // 24 name bytes, then zeros
constexpr int32_t kParameterPayloadSize = 20;   // index, 0, 0, value, 0
constexpr size_t kParameterValueOffset = 12;    // of the value inside a parameter payload

struct StreamHeader
{
    int32_t uniqueID = 0;
    uint8_t format = 0;
    int32_t version = kStreamVersion;
    int32_t paramCount = 16;
    int32_t recordCount = 0;
    int32_t currentProgram = 0;
    int32_t payloadSize = 0;
};

// Reads the 41 header bytes; the ID is read as stored (callers compare it both ways), the nine words from offset 5
// in the reader's byte order. False when fewer than 41 bytes are there.
bool readStreamHeader(ByteReader& reader, StreamHeader& header);
void writeStreamHeader(ByteWriter& writer, const StreamHeader& header);
// Byte-swaps in place the nine 32-bit words from offset 5 to offset 40; the ID and the format byte stay.
void swapStreamHeader(uint8_t* header);

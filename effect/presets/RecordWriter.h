// Writes the records of the bank, preset and auxiliary streams, little-endian.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/ByteWriter.h"
#include "effect/presets/ProgramRecord.h"
#include "effect/presets/StreamHeader.h"

class CPresetSystemEffect;

constexpr int32_t kNameRecordSize = static_cast<int32_t>(kRecordHeaderSize) + kNamePayloadSize;            // 168
constexpr int32_t kParameterRecordSize = static_cast<int32_t>(kRecordHeaderSize) + kParameterPayloadSize;  // 32
static_assert(kNameRecordSize == 168 && kParameterRecordSize == 32, "record sizes are part of the format");

// The number of parameters 0 to 15 that presets carry.
int32_t countPresetParameters(CPresetSystemEffect& effect);

// Name record: the program's 24 name bytes as stored, then zeros.
void writeNameRecord(ByteWriter& writer, int32_t program, const ProgramRecord& record);
// Parameter record (type 1) or auxiliary parameter record (type 2): index, 0, 0, value, 0.
void writeParameterRecord(ByteWriter& writer, int32_t type, int32_t program, int32_t index, float value);

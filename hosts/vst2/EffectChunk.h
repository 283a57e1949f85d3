// The few facts of the effect's chunk this host relies on: a format word and the unique ID, then a bank stream
// whose header names the program the effect selects when the chunk is loaded. The chunk is in the byte order
// of the processor that wrote it, which for a chunk just taken from the effect is ours.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vst2host {

// Format word of a chunk that carries a bank stream.
constexpr int32_t kChunkFormatBankStream = 0x02000000;
constexpr size_t kChunkStreamOffset = 8;
constexpr size_t kStreamHeaderSize = 41;
// Within the stream header: the format byte ('8' for a bank stream) and the current program.
constexpr size_t kStreamFormatOffset = 4;
constexpr uint8_t kBankStreamFormat = '8';
constexpr size_t kStreamCurrentProgramOffset = 17;
constexpr size_t kChunkCurrentProgramOffset = kChunkStreamOffset + kStreamCurrentProgramOffset;

// The current program named by a bank-stream chunk; empty when the bytes are not such a chunk.
std::optional<int32_t> chunkCurrentProgram(const std::vector<uint8_t>& chunk);
// Rewrites the current program of a bank-stream chunk. False with error when it is not one.
bool setChunkCurrentProgram(std::vector<uint8_t>& chunk, int32_t program, std::string& error);

}  // namespace vst2host

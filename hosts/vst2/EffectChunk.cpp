#include "hosts/vst2/EffectChunk.h"

#include <cstring>

namespace vst2host {
namespace {

bool isBankStreamChunk(const std::vector<uint8_t>& chunk)
{
    if (chunk.size() < kChunkStreamOffset + kStreamHeaderSize)
        return false;
    int32_t format = 0;
    std::memcpy(&format, chunk.data(), sizeof format);
    return format == kChunkFormatBankStream && chunk[kChunkStreamOffset + kStreamFormatOffset] == kBankStreamFormat;
}

}  // namespace

std::optional<int32_t> chunkCurrentProgram(const std::vector<uint8_t>& chunk)
{
    if (!isBankStreamChunk(chunk))
        return std::nullopt;
    int32_t program = 0;
    std::memcpy(&program, chunk.data() + kChunkCurrentProgramOffset, sizeof program);
    return program;
}

bool setChunkCurrentProgram(std::vector<uint8_t>& chunk, int32_t program, std::string& error)
{
    if (!isBankStreamChunk(chunk)) {
        error = "the effect's chunk is not a bank stream (" + std::to_string(chunk.size()) + " bytes)";
        return false;
    }
    std::memcpy(chunk.data() + kChunkCurrentProgramOffset, &program, sizeof program);
    return true;
}

}  // namespace vst2host

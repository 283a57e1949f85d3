#include "hosts/common/ProgramChoice.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "common/ByteReader.h"
#include "hosts/vst2/EffectChunk.h"

namespace hostcli {
namespace {

constexpr size_t kTrailerBytes = 8;
constexpr int32_t kNameRecord = 0;
constexpr size_t kNameBytes = 24;
constexpr size_t kRecordHeaderBytes = 12;
// More programs than any bank holds: a record claiming one is not read as a name.
constexpr int32_t kMostPrograms = 4096;

// The effect's chunk inside a chunk-form blob.
std::vector<uint8_t> chunkOf(const std::vector<uint8_t>& blob)
{
    if (blob.size() < kTrailerBytes)
        return {};
    return std::vector<uint8_t>(blob.begin(), blob.end() - kTrailerBytes);
}

}  // namespace

std::vector<std::string> programNames(const std::vector<uint8_t>& blob)
{
    const std::vector<uint8_t> chunk = chunkOf(blob);
    std::vector<std::string> names;
    if (!vst2host::chunkCurrentProgram(chunk))
        return names;
    // Records after the stream header: type, payload size and program, then the payload; a name record's payload
    // starts with the name.
    ByteReader reader(chunk.data(), chunk.size());
    if (!reader.seek(vst2host::kChunkStreamOffset + vst2host::kStreamHeaderSize))
        return names;
    while (reader.remaining() >= kRecordHeaderBytes)
    {
        int32_t type = 0, size = 0, program = 0;
        reader.readInt32(type);
        reader.readInt32(size);
        reader.readInt32(program);
        if (size < 0 || static_cast<size_t>(size) > reader.remaining())
            break;
        const size_t next = reader.position() + static_cast<size_t>(size);
        char name[kNameBytes + 1] = {};
        if (type == kNameRecord && static_cast<size_t>(size) >= kNameBytes && program >= 0 && program < kMostPrograms &&
            reader.readBytes(name, kNameBytes))
        {
            if (names.size() <= static_cast<size_t>(program))
                names.resize(static_cast<size_t>(program) + 1);
            names[static_cast<size_t>(program)] = name;
        }
        reader.seek(next);
    }
    return names;
}

bool chooseProgram(std::vector<uint8_t>& blob, const std::string& nameOrNumber, std::string& error)
{
    const std::vector<std::string> names = programNames(blob);
    if (names.empty())
    {
        error = "the effect's saved state names no programs";
        return false;
    }
    int32_t program = -1;
    const bool number = !nameOrNumber.empty() && nameOrNumber.size() < 6 &&
                        std::all_of(nameOrNumber.begin(), nameOrNumber.end(),
                                    [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
    if (number)
        program = std::stoi(nameOrNumber);
    else
        for (size_t i = 0; i < names.size(); ++i)
            if (names[i] == nameOrNumber)
                program = static_cast<int32_t>(i);
    if (program < 0 || static_cast<size_t>(program) >= names.size())
    {
        error = "the effect has no program " + nameOrNumber;
        return false;
    }
    std::vector<uint8_t> chunk = chunkOf(blob);
    if (!vst2host::setChunkCurrentProgram(chunk, program, error))
        return false;
    std::copy(chunk.begin(), chunk.end(), blob.begin());
    return true;
}

}  // namespace hostcli

#include "common/EffectStateBlob.h"

#include "common/ByteReader.h"
#include "effect/vst2/EffectRecord.h"
#include "effect/vst2/Opcodes.h"

#include <algorithm>
#include <cstring>

namespace stateblob {
namespace {

void appendBigEndian(std::vector<uint8_t>& out, uint32_t v)
{
    const uint8_t b[4] = {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
    out.insert(out.end(), b, b + 4);
}

void appendBigEndianFloat(std::vector<uint8_t>& out, float v)
{
    uint32_t u;
    std::memcpy(&u, &v, 4);
    appendBigEndian(out, u);
}

bool keepsChunk(const EffectStateTarget& target)
{
    return (target.effectFlags() & kFlagProgramChunks) != 0;
}

// A stored count is never negative for us; anything above the effect's own is cut to it.
int32_t limitCount(uint32_t stored, int32_t own)
{
    return static_cast<int32_t>(std::min<uint32_t>(stored, static_cast<uint32_t>(std::max(own, 0))));
}

void writeChunkForm(EffectStateTarget& target, std::vector<uint8_t>& out)
{
    // One request only: an effect may answer another size on a second call, and the bytes copied must be the
    // ones the answer describes.
    void* chunk = nullptr;
    const intptr_t size = target.dispatch(effGetChunk, 0, 0, &chunk, 0.0f);
    if (chunk != nullptr && size > 0)
    {
        const auto* bytes = static_cast<const uint8_t*>(chunk);
        out.insert(out.end(), bytes, bytes + size);
    }
    appendBigEndian(out, kChunkMarker);
    appendBigEndian(out, kChunkMarker);
}

void writeBankForm(EffectStateTarget& target, std::vector<uint8_t>& out)
{
    const int32_t params = std::max(target.parameterCount(), 0);
    const int32_t programs = std::max(target.programCount(), 0);
    const auto current = static_cast<int32_t>(target.dispatch(effGetProgram, 0, 0, nullptr, 0.0f));
    out.reserve((static_cast<size_t>(params) + 16) * static_cast<size_t>(programs) * 4 + 16);

    target.beginBankWork();
    appendBigEndian(out, static_cast<uint32_t>(params));
    appendBigEndian(out, static_cast<uint32_t>(programs));
    for (int32_t k = 0; k < programs; ++k)
    {
        target.dispatch(effSetProgram, 0, k, nullptr, 0.0f);
        // The name request may write up to the field's end; the field is always stored whole and zero-filled.
        char name[kProgramNameField + 1] = {};
        target.dispatch(effGetProgramName, 0, 0, name, 0.0f);
        name[kProgramNameField] = 0;
        out.insert(out.end(), name, name + kProgramNameField);
        for (int32_t j = 0; j < params; ++j)
            appendBigEndianFloat(out, target.getParameter(j));
    }
    target.dispatch(effSetProgram, 0, current, nullptr, 0.0f);
    appendBigEndian(out, kBankMarker);
    appendBigEndian(out, static_cast<uint32_t>(current));
    target.endBankWork();
}

void readBankForm(EffectStateTarget& target, const uint8_t* data, size_t size)
{
    ByteReader reader(data, size, /*swap=*/true);  // the bridges store their own words big-endian
    uint32_t storedParams = 0, storedPrograms = 0;
    if (!reader.readUInt32(storedParams) || !reader.readUInt32(storedPrograms))
        return;
    const int32_t params = limitCount(storedParams, target.parameterCount());
    const int32_t programs = limitCount(storedPrograms, target.programCount());
    // The stored layout's stride, whatever part of it the effect takes.
    const uint64_t stride = kProgramNameField + 4ull * storedParams;

    target.beginBankWork();
    for (int32_t k = 0; k < programs; ++k)
    {
        const uint64_t start = 8 + stride * static_cast<uint64_t>(k);
        if (start > size || !reader.seek(static_cast<size_t>(start)))
            break;
        char name[kProgramNameField + 1] = {};
        if (!reader.readBytes(name, kProgramNameField))
            break;
        name[kProgramNameField] = 0;  // a stored name need not be terminated
        target.dispatch(effSetProgram, 0, k, nullptr, 0.0f);
        target.dispatch(effSetProgramName, 0, 0, name, 0.0f);
        for (int32_t j = 0; j < params; ++j)
        {
            float value = 0.0f;
            if (!reader.readFloat(value))
                break;
            target.setParameter(j, value);
        }
    }
    target.endBankWork();
}

}  // namespace

std::vector<uint8_t> write(EffectStateTarget* target)
{
    std::vector<uint8_t> out;
    if (target == nullptr)
    {
        out.assign(kTrailerSize, 0);
        return out;
    }
    if (keepsChunk(*target))
        writeChunkForm(*target, out);
    else
        writeBankForm(*target, out);
    return out;
}

ReadResult read(EffectStateTarget* target, const uint8_t* data, size_t size)
{
    ReadResult result;
    if (target == nullptr || data == nullptr || size < kMinimumReadSize)
        return result;

    ByteReader trailer(data + size - kTrailerSize, kTrailerSize, /*swap=*/true);
    uint32_t marker = 0, storedProgram = 0;
    trailer.readUInt32(marker);
    trailer.readUInt32(storedProgram);
    if (marker != kChunkMarker && marker != kBankMarker && marker != kOldBankMarker)
        return result;

    if (marker == kChunkMarker && keepsChunk(*target))
    {
        target->dispatch(effSetChunk, 0, static_cast<intptr_t>(size - kTrailerSize), const_cast<uint8_t*>(data),
                         0.0f);
        result.form = ReadForm::Chunk;
        return result;
    }
    readBankForm(*target, data, size);
    result.form = ReadForm::Bank;
    result.currentProgram = static_cast<int32_t>(storedProgram);
    result.currentProgramInRange = result.currentProgram >= 0 && result.currentProgram < target->programCount();
    return result;
}

}  // namespace stateblob

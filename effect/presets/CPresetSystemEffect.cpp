#include "effect/presets/CPresetSystemEffect.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#include "effect/NormalisedValue.h"
#include "effect/editor/CPresetSystemEditor.h"
#include "common/ByteReader.h"
#include "effect/presets/ProgramName.h"
#include "effect/presets/StreamHeader.h"
#include "platform/MutexScope.h"

namespace {
constexpr size_t kChunkPrefixSize = 8;  // format word and unique ID in front of the bank stream

void writeLittleEndian32(uint8_t* out, uint32_t v)
{
    out[0] = uint8_t(v);
    out[1] = uint8_t(v >> 8);
    out[2] = uint8_t(v >> 16);
    out[3] = uint8_t(v >> 24);
}
}  // namespace

CPresetSystemEffect::CPresetSystemEffect(HostCallback hostCallback)
    : AudioEffectX(hostCallback, 1, kProgramParams), processingRate_(sampleRate_)
{
    programsAreChunks(true);
    bankMutex_.reset(new (std::nothrow) platform::Mutex);
    if (bankMutex_ && !bankMutex_->valid())
        bankMutex_.reset();
    rawBankBuffer_.reset(new (std::nothrow) uint8_t[kRawBankSize]());
    chunkBuffer_.reset(new (std::nothrow) uint8_t[kChunkBufferSize]());
    bank_.reset(new (std::nothrow) ProgramRecord[kBankPrograms]());
    currentInternalProgram_ = 0;
    takeTemplate();
}

CPresetSystemEffect::~CPresetSystemEffect() = default;

CPresetSystemEditor* CPresetSystemEffect::presetEditor() { return dynamic_cast<CPresetSystemEditor*>(editor_); }

void CPresetSystemEffect::takeTemplate()
{
    platform::MutexScope lock(bankMutex());
    if (bank_)
        template_ = bank_[0];
}

void CPresetSystemEffect::resetProgramToTemplate(int32_t index)
{
    platform::MutexScope lock(bankMutex());
    if (ProgramRecord* target = program(index))
        *target = template_;
}

// GUI or main thread. Holds the bank lock throughout, so automation from another thread lands before or after the
// change, never between the values it pushes.
void CPresetSystemEffect::setCurrentProgram(int32_t index)
{
    platform::MutexScope lock(bankMutex());
    if (!program(index))
        return;
    loading_ = true;
    currentProgram_ = 0;
    currentInternalProgram_ = index;
    for (int32_t p = 0; p < kProgramParams; ++p)
        setParameter(p, clampNormalised(bank_[index].values[p]));
    if (CPresetSystemEditor* editor = presetEditor())
        editor->refreshFrame();
    updateDisplay();
    beginEdit(0);
    endEdit(0);
    loading_ = false;
}

void CPresetSystemEffect::renameCurrentProgram(const char* name)
{
    platform::MutexScope lock(bankMutex());
    currentProgram_ = 0;
    ProgramRecord* current = program(currentInternalProgram_);
    if (name && current)
        storeProgramName(*current, name);
    if (CPresetSystemEditor* editor = presetEditor())
        editor->refreshFrame();
    updateDisplay();
}

void CPresetSystemEffect::getProgramName(char* name)
{
    platform::MutexScope lock(bankMutex());
    const ProgramRecord* current = program(currentInternalProgram_);
    if (current)
        std::memcpy(name, current->name, kProgramNameSize);
    else
        std::memset(name, 0, kProgramNameSize);
    name[kProgramNameSize] = 0;
}

void CPresetSystemEffect::setProgramName(char* name)
{
    platform::MutexScope lock(bankMutex());
    ProgramRecord* current = program(currentInternalProgram_);
    if (!current)
        return;
    storeProgramName(*current, name);
    if (CPresetSystemEditor* editor = presetEditor())
        editor->showProgramName(current->name);
}

bool CPresetSystemEffect::getProgramNameIndexed(int32_t category, int32_t index, char* text)
{
    platform::MutexScope lock(bankMutex());
    const ProgramRecord* entry = program(index);
    if (!entry)
        return false;
    std::memcpy(text, entry->name, kProgramNameSize);
    text[kProgramNameSize] = 0;
    return true;
}

void CPresetSystemEffect::setParameter(int32_t index, float value)
{
    platform::MutexScope lock(bankMutex());
    if (ProgramRecord* current = program(currentInternalProgram_))
        if (index >= 0 && index < kProgramParams)
            current->values[index] = clampNormalised(value);
}

float CPresetSystemEffect::getParameter(int32_t index)
{
    platform::MutexScope lock(bankMutex());
    const ProgramRecord* current = program(currentInternalProgram_);
    if (!current || index < 0 || index >= kProgramParams)
        return -1.0f;
    return clampNormalised(current->values[index]);
}

void CPresetSystemEffect::resume() { processingRate_ = sampleRate_ * static_cast<float>(oversampling_); }

// GUI or main thread; holds the bank lock. The chunk always holds the whole bank, whatever the host asks for.
int32_t CPresetSystemEffect::getChunk(void** data, bool isPreset)
{
    platform::MutexScope lock(bankMutex());
    if (!chunkBuffer_)
        return 0;
    std::memset(chunkBuffer_.get(), 0, kChunkBufferSize);
    writeLittleEndian32(chunkBuffer_.get(), static_cast<uint32_t>(kChunkFormatStreams));
    writeLittleEndian32(chunkBuffer_.get() + 4, static_cast<uint32_t>(getUniqueID()));
    size_t size = 0;
    CPresetSystemEditor* editor = presetEditor();
    if (editor) {
        std::vector<uint8_t> stream = editor->writeBankStream();
        // A stream that would not fit the chunk buffer is refused rather than cut short.
        if (stream.empty() || stream.size() > kChunkBufferSize - kChunkPrefixSize)
            return 0;
        std::memcpy(chunkBuffer_.get() + kChunkPrefixSize, stream.data(), stream.size());
        size = stream.size() + kChunkPrefixSize;
    }
    *data = chunkBuffer_.get();
    return editor ? static_cast<int32_t>(size) : 0;
}

// GUI or main thread; holds the bank lock. 0 on success, -1 on failure; never reads past byteSize bytes of the
// caller's data, which it leaves untouched.
int32_t CPresetSystemEffect::setChunk(void* data, int32_t byteSize, bool isPreset)
{
    platform::MutexScope lock(bankMutex());
    if (!chunkBuffer_ || !rawBankBuffer_ || !data || byteSize < static_cast<int32_t>(kChunkPrefixSize))
        return -1;
    const auto* bytes = static_cast<const uint8_t*>(data);
    const size_t size = static_cast<size_t>(byteSize);

    ByteReader prefix(bytes, kChunkPrefixSize);
    uint32_t format = 0, id = 0;
    prefix.readUInt32(format);
    prefix.readUInt32(id);
    const uint32_t uniqueID = static_cast<uint32_t>(getUniqueID());
    bool swap = false;
    if (id != uniqueID) {
        if (id != byteSwap32(uniqueID))
            return -1;
        swap = true;
        format = byteSwap32(format);
    }

    if (format == static_cast<uint32_t>(kChunkFormatRawBank))
        return readRawBank(bytes, size, swap);
    if (format != static_cast<uint32_t>(kChunkFormatStreams))
        return -1;

    if (size < kChunkPrefixSize + kStreamHeaderSize)
        return -1;
    // The header is swapped in a copy: the caller's data may be read-only or shared.
    uint8_t headerBytes[kStreamHeaderSize];
    std::memcpy(headerBytes, bytes + kChunkPrefixSize, kStreamHeaderSize);
    if (swap)
        swapStreamHeader(headerBytes);
    ByteReader headerReader(headerBytes, kStreamHeaderSize);
    StreamHeader header;
    readStreamHeader(headerReader, header);

    if (CPresetSystemEditor* editor = presetEditor()) {
        const size_t recordsOffset = kChunkPrefixSize + kStreamHeaderSize;
        if (!editor->readBankStream(bytes + recordsOffset, size - recordsOffset, header, swap))
            return -1;
    }
    return 0;
}

// The older raw form: a 32-byte header of eight words (format, ID, program count, current program, four unused),
// then equal blocks of a 24-byte name and float values. It is read from a copy of at most its first 4256 bytes, and
// only blocks that lie wholly inside the bytes given are read; a count or size that would reach further is refused.
int32_t CPresetSystemEffect::readRawBank(const uint8_t* data, size_t size, bool swap)
{
    const size_t available = std::min(size, kRawBankSize);
    if (!bank_ || available < kRawBankHeaderSize)
        return -1;
    std::memset(rawBankBuffer_.get(), 0, kRawBankSize);
    std::memcpy(rawBankBuffer_.get(), data, available);

    ByteReader header(rawBankBuffer_.get(), kRawBankHeaderSize, swap);
    int32_t words[8];
    for (int32_t& word : words)
        header.readInt32(word);
    const int32_t count = words[2];
    const int32_t current = words[3];
    if (count <= 0)
        return -1;

    const int64_t blockSize = (static_cast<int64_t>(size) - static_cast<int64_t>(kRawBankHeaderSize)) / count;
    const int64_t values = std::min<int64_t>(blockSize / 4 - 6, kProgramParams);
    const int64_t stride = blockSize & ~int64_t(3);
    const int32_t programs = std::min(count, kBankPrograms);
    const int64_t lastBlockEnd = static_cast<int64_t>(kRawBankHeaderSize) + (programs - 1) * stride +
                                 static_cast<int64_t>(kProgramNameSize) + 4 * std::max<int64_t>(values, 0);
    if (lastBlockEnd > static_cast<int64_t>(available))
        return -1;

    // A value out of range refuses the whole load; the programs read before it are put back as they were.
    std::unique_ptr<ProgramRecord[]> backup(new (std::nothrow) ProgramRecord[kBankPrograms]);
    if (!backup)
        return -1;
    std::copy(bank_.get(), bank_.get() + kBankPrograms, backup.get());

    for (int32_t i = 0; i < programs; ++i) {
        const size_t blockOffset = kRawBankHeaderSize + static_cast<size_t>(i * stride);
        ByteReader block(rawBankBuffer_.get() + blockOffset, available - blockOffset, swap);
        char name[kProgramNameSize];
        block.readBytes(name, kProgramNameSize);
        resetProgramToTemplate(i);
        storeProgramName(bank_[i], name);
        for (int32_t j = 0; j < values; ++j) {
            float value = 0.0f;
            block.readFloat(value);
            if (isExcludedOnLoad(j))
                continue;
            if (value < 0.0f || value > 1.0f) {
                std::copy(backup.get(), backup.get() + kBankPrograms, bank_.get());
                return -1;
            }
            bank_[i].values[j] = std::isnan(value) ? 0.0f : value;
        }
    }
    setCurrentProgram(current >= 0 && current < kBankPrograms ? current : 0);
    return 0;
}

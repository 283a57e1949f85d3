// A small preset-system effect and a recording editor for the stream tests, and helpers that take streams apart
// byte by byte without going through the code under test.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "effect/editor/CPresetSystemEditor.h"
#include "common/ByteReader.h"
#include "effect/presets/CPresetSystemEffect.h"
#include "effect/presets/ProgramRecord.h"
#include "effect/presets/StreamHeader.h"
#include "tests/support/ForeignByteOrder.h"

namespace streamtest {

using testsupport::swapWordAt;

// The same stream as a processor of the other byte order writes it; the ID stays as the callers compare it.
inline std::vector<uint8_t> swappedStream(const std::vector<uint8_t>& native)
{
    return testsupport::foreignStream(native, false);
}

constexpr int32_t kUniqueID = fourCharCode('Q', 'K', 'v', 'p');

inline bool isExcluded(int32_t index) { return index == 3 || index == 7 || index > 13; }

// The compressor's exclusions, a bank whose names and values tell program and seed apart, and a record of what the
// readers ask of the effect. Like the compressor, it does not write values back into the program while one loads.
class StreamTestEffect : public CPresetSystemEffect
{
public:
    explicit StreamTestEffect(float seed = 0.0f) : CPresetSystemEffect(nullptr)
    {
        setUniqueID(kUniqueID);
        ProgramRecord* records = bank();
        if (!records)
            return;
        for (int32_t p = 0; p < kBankPrograms; ++p) {
            ProgramRecord& record = records[p];
            std::memset(record.name, 0, sizeof record.name);
            std::snprintf(record.name, sizeof record.name, "S%.2f Prog %02d", static_cast<double>(seed), p);
            for (int32_t i = 0; i < kProgramParams; ++i)
                record.values[i] = valueFor(seed, p, i);
        }
        takeTemplate();
        for (int32_t i = 0; i < kProgramParams; ++i)
            aux[i] = 0.03f * static_cast<float>(i + 1);
    }

    // Distinct for every seed, program and index, and inside 0..1 for seeds up to 0.5.
    static float valueFor(float seed, int32_t program, int32_t index)
    {
        return seed + static_cast<float>(program * kProgramParams + index + 1) / 2048.0f;
    }

    bool isExcludedFromPreset(int32_t index) override { return isExcluded(index); }
    bool isExcludedOnLoad(int32_t index) override { return isExcluded(index); }

    void setParameter(int32_t index, float value) override
    {
        if (!isLoading())
            parameterCalls.emplace_back(index, value);
        if (index >= 16 && index < 32)
            aux[index - 16] = value;
        else if (!isLoading())
            CPresetSystemEffect::setParameter(index, value);
    }
    float getParameter(int32_t index) override
    {
        return index >= 16 && index < 32 ? aux[index - 16] : CPresetSystemEffect::getParameter(index);
    }
    void setCurrentProgram(int32_t index) override
    {
        selected.push_back(index);
        CPresetSystemEffect::setCurrentProgram(index);
    }
    void renameCurrentProgram(const char* name) override
    {
        renamed.emplace_back(name ? name : "(null)");
        CPresetSystemEffect::renameCurrentProgram(name);
    }

    // Calls outside a program load: the auxiliary readers' only way in.
    std::vector<std::pair<int32_t, float>> parameterCalls;
    std::vector<int32_t> selected;
    std::vector<std::string> renamed;
    float aux[16];
};

// Records what the readers show on the preset strip.
class RecordingEditor : public CPresetSystemEditor
{
public:
    explicit RecordingEditor(CPresetSystemEffect* effect) : CPresetSystemEditor(effect) {}

    void programMenuSelect(int32_t index) override
    {
        calls.push_back("select " + std::to_string(index));
        menuSelected = index;
    }
    void programMenuRename(int32_t index, const char* name) override
    {
        calls.push_back("rename " + std::to_string(index) + " " + name);
        menuNames[index] = name;
    }
    void showProgramName(const char* name) override
    {
        calls.push_back(std::string("show ") + name);
        shownName = name;
    }
    void refreshFrame() override { ++refreshes; }

    std::vector<std::string> calls;
    std::map<int32_t, std::string> menuNames;
    int32_t menuSelected = -1;
    std::string shownName;
    int32_t refreshes = 0;
};

// An effect and its editor; the effect owns and deletes the editor.
struct Rig
{
    explicit Rig(float seed = 0.0f) : effect(new StreamTestEffect(seed)), editor(new RecordingEditor(effect.get())) {}

    std::vector<uint8_t> bankBytes() const
    {
        const auto* bytes = reinterpret_cast<const uint8_t*>(effect->bank());
        return std::vector<uint8_t>(bytes, bytes + sizeof(ProgramRecord) * kBankPrograms);
    }
    // Nothing at all happened: bank, selection, strip and parameters are as before.
    bool untouchedSince(const std::vector<uint8_t>& bank) const
    {
        return bankBytes() == bank && effect->selected.empty() && effect->renamed.empty() &&
               effect->parameterCalls.empty() && editor->calls.empty();
    }
    void forget()
    {
        effect->selected.clear();
        effect->renamed.clear();
        effect->parameterCalls.clear();
        editor->calls.clear();
        editor->menuNames.clear();
    }

    std::unique_ptr<StreamTestEffect> effect;
    RecordingEditor* editor;
};

// A program's name, never more than its 24 bytes.
inline std::string nameOf(const ProgramRecord& record)
{
    size_t length = 0;
    while (length < kProgramNameSize && record.name[length])
        ++length;
    return std::string(record.name, length);
}

// Little-endian fields of a written stream, read by hand.
inline uint32_t le32(const std::vector<uint8_t>& bytes, size_t offset)
{
    return uint32_t(bytes.at(offset)) | uint32_t(bytes.at(offset + 1)) << 8 | uint32_t(bytes.at(offset + 2)) << 16 |
           uint32_t(bytes.at(offset + 3)) << 24;
}
inline int32_t leInt(const std::vector<uint8_t>& bytes, size_t offset)
{
    return static_cast<int32_t>(le32(bytes, offset));
}
inline float leFloat(const std::vector<uint8_t>& bytes, size_t offset)
{
    const uint32_t u = le32(bytes, offset);
    float f;
    std::memcpy(&f, &u, 4);
    return f;
}
inline void putLe32(std::vector<uint8_t>& bytes, size_t offset, uint32_t v)
{
    for (int k = 0; k < 4; ++k)
        bytes.at(offset + k) = uint8_t(v >> (8 * k));
}
inline void putLeFloat(std::vector<uint8_t>& bytes, size_t offset, float f)
{
    uint32_t u;
    std::memcpy(&u, &f, 4);
    putLe32(bytes, offset, u);
}
// Header fields at their offsets, read by hand from a native stream.
constexpr size_t kRecordsStart = 41;
constexpr size_t kRecordCountAt = 13;
constexpr size_t kCurrentProgramAt = 17;
constexpr size_t kPayloadSizeAt = 21;

// Offsets of the records of a native stream, found by walking their lengths by hand.
inline std::vector<size_t> recordOffsets(const std::vector<uint8_t>& stream)
{
    std::vector<size_t> offsets;
    size_t offset = kRecordsStart;
    for (int32_t i = 0; i < leInt(stream, kRecordCountAt); ++i) {
        offsets.push_back(offset);
        offset += 12 + static_cast<size_t>(leInt(stream, offset + 4));
    }
    return offsets;
}

// The header as the file and chunk readers hand it over: swapped back to the processor's order when needed.
inline StreamHeader headerOf(const std::vector<uint8_t>& stream, bool swapped = false)
{
    uint8_t bytes[kStreamHeaderSize];
    std::memcpy(bytes, stream.data(), kStreamHeaderSize);
    if (swapped)
        swapStreamHeader(bytes);
    ByteReader reader(bytes, kStreamHeaderSize);
    StreamHeader header;
    readStreamHeader(reader, header);
    return header;
}

enum class Stream { Bank, Preset, Aux };

// Reads a whole stream (header and records) through the matching reader.
inline bool readStream(CPresetSystemEditor& editor, Stream kind, const std::vector<uint8_t>& stream,
                       bool swapped = false)
{
    const StreamHeader header = headerOf(stream, swapped);
    const uint8_t* records = stream.data() + kRecordsStart;
    const size_t available = stream.size() - kRecordsStart;
    switch (kind) {
    case Stream::Bank:
        return editor.readBankStream(records, available, header, swapped);
    case Stream::Preset:
        return editor.readPresetStream(records, available, header, swapped);
    case Stream::Aux:
        return editor.readAuxStream(records, available, header, swapped);
    }
    return false;
}

// Hand-made records for streams no writer produces: misordered, short, with unknown types.
class RecordBuilder
{
public:
    RecordBuilder& raw(int32_t type, int32_t length, int32_t program, const std::vector<uint8_t>& payload)
    {
        put(uint32_t(type));
        put(uint32_t(length));
        put(uint32_t(program));
        bytes_.insert(bytes_.end(), payload.begin(), payload.end());
        ++count_;
        return *this;
    }
    // A name record; a length below 156 cuts its payload to that many bytes.
    RecordBuilder& name(int32_t program, const char* text, int32_t length = 156)
    {
        std::vector<uint8_t> payload(156, 0);
        std::memcpy(payload.data(), text, std::min<size_t>(std::strlen(text), 24));
        payload.resize(size_t(length));
        return raw(0, length, program, payload);
    }
    // A parameter record (type 1) or an auxiliary one (type 2); a length below 20 cuts its payload.
    RecordBuilder& parameter(int32_t program, int32_t index, float value, int32_t type = 1, int32_t length = 20)
    {
        std::vector<uint8_t> payload(20, 0);
        putLe32(payload, 0, uint32_t(index));
        putLeFloat(payload, 12, value);
        payload.resize(size_t(length));
        return raw(type, length, program, payload);
    }
    // Header and records as one stream.
    std::vector<uint8_t> stream(uint8_t format, int32_t currentProgram = 0) const
    {
        std::vector<uint8_t> out(kRecordsStart, 0);
        putLe32(out, 0, uint32_t(kUniqueID));
        out[4] = format;
        putLe32(out, 5, 0x01000000u);
        putLe32(out, 9, 16);
        putLe32(out, kRecordCountAt, uint32_t(count_));
        putLe32(out, kCurrentProgramAt, uint32_t(currentProgram));
        putLe32(out, kPayloadSizeAt, uint32_t(bytes_.size()));
        out.insert(out.end(), bytes_.begin(), bytes_.end());
        return out;
    }

private:
    void put(uint32_t v)
    {
        for (int k = 0; k < 4; ++k)
            bytes_.push_back(uint8_t(v >> (8 * k)));
    }
    std::vector<uint8_t> bytes_;
    int32_t count_ = 0;
};

}  // namespace streamtest

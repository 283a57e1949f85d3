// A program name comes in by many roads: the older raw chunk, the chunk's bank stream, bank and preset files in
// both byte orders, the older file layouts, stored defaults and memories, and renames by the host and the editor.
// Each keeps at most 23 characters and a terminator, the same 23 whichever road, and the state it leaves comes back
// byte for byte when it is saved, loaded into a fresh instance and saved again.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CompressorInstance.h"
#include "common/ByteReader.h"
#include "effect/presets/StreamDispatch.h"
#include "effect/presets/StreamHeader.h"
#include "tests/support/ForeignByteOrder.h"

using namespace storetest;

namespace {

// 24 characters and no room for a terminator in a 24-byte field.
const char kLongName[] = "Twenty-Four Characters!D";
const std::string kKept = "Twenty-Four Characters!";
constexpr int32_t kUniqueID = fourCharCode('Q', 'K', 'v', 'p');
constexpr int32_t kNamedProgram = 3;  // the program each road renames
constexpr size_t kNameRecordSize = 168;
constexpr size_t kParameterRecordSize = 32;
constexpr size_t kRecordsStart = 41;

enum class Saved { Chunk, BankStream, PresetStream };

void appendWord(std::vector<uint8_t>& bytes, uint32_t word, bool swapped)
{
    if (swapped)
        word = byteSwap32(word);
    for (int k = 0; k < 4; ++k)
        bytes.push_back(uint8_t(word >> (8 * k)));
}

void appendFloat(std::vector<uint8_t>& bytes, float value, bool swapped)
{
    uint32_t word;
    std::memcpy(&word, &value, 4);
    appendWord(bytes, word, swapped);
}

// A block of the older layouts: the 24 name bytes as given, then 16 values in 0..1.
void appendBlock(std::vector<uint8_t>& bytes, int32_t program, bool swapped)
{
    char name[kProgramNameSize] = {};
    if (program == kNamedProgram)
        std::memcpy(name, kLongName, kProgramNameSize);
    else
        std::snprintf(name, sizeof name, "Old %d", program);
    bytes.insert(bytes.end(), name, name + kProgramNameSize);
    for (int32_t i = 0; i < kProgramParams; ++i)
        appendFloat(bytes, static_cast<float>((program * 7 + i) % 16) / 16.0f, swapped);
}

// The older raw chunk: format 0x01000000, the ID, 48 programs, current program 3, four unused words, 48 blocks.
std::vector<uint8_t> rawChunk(bool swapped)
{
    std::vector<uint8_t> bytes;
    for (uint32_t word : {0x01000000u, uint32_t(kUniqueID), 48u, uint32_t(kNamedProgram), 0u, 0u, 0u, 0u})
        appendWord(bytes, word, swapped);
    for (int32_t p = 0; p < kBankPrograms; ++p)
        appendBlock(bytes, p, swapped);
    return bytes;
}

// ID and '7', then 48 blocks; or ID and '!', then one block (named as program 3).
std::vector<uint8_t> oldLayout(uint8_t format, bool swapped)
{
    std::vector<uint8_t> bytes;
    appendWord(bytes, uint32_t(kUniqueID), swapped);
    bytes.push_back(format);
    if (format == kFormatOldBank)
        for (int32_t p = 0; p < kBankPrograms; ++p)
            appendBlock(bytes, p, swapped);
    else
        appendBlock(bytes, kNamedProgram, swapped);
    return bytes;
}

// A stream this system wrote, with program 3's name (the preset's only name) overwritten by all 24 bytes; swapped
// as a processor of the other byte order writes it.
std::vector<uint8_t> streamWithLongName(CompressorInstance& source, Saved kind, bool swapped)
{
    std::vector<uint8_t> stream;
    size_t nameAt = kRecordsStart + 12;
    if (kind == Saved::BankStream) {
        stream = source.editor().writeBankStream();
        nameAt += kNamedProgram * (kNameRecordSize + 12 * kParameterRecordSize);
    } else {
        stream = source.editor().writePresetStream();
    }
    std::memcpy(stream.data() + nameAt, kLongName, kProgramNameSize);
    return swapped ? testsupport::foreignStream(stream, true) : stream;
}

// The chunk form: format word and ID, then the bank stream; swapped whole for the other byte order.
std::vector<uint8_t> streamChunk(CompressorInstance& source, bool swapped)
{
    std::vector<uint8_t> chunk;
    appendWord(chunk, 0x02000000u, false);
    appendWord(chunk, uint32_t(kUniqueID), false);
    const std::vector<uint8_t> stream = streamWithLongName(source, Saved::BankStream, false);
    chunk.insert(chunk.end(), stream.begin(), stream.end());
    if (swapped) {
        testsupport::swapWordAt(chunk, 0);
        testsupport::swapWordAt(chunk, 4);
        testsupport::swapStream(chunk, 8, false);
    }
    return chunk;
}

int32_t setChunk(CompressorInstance& instance, std::vector<uint8_t> bytes)
{
    return instance.effect().setChunk(bytes.data(), static_cast<int32_t>(bytes.size()), false);
}

bool readStored(CompressorInstance& instance, const std::vector<uint8_t>& bytes, StoredKind kind)
{
    return readStoredStream(instance.editor(), bytes.data(), bytes.size(), kind, false);
}

std::vector<uint8_t> save(CompressorInstance& instance, Saved form)
{
    if (form == Saved::BankStream)
        return instance.editor().writeBankStream();
    if (form == Saved::PresetStream)
        return instance.editor().writePresetStream();
    void* data = nullptr;
    const int32_t size = instance.effect().getChunk(&data, false);
    const auto* bytes = static_cast<const uint8_t*>(data);
    return size > 0 ? std::vector<uint8_t>(bytes, bytes + size) : std::vector<uint8_t>();
}

bool load(CompressorInstance& instance, Saved form, const std::vector<uint8_t>& bytes)
{
    switch (form) {
    case Saved::Chunk: return setChunk(instance, bytes) == 0;
    case Saved::BankStream: return readStored(instance, bytes, StoredKind::Bank);
    case Saved::PresetStream: return readStored(instance, bytes, StoredKind::Preset);
    }
    return false;
}

std::vector<float> parameters(CompressorInstance& instance)
{
    std::vector<float> values;
    for (int32_t i = 0; i < kProgramParams; ++i)
        values.push_back(instance.effect().getParameter(i));
    return values;
}

// Saves `source` as `form`, loads that into a fresh instance, saves again: the same bytes and the same state.
void expectRoundTrip(CompressorInstance& source, Saved form)
{
    SCOPED_TRACE(form == Saved::Chunk ? "saved as the chunk" : form == Saved::BankStream ? "saved as a bank stream"
                                                                                          : "saved as a preset stream");
    const std::vector<uint8_t> first = save(source, form);
    ASSERT_FALSE(first.empty());
    CompressorInstance fresh;
    // A preset goes into the current program: the fresh instance has the same one selected, as a user would.
    if (form == Saved::PresetStream)
        fresh.effect().setCurrentProgram(source.effect().getCurrentProgramIndex());
    ASSERT_TRUE(load(fresh, form, first));
    EXPECT_EQ(save(fresh, form), first);
    EXPECT_EQ(fresh.bankBytes(), source.bankBytes());
    EXPECT_EQ(fresh.effect().getCurrentProgramIndex(), source.effect().getCurrentProgramIndex());
    EXPECT_EQ(parameters(fresh), parameters(source));
}

struct Road
{
    const char* label;
    // Brings the long name into program 3 (selected first where the road renames the current program); true when
    // the road took it.
    std::function<bool(CompressorInstance&)> bringIn;
    Saved savedAs;  // the form the road's own save writes
};

class ProgramNameRoadsTest : public StoreTest
{
};

TEST_F(ProgramNameRoadsTest, EveryRoadKeepsTheSame23CharactersAndTheStateComesBack)
{
    auto selectNamed = [](CompressorInstance& instance) { instance.effect().setCurrentProgram(kNamedProgram); };
    const Road roads[] = {
        {"older raw chunk", [](CompressorInstance& c) { return setChunk(c, rawChunk(false)) == 0; }, Saved::Chunk},
        {"older raw chunk, other byte order", [](CompressorInstance& c) { return setChunk(c, rawChunk(true)) == 0; },
         Saved::Chunk},
        {"chunk", [](CompressorInstance& c) { return setChunk(c, streamChunk(c, false)) == 0; }, Saved::Chunk},
        {"chunk, other byte order", [](CompressorInstance& c) { return setChunk(c, streamChunk(c, true)) == 0; },
         Saved::Chunk},
        {"bank file",
         [](CompressorInstance& c) {
             return readStored(c, streamWithLongName(c, Saved::BankStream, false), StoredKind::Bank);
         },
         Saved::BankStream},
        {"bank file, other byte order",
         [](CompressorInstance& c) {
             return readStored(c, streamWithLongName(c, Saved::BankStream, true), StoredKind::Bank);
         },
         Saved::BankStream},
        {"preset file",
         [&](CompressorInstance& c) {
             selectNamed(c);
             return readStored(c, streamWithLongName(c, Saved::PresetStream, false), StoredKind::Preset);
         },
         Saved::PresetStream},
        {"preset file, other byte order",
         [&](CompressorInstance& c) {
             selectNamed(c);
             return readStored(c, streamWithLongName(c, Saved::PresetStream, true), StoredKind::Preset);
         },
         Saved::PresetStream},
        {"older bank file",
         [](CompressorInstance& c) { return readStored(c, oldLayout(kFormatOldBank, false), StoredKind::Bank); },
         Saved::BankStream},
        {"older bank file, other byte order",
         [](CompressorInstance& c) { return readStored(c, oldLayout(kFormatOldBank, true), StoredKind::Bank); },
         Saved::BankStream},
        {"older preset file",
         [&](CompressorInstance& c) {
             selectNamed(c);
             return readStored(c, oldLayout(kFormatOldPreset, false), StoredKind::Preset);
         },
         Saved::PresetStream},
        {"stored default bank",
         [](CompressorInstance& c) {
             storeValue(presetregistry::kDefaultBank, streamWithLongName(c, Saved::BankStream, false));
             c.editor().loadDefaultBank();
             return true;
         },
         Saved::BankStream},
        {"memory A, other byte order",
         [&](CompressorInstance& c) {
             selectNamed(c);
             storeValue(presetregistry::kMemoA, streamWithLongName(c, Saved::PresetStream, true));
             c.editor().recallMemoA();
             return true;
         },
         Saved::PresetStream},
        {"rename by the host",
         [&](CompressorInstance& c) {
             selectNamed(c);
             char text[] = "Twenty-Four Characters!D and more";
             c.effect().setProgramName(text);
             return true;
         },
         Saved::Chunk},
        {"rename in the editor",
         [&](CompressorInstance& c) {
             selectNamed(c);
             c.effect().renameCurrentProgram(kLongName);
             return true;
         },
         Saved::Chunk},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.label);
        removePresetKey();
        std::unique_ptr<CompressorInstance> instance(new CompressorInstance);
        ASSERT_TRUE(road.bringIn(*instance));
        // A fresh instance must not pick the road's stored value up as its default.
        removePresetKey();

        EXPECT_EQ(instance->name(kNamedProgram), kKept);
        char indexed[kProgramNameSize + 1];
        ASSERT_TRUE(instance->effect().getProgramNameIndexed(0, kNamedProgram, indexed));
        EXPECT_EQ(std::string(indexed), kKept);
        const ProgramRecord& named = instance->program(kNamedProgram);
        EXPECT_EQ(named.name[kProgramNameSize - 1], '\0');

        expectRoundTrip(*instance, road.savedAs);
        if (road.savedAs != Saved::Chunk)
            expectRoundTrip(*instance, Saved::Chunk);
    }
}

// The issue's own sequence: the older raw chunk read, saved, read by a fresh instance and saved again gives the
// same chunk, and the name the host reads (opcode 5) is 23 characters from the start.
TEST_F(ProgramNameRoadsTest, OlderRawChunkSavesTheNameTheHostWasShown)
{
    CompressorInstance first;
    ASSERT_EQ(setChunk(first, rawChunk(false)), 0);
    char shown[kProgramNameSize + 1];
    first.effect().getProgramName(shown);
    EXPECT_EQ(std::string(shown), kKept);

    const std::vector<uint8_t> saved = save(first, Saved::Chunk);
    CompressorInstance second;
    ASSERT_EQ(setChunk(second, saved), 0);
    const std::vector<uint8_t> again = save(second, Saved::Chunk);
    ASSERT_EQ(again.size(), saved.size());
    EXPECT_EQ(again, saved);
    second.effect().getProgramName(shown);
    EXPECT_EQ(std::string(shown), kKept);
}

// Bytes after a terminator are not part of the name: every road leaves the field NUL-padded, so the same name is
// always saved as the same bytes.
TEST_F(ProgramNameRoadsTest, BytesAfterTheTerminatorAreNotKept)
{
    CompressorInstance instance;
    std::vector<uint8_t> stream = instance.editor().writeBankStream();
    const char padded[kProgramNameSize] = {'S', 'h', 'o', 'r', 't', '\0', 'x', 'y', 'z'};
    std::memcpy(stream.data() + kRecordsStart + 12, padded, sizeof padded);
    ASSERT_TRUE(readStored(instance, stream, StoredKind::Bank));
    const ProgramRecord& program = instance.program(0);
    EXPECT_EQ(instance.name(0), "Short");
    for (size_t i = 5; i < kProgramNameSize; ++i)
        EXPECT_EQ(program.name[i], '\0') << "byte " << i;
}

}  // namespace

// Writes the seed corpus of every fuzz target (valid streams, files and values, kept small) into the folder given:
//   build/fuzz/fuzz/qor_fuzz_corpus fuzz/corpus
// The seeds are committed; run this again only when a layout changes.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/ForeignByteOrder.h"
#include "effect/presets/RegistryNames.h"
#include "effect/presets/StreamDispatch.h"
#include "effect/presets/StreamHeader.h"
#include "fuzz/FuzzSupport.h"
#include "platform/posix/ValueFile.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr size_t kProgramRecords = 168 + 12 * 32;  // a name record and 12 parameter records
constexpr int kSmallBankPrograms = 3;

using testsupport::swapWordAt;

// A stream (ID included) as a big-endian machine writes it.
Bytes bigEndian(const Bytes& stream)
{
    return testsupport::foreignStream(stream, true);
}

void put32(Bytes& bytes, size_t at, uint32_t v)
{
    for (int k = 0; k < 4; ++k)
        bytes.at(at + k) = uint8_t(v >> (8 * k));
}

uint32_t get32(const Bytes& bytes, size_t at)
{
    return uint32_t(bytes.at(at)) | uint32_t(bytes.at(at + 1)) << 8 | uint32_t(bytes.at(at + 2)) << 16 |
           uint32_t(bytes.at(at + 3)) << 24;
}

void append32(Bytes& bytes, uint32_t v, bool swapped = false)
{
    if (swapped)
        v = byteSwap32(v);
    for (int k = 0; k < 4; ++k)
        bytes.push_back(uint8_t(v >> (8 * k)));
}

void appendFloat(Bytes& bytes, float f, bool swapped = false)
{
    uint32_t u;
    std::memcpy(&u, &f, 4);
    append32(bytes, u, swapped);
}

void appendName(Bytes& bytes, const char* name)
{
    char field[24] = {};
    std::strncpy(field, name, 23);
    bytes.insert(bytes.end(), field, field + 24);
}

// The first programs of a bank stream, with the header's counts to match: small, and still a stream the reader takes.
Bytes smallBank(const Bytes& bank)
{
    Bytes out(bank.begin(), bank.begin() + long(kStreamHeaderSize + kSmallBankPrograms * kProgramRecords));
    put32(out, kHeaderRecordCountOffset, kSmallBankPrograms * 13);
    put32(out, kHeaderPayloadSizeOffset, uint32_t(kSmallBankPrograms * kProgramRecords));
    return out;
}

Bytes oldPreset(int32_t id, int values, bool swapped = false)
{
    Bytes out;
    append32(out, uint32_t(id), swapped);
    out.push_back(kFormatOldPreset);
    appendName(out, "Old preset");
    for (int i = 0; i < values; ++i)
        appendFloat(out, 0.25f + float(i) / 40.0f, swapped);
    return out;
}

// The blocks of the older bank layout, without a lead.
Bytes oldBankBlocks(int values)
{
    Bytes out;
    for (int p = 0; p < 48; ++p) {
        appendName(out, ("Old " + std::to_string(p)).c_str());
        for (int i = 0; i < values; ++i)
            appendFloat(out, float(p + i) / 64.0f);
    }
    return out;
}

Bytes withPrefix(Bytes prefix, const Bytes& rest)
{
    prefix.insert(prefix.end(), rest.begin(), rest.end());
    return prefix;
}

// A seed the reader refuses teaches the fuzzer little: every stream seed must load.
void requireLoads(bool loaded, const char* what)
{
    if (!loaded) {
        std::fprintf(stderr, "seed %s is refused by its reader\n", what);
        std::exit(1);
    }
}

void write(const std::filesystem::path& folder, const char* target, const char* name, const Bytes& bytes)
{
    std::filesystem::create_directories(folder / target);
    std::ofstream out(folder / target / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    std::printf("%s/%s: %zu bytes\n", target, name, bytes.size());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    fuzzing::FuzzEffect& fuzz = fuzzing::FuzzEffect::instance();
    QorFETcomp& effect = fuzz.effect();
    CPresetSystemEditor& editor = fuzz.editor();
    const int32_t id = effect.getUniqueID();

    effect.setCurrentProgram(2);
    effect.setParameter(8, 0.3f);
    const Bytes bank = editor.writeBankStream();
    const Bytes preset = editor.writePresetStream();
    const Bytes aux = editor.writeAuxStream();
    const Bytes small = smallBank(bank);

    void* chunkData = nullptr;
    const int32_t chunkSize = effect.getChunk(&chunkData, false);
    const Bytes chunk(static_cast<uint8_t*>(chunkData), static_cast<uint8_t*>(chunkData) + chunkSize);
    write(folder, "set_chunk", "streams", chunk);
    Bytes smallChunk(chunk.begin(), chunk.begin() + 8);
    smallChunk.insert(smallChunk.end(), small.begin(), small.end());
    write(folder, "set_chunk", "streams_small", smallChunk);
    Bytes swappedChunk = Bytes(chunk.begin(), chunk.begin() + 8);
    swapWordAt(swappedChunk, 0);
    swapWordAt(swappedChunk, 4);
    const Bytes swappedSmall = bigEndian(small);
    swappedChunk.insert(swappedChunk.end(), swappedSmall.begin(), swappedSmall.end());
    write(folder, "set_chunk", "streams_big_endian", swappedChunk);
    Bytes raw;
    append32(raw, uint32_t(kChunkFormatRawBank));
    append32(raw, uint32_t(id));
    append32(raw, 48);
    append32(raw, 3);
    raw.resize(kRawBankHeaderSize, 0);
    const Bytes blocks = oldBankBlocks(16);
    raw.insert(raw.end(), blocks.begin(), blocks.end());
    write(folder, "set_chunk", "raw_bank", raw);

    write(folder, "bank_stream", "bank_small", small);
    write(folder, "preset_stream", "preset", preset);
    // The format byte's lowest bit marks a swapped stream for these targets.
    Bytes swappedPreset = bigEndian(preset);
    swapWordAt(swappedPreset, 0);
    swappedPreset[kHeaderFormatOffset] |= 1;
    write(folder, "preset_stream", "preset_big_endian", swappedPreset);
    write(folder, "aux_stream", "aux", aux);

    write(folder, "old_bank", "values_16", withPrefix({48, 16, 0}, oldBankBlocks(16)));
    write(folder, "old_bank", "values_5", withPrefix({48, 5, 0}, oldBankBlocks(5)));
    const Bytes oldPresetFile = oldPreset(id, 16);
    const Bytes oldPresetLayout(oldPresetFile.begin() + 5, oldPresetFile.end());
    write(folder, "old_preset", "values_16", withPrefix({16, 0}, oldPresetLayout));

    write(folder, "file_load", "preset.qor", preset);
    write(folder, "file_load", "bank_small.qrb", small);
    write(folder, "file_load", "preset_big_endian.qor", bigEndian(preset));
    write(folder, "file_load", "old_preset.qor", oldPresetFile);
    Bytes oldBankFile;
    append32(oldBankFile, uint32_t(id));
    oldBankFile.push_back(kFormatOldBank);
    const Bytes oldBlocks = oldBankBlocks(4);
    oldBankFile.insert(oldBankFile.end(), oldBlocks.begin(), oldBlocks.end());
    write(folder, "file_load", "old_bank.qrb", oldBankFile);

    write(folder, "registry_value", "default_preset", preset);
    write(folder, "registry_value", "old_preset_big_endian", oldPreset(id, 12, true));
    platform::StoredValues values;
    values[presetregistry::kDefaultBank] = {platform::ValueType::Binary, small};
    values[presetregistry::kMemoA] = {platform::ValueType::Binary, preset};
    const std::string directory = "/home/user/presets/";
    values[presetregistry::kCurrentDirectory] = {platform::ValueType::Text, Bytes(directory.begin(), directory.end())};
    write(folder, "registry_value", "value_file", platform::encodeValueFile(values));

    const struct
    {
        const char* what;
        Bytes bytes;
        StoredKind kind;
    } stored[] = {
        {"bank_small", small, StoredKind::Bank},
        {"preset", preset, StoredKind::Preset},
        {"preset_big_endian", bigEndian(preset), StoredKind::Preset},
        {"old_preset", oldPresetFile, StoredKind::Preset},
        {"old_preset_big_endian", oldPreset(id, 12, true), StoredKind::Preset},
        {"old_bank", oldBankFile, StoredKind::Bank},
    };
    for (const auto& seed : stored) {
        fuzz.reset();
        requireLoads(readStoredStream(editor, seed.bytes.data(), seed.bytes.size(), seed.kind, false), seed.what);
    }
    for (Bytes seed : {chunk, smallChunk, swappedChunk, raw}) {
        fuzz.reset();
        requireLoads(effect.setChunk(seed.data(), static_cast<int32_t>(seed.size()), false) == 0, "chunk");
    }
    return 0;
}

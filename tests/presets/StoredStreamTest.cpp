// The one road of stored streams (files and registry values): the ID in either byte order, the format byte of the
// kind asked for, and the older layouts with their value counts derived from the size.
#include <gtest/gtest.h>

#include <cstring>

#include "StreamTestSupport.h"
#include "effect/presets/StreamDispatch.h"

using namespace streamtest;

namespace {

std::vector<uint8_t> lead(uint8_t format, bool swapped = false)
{
    std::vector<uint8_t> bytes(5, 0);
    putLe32(bytes, 0, swapped ? byteSwap32(uint32_t(kUniqueID)) : uint32_t(kUniqueID));
    bytes[4] = format;
    return bytes;
}

void appendFloat(std::vector<uint8_t>& bytes, float value, bool swapped)
{
    uint32_t u;
    std::memcpy(&u, &value, 4);
    if (swapped)
        u = byteSwap32(u);
    for (int k = 0; k < 4; ++k)
        bytes.push_back(uint8_t(u >> (8 * k)));
}

void appendName(std::vector<uint8_t>& bytes, const char* name)
{
    char field[kProgramNameSize] = {};
    std::strncpy(field, name, kProgramNameSize - 1);
    bytes.insert(bytes.end(), field, field + kProgramNameSize);
}

// The older preset layout: lead, name and `values` floats of 0.5 + i / 64, then `extra` stray bytes.
std::vector<uint8_t> oldPreset(int values, size_t extra = 0, bool swapped = false)
{
    std::vector<uint8_t> bytes = lead(kFormatOldPreset, swapped);
    appendName(bytes, "Old preset");
    for (int i = 0; i < values; ++i)
        appendFloat(bytes, 0.5f + float(i) / 64.0f, swapped);
    bytes.insert(bytes.end(), extra, 0x5A);
    return bytes;
}

// The older bank layout: 48 blocks of a name and `values` floats of (p + i / 16) / 48.
std::vector<uint8_t> oldBank(int values, size_t extra = 0, bool swapped = false)
{
    std::vector<uint8_t> bytes = lead(kFormatOldBank, swapped);
    for (int p = 0; p < kBankPrograms; ++p) {
        appendName(bytes, ("Old bank " + std::to_string(p)).c_str());
        for (int i = 0; i < values; ++i)
            appendFloat(bytes, (float(p) + float(i) / 16.0f) / 48.0f, swapped);
    }
    bytes.insert(bytes.end(), extra, 0x5A);
    return bytes;
}

bool readStored(Rig& rig, const std::vector<uint8_t>& bytes, StoredKind kind, bool reversed = false)
{
    // An exact-size copy, so the address sanitizer sees any read past the end.
    std::unique_ptr<uint8_t[]> copy(new uint8_t[bytes.size() + 1]);
    if (!bytes.empty())
        std::memcpy(copy.get(), bytes.data(), bytes.size());
    return readStoredStream(*rig.editor, bytes.empty() ? copy.get() : copy.get(), bytes.size(), kind, reversed);
}

TEST(StoredStream, EveryLayoutLoadsInEitherByteOrder)
{
    Rig source(0.25f);
    source.effect->setCurrentProgram(11);
    const std::vector<uint8_t> bank = source.editor->writeBankStream();
    const std::vector<uint8_t> preset = source.editor->writePresetStream();
    struct Case
    {
        const char* label;
        StoredKind kind;
        std::vector<uint8_t> native;
        std::vector<uint8_t> swapped;
    };
    std::vector<uint8_t> swappedBank = swappedStream(bank);
    swapWordAt(swappedBank, 0);
    std::vector<uint8_t> swappedPreset = swappedStream(preset);
    swapWordAt(swappedPreset, 0);
    const Case cases[] = {
        {"bank stream", StoredKind::Bank, bank, swappedBank},
        {"preset stream", StoredKind::Preset, preset, swappedPreset},
        {"older bank layout", StoredKind::Bank, oldBank(16), oldBank(16, 0, true)},
        {"older preset layout", StoredKind::Preset, oldPreset(16), oldPreset(16, 0, true)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Rig native;
        native.effect->setCurrentProgram(4);
        const std::vector<uint8_t> before = native.bankBytes();
        ASSERT_TRUE(readStored(native, c.native, c.kind));
        EXPECT_NE(native.bankBytes(), before);

        Rig swapped;
        swapped.effect->setCurrentProgram(4);
        ASSERT_TRUE(readStored(swapped, c.swapped, c.kind));
        EXPECT_EQ(swapped.bankBytes(), native.bankBytes());
        EXPECT_EQ(swapped.effect->getCurrentProgramIndex(), native.effect->getCurrentProgramIndex());

        // Through the endian-reversed entry a newer layout is read in the other order, whose sizes no reader takes.
        // (The older layouts have no sizes, so what they give then depends on their values alone.)
        if (c.native[4] == kFormatBankStream || c.native[4] == kFormatPresetStream) {
            Rig reversed;
            reversed.effect->setCurrentProgram(4);
            reversed.forget();
            const std::vector<uint8_t> untouched = reversed.bankBytes();
            EXPECT_FALSE(readStored(reversed, c.native, c.kind, true));
            EXPECT_TRUE(reversed.untouchedSince(untouched));
        }
    }
}

// The older layouts carry no count: it follows from the size, and a few stray bytes do not change it.
TEST(StoredStream, OlderLayoutsTakeTheirValueCountFromTheSize)
{
    struct Case
    {
        const char* label;
        StoredKind kind;
        std::vector<uint8_t> bytes;
        int valuesRead;
    };
    const Case cases[] = {
        {"preset, 16 values", StoredKind::Preset, oldPreset(16), 16},
        {"preset, 10 values", StoredKind::Preset, oldPreset(10), 10},
        {"preset, 10 values and 3 stray bytes", StoredKind::Preset, oldPreset(10, 3), 10},
        {"preset, 20 values (the first 16 read)", StoredKind::Preset, oldPreset(20), 16},
        {"preset, a name alone", StoredKind::Preset, oldPreset(0), 0},
        {"bank, 16 values", StoredKind::Bank, oldBank(16), 16},
        {"bank, 5 values", StoredKind::Bank, oldBank(5), 5},
        {"bank, 5 values and 47 stray bytes", StoredKind::Bank, oldBank(5, 47), 5},
        {"bank, names alone", StoredKind::Bank, oldBank(0), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Rig rig;
        rig.effect->setCurrentProgram(3);
        ASSERT_TRUE(readStored(rig, c.bytes, c.kind));
        const ProgramRecord& templ = rig.effect->templateProgram();
        const int32_t program = c.kind == StoredKind::Bank ? 47 : 3;
        const ProgramRecord& record = *rig.effect->program(program);
        EXPECT_EQ(nameOf(record), c.kind == StoredKind::Bank ? "Old bank 47" : "Old preset");
        for (int32_t i = 0; i < kProgramParams; ++i) {
            const float stored = c.kind == StoredKind::Bank ? (47.0f + float(i) / 16.0f) / 48.0f
                                                            : 0.5f + float(i) / 64.0f;
            EXPECT_EQ(record.values[i], i < c.valuesRead && !isExcluded(i) ? stored : templ.values[i]) << i;
        }
    }
}

TEST(StoredStream, RefusedBytesChangeNothing)
{
    Rig source(0.25f);
    const std::vector<uint8_t> bank = source.editor->writeBankStream();
    const std::vector<uint8_t> preset = source.editor->writePresetStream();
    const std::vector<uint8_t> aux = source.editor->writeAuxStream();
    auto cut = [](const std::vector<uint8_t>& bytes, size_t size) {
        return std::vector<uint8_t>(bytes.begin(), bytes.begin() + long(size));
    };
    auto changed = [](std::vector<uint8_t> bytes, size_t at, uint8_t value) {
        bytes.at(at) = value;
        return bytes;
    };
    struct Case
    {
        const char* label;
        StoredKind kind;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"nothing", StoredKind::Bank, {}},
        {"the ID alone", StoredKind::Bank, cut(bank, 4)},
        {"a foreign ID", StoredKind::Bank, changed(bank, 3, 0)},
        {"an unknown format byte", StoredKind::Bank, changed(bank, 4, '9')},
        {"a preset stream asked for as a bank", StoredKind::Bank, preset},
        {"an older preset asked for as a bank", StoredKind::Bank, oldPreset(16)},
        {"a bank stream asked for as a preset", StoredKind::Preset, bank},
        {"an older bank asked for as a preset", StoredKind::Preset, oldBank(16)},
        {"an auxiliary stream", StoredKind::Preset, aux},
        {"a bank header cut short", StoredKind::Bank, cut(bank, 40)},
        {"a preset header cut short", StoredKind::Preset, cut(preset, 6)},
        {"bank records cut short", StoredKind::Bank, cut(bank, bank.size() - 1)},
        {"preset records cut short", StoredKind::Preset, cut(preset, preset.size() - 1)},
        {"an older preset without its whole name", StoredKind::Preset, cut(oldPreset(0), 28)},
        {"an older bank without its 48 names", StoredKind::Bank, cut(oldBank(0), 5 + 47 * 24)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Rig rig;
        rig.effect->setCurrentProgram(6);
        rig.forget();
        const std::vector<uint8_t> before = rig.bankBytes();
        EXPECT_FALSE(readStored(rig, c.bytes, c.kind));
        EXPECT_TRUE(rig.untouchedSince(before));
    }
}

}  // namespace

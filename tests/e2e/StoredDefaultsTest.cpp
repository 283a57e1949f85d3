// The stored defaults and remembered file locations of the real plug-in: values under the preset system's key come
// back when the library is loaded again, damaged ones are ignored, and unloading stores the file locations. The
// values are written here the way the editor's buttons write them: one whole stream each.
#include "tests/support/ForeignByteOrder.h"
#include "E2eSupport.h"

#include "hosts/vst2/ProgramSelection.h"
#include "platform/Registry.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using platform::RegistryKey;
using vst2host::HostedEffect;

constexpr const char* kKey = "SOFTWARE\\Qor-velmont\\QorKalvenop";
constexpr size_t kChunkPrefix = 8;  // format word and ID in front of the bank stream
constexpr size_t kHeader = 41;
constexpr size_t kProgramRecords = 168 + 12 * 32;  // a name record and 12 parameter records

using Bytes = std::vector<uint8_t>;

uint32_t le32(const Bytes& bytes, size_t at)
{
    return uint32_t(bytes.at(at)) | uint32_t(bytes.at(at + 1)) << 8 | uint32_t(bytes.at(at + 2)) << 16 |
           uint32_t(bytes.at(at + 3)) << 24;
}

void putLe32(Bytes& bytes, size_t at, uint32_t v)
{
    for (int k = 0; k < 4; ++k)
        bytes.at(at + k) = uint8_t(v >> (8 * k));
}

// The stream as a big-endian machine writes it, the ID too.
Bytes bigEndian(const Bytes& stream)
{
    return testsupport::foreignStream(stream, true);
}

// The name of one program of a bank stream, from its name record.
std::string nameInBank(const Bytes& bank, int program)
{
    const char* name = reinterpret_cast<const char*>(bank.data()) + kHeader + size_t(program) * kProgramRecords + 12;
    return std::string(name, strnlen(name, 24));
}

Bytes bankStreamOf(const Bytes& chunk) { return Bytes(chunk.begin() + long(kChunkPrefix), chunk.end()); }

// The records of one program inside a bank stream.
Bytes programRecords(const Bytes& bank, int program)
{
    const size_t start = kHeader + size_t(program) * kProgramRecords;
    return Bytes(bank.begin() + long(start), bank.begin() + long(start + kProgramRecords));
}

// A preset stream of one program of a bank stream: the bank's header with the preset's format and counts, then
// that program's records with program index 0.
Bytes presetStreamOf(const Bytes& bank, int program)
{
    Bytes preset(bank.begin(), bank.begin() + long(kHeader));
    preset[4] = 0x22;
    putLe32(preset, 13, 13);
    putLe32(preset, 17, 0);
    putLe32(preset, 21, uint32_t(kProgramRecords));
    Bytes records = programRecords(bank, program);
    for (size_t at = 0; at < records.size(); at += 12 + le32(records, at + 4))
        putLe32(records, at + 8, 0);
    preset.insert(preset.end(), records.begin(), records.end());
    return preset;
}

class StoredDefaults : public ::testing::Test
{
protected:
    void SetUp() override { RegistryKey::remove(kKey); }
    void TearDown() override { RegistryKey::remove(kKey); }

    void store(const char* name, const Bytes& bytes)
    {
        auto key = RegistryKey::create(kKey);
        ASSERT_TRUE(key);
        ASSERT_TRUE(key->writeBinary(name, bytes.data(), bytes.size()));
    }
    void storeText(const char* name, const std::string& text)
    {
        auto key = RegistryKey::create(kKey);
        ASSERT_TRUE(key);
        ASSERT_TRUE(key->writeString(name, text));
    }
    std::string storedText(const char* name)
    {
        std::string text = "(missing)";
        auto key = RegistryKey::open(kKey, RegistryKey::Access::QueryValue);
        if (!key || !key->readString(name, text, 256))
            return "(missing)";
        return text;
    }

    // The chunk of a freshly loaded instance.
    Bytes chunkOfNewInstance()
    {
        HostedEffect effect;
        EXPECT_TRUE(effect.load(e2e::kPluginPath)) << effect.error();
        return effect.getChunk();
    }

    // A bank that differs from the factory one: program 8 current, two of its values changed.
    Bytes editedBank()
    {
        HostedEffect effect;
        EXPECT_TRUE(effect.load(e2e::kPluginPath)) << effect.error();
        std::string error;
        EXPECT_TRUE(vst2host::selectProgram(effect, 8, error)) << error;
        effect.setParameter(8, 0.3f);
        effect.setParameter(13, 0.6f);
        return bankStreamOf(effect.getChunk());
    }
};

TEST_F(StoredDefaults, DefaultBankAndPresetComeBackWhenThePluginIsLoadedAgain)
{
    const Bytes factory = chunkOfNewInstance();
    const Bytes bank = editedBank();
    ASSERT_EQ(bank.size(), 26537u);
    ASSERT_NE(bank, bankStreamOf(factory));
    store("DefaultBank", bank);
    store("DefaultPreset", presetStreamOf(bank, 8));

    HostedEffect effect;
    ASSERT_TRUE(effect.load(e2e::kPluginPath)) << effect.error();
    const Bytes loaded = bankStreamOf(effect.getChunk());
    ASSERT_EQ(loaded.size(), bank.size());
    // Program 0 is current and holds the default preset (program 8 of the bank); the others are the bank's.
    EXPECT_EQ(le32(loaded, 17), 0u);
    Bytes expected = bank;
    const Bytes preset = presetStreamOf(bank, 8);
    std::copy(preset.begin() + long(kHeader), preset.end(), expected.begin() + long(kHeader));
    EXPECT_TRUE(std::equal(loaded.begin() + long(kHeader), loaded.end(), expected.begin() + long(kHeader)));
    EXPECT_EQ(effect.programName(), nameInBank(bank, 8));
    EXPECT_FLOAT_EQ(effect.getParameter(8), 0.3f);
    EXPECT_FLOAT_EQ(effect.getParameter(13), 0.6f);
}

TEST_F(StoredDefaults, DefaultPresetOfABigEndianMachineLoads)
{
    const Bytes bank = editedBank();
    store("DefaultPreset", bigEndian(presetStreamOf(bank, 8)));
    HostedEffect effect;
    ASSERT_TRUE(effect.load(e2e::kPluginPath)) << effect.error();
    EXPECT_EQ(effect.programName(), nameInBank(bank, 8));
    EXPECT_FLOAT_EQ(effect.getParameter(8), 0.3f);
    const Bytes loaded = bankStreamOf(effect.getChunk());
    EXPECT_EQ(programRecords(loaded, 0), programRecords(presetStreamOf(bank, 8), 0));
}

TEST_F(StoredDefaults, DamagedDefaultsAreIgnored)
{
    const Bytes factory = chunkOfNewInstance();
    const Bytes bank = editedBank();
    const Bytes preset = presetStreamOf(bank, 8);
    auto cut = [](const Bytes& bytes, size_t size) { return Bytes(bytes.begin(), bytes.begin() + long(size)); };
    auto changed = [](Bytes bytes, size_t at, uint8_t value) {
        bytes.at(at) = value;
        return bytes;
    };
    struct Case
    {
        const char* label;
        Bytes bankValue;
        Bytes presetValue;
    };
    const Case cases[] = {
        {"4 bytes", cut(bank, 4), cut(preset, 4)},
        {"a foreign ID", changed(bank, 0, 'x'), changed(preset, 0, 'x')},
        {"an unknown format byte", changed(bank, 4, '9'), changed(preset, 4, '9')},
        {"a header cut short", cut(bank, 30), cut(preset, 30)},
        {"records cut short", cut(bank, bank.size() - 1), cut(preset, preset.size() - 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        RegistryKey::remove(kKey);
        store("DefaultBank", c.bankValue);
        store("DefaultPreset", c.presetValue);
        EXPECT_EQ(chunkOfNewInstance(), factory);
    }
}

TEST_F(StoredDefaults, UnloadingStoresTheRememberedFileLocations)
{
    storeText("CurrDir", "/home/anna/Qor presets/");
    storeText("CurrBank", "Drums.qrb");
    storeText("CurrPreset", "Zoë.qor");
    HostedEffect effect;
    ASSERT_TRUE(effect.load(e2e::kPluginPath)) << effect.error();
    {
        auto key = RegistryKey::open(kKey, RegistryKey::Access::SetValue);
        ASSERT_TRUE(key);
        for (const char* name : {"CurrDir", "CurrBank", "CurrPreset"})
            ASSERT_TRUE(key->deleteValue(name));
    }
    effect.close();
    EXPECT_EQ(storedText("CurrDir"), "/home/anna/Qor presets/");
    EXPECT_EQ(storedText("CurrBank"), "Drums.qrb");
    EXPECT_EQ(storedText("CurrPreset"), "Zoë.qor");
}

}  // namespace

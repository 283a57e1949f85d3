// The default bank and preset, the memories and the remembered file locations, through the compressor as the
// plug-in makes it and the platform's own registry (a per-user store natively, the registry under Wine).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "CompressorInstance.h"
#include "StreamTestSupport.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedFileSelector.h"

using namespace storetest;
using platform::RegistryKey;

namespace {

using Operation = void (CPresetSystemEditor::*)();

// Everything a program holds apart from the power switch, which the compressor shares between all programs; with
// `templ`, the parameters presets do not carry are expected from it.
void expectSameApartFromPower(const ProgramRecord& actual, const ProgramRecord& expected, const std::string& what,
                              const ProgramRecord* templ = nullptr)
{
    EXPECT_EQ(std::memcmp(actual.name, expected.name, kProgramNameSize), 0) << what;
    for (int32_t i = 1; i < kProgramParams; ++i)
        EXPECT_EQ(actual.values[i], templ && isExcluded(i) ? templ->values[i] : expected.values[i])
            << what << ", parameter " << i;
}

// A program read from a preset: the stored name and values, the template's values where presets carry none.
void expectReadFromPreset(const ProgramRecord& actual, const ProgramRecord& stored, const ProgramRecord& templ)
{
    EXPECT_EQ(std::string(actual.name), std::string(stored.name));
    for (int32_t i = 0; i < kProgramParams; ++i)
        EXPECT_EQ(actual.values[i], isExcluded(i) ? templ.values[i] : stored.values[i]) << "parameter " << i;
}

std::string storedText(const char* name)
{
    std::string text = "(missing)";
    if (auto key = RegistryKey::open(presetregistry::keyPath(), RegistryKey::Access::QueryValue))
        if (!key->readString(name, text, 1024))
            text = "(missing)";
    return text;
}

bool valueExists(const char* name)
{
    auto key = RegistryKey::open(presetregistry::keyPath(), RegistryKey::Access::QueryValue);
    size_t size = 0;
    return key && key->valueSize(name, size);
}

using RegistryDefaults = StoreTest;

TEST_F(RegistryDefaults, MemoryRecallBringsBackNameAndStoredValues)
{
    struct Case
    {
        const char* memo;
        Operation store;
        Operation recall;
        Operation recallOther;
    };
    const Case cases[] = {
        {"A", &CPresetSystemEditor::storeMemoA, &CPresetSystemEditor::recallMemoA, &CPresetSystemEditor::recallMemoB},
        {"B", &CPresetSystemEditor::storeMemoB, &CPresetSystemEditor::recallMemoB, &CPresetSystemEditor::recallMemoA},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.memo);
        removePresetKey();
        CompressorInstance instance;
        CPresetSystemEditor& editor = instance.editor();
        instance.customise(5, "Memo test", 0.0f);
        const ProgramRecord stored = instance.program(5);
        (editor.*c.store)();

        instance.customise(5, "Edited since", 0.3f);
        const std::vector<uint8_t> edited = instance.bankBytes();
        (editor.*c.recallOther)();
        EXPECT_EQ(instance.bankBytes(), edited) << "the other memory holds nothing";

        (editor.*c.recall)();
        EXPECT_EQ(instance.effect().getCurrentProgramIndex(), 5);
        expectReadFromPreset(instance.program(5), stored, instance.effect().templateProgram());
        for (int32_t i = 0; i < kProgramParams; ++i)
            EXPECT_EQ(instance.effect().getParameter(i), instance.program(5).values[i]) << "parameter " << i;
        for (int32_t p = 0; p < kBankPrograms; ++p) {
            if (p == 5)
                continue;
            ProgramRecord before;
            std::memcpy(&before, edited.data() + sizeof(ProgramRecord) * size_t(p), sizeof before);
            expectSameApartFromPower(instance.program(p), before, "program " + std::to_string(p));
        }
    }
}

TEST_F(RegistryDefaults, MemoALivesUnderTheProductKey)
{
    CompressorInstance instance;
    instance.customise(2, "Exact key", 0.2f);
    instance.editor().storeMemoA();
    const std::vector<uint8_t> written = instance.editor().writePresetStream();
    {
        auto key = RegistryKey::open("SOFTWARE\\Qor-velmont\\QorKalvenop", RegistryKey::Access::QueryValue);
        ASSERT_TRUE(key);
        std::vector<uint8_t> value;
        ASSERT_TRUE(key->readBinary("MemoA", value));
        EXPECT_EQ(value, written);
    }

    // A value put there by anyone is what the recall reads.
    CompressorInstance other;
    other.effect().setCurrentProgram(9);
    other.editor().recallMemoA();
    expectReadFromPreset(other.program(9), instance.program(2), other.effect().templateProgram());
}

TEST_F(RegistryDefaults, StoredDefaultsComeBackInTheNextInstance)
{
    std::vector<uint8_t> storedBank;
    ProgramRecord storedPreset;
    {
        CompressorInstance first;
        first.customise(3, "Bank three", 0.1f);
        first.customise(10, "Bank ten", 0.2f);
        first.editor().storeDefaultBank();
        storedBank = first.bankBytes();
        first.customise(6, "Default preset", 0.4f);
        storedPreset = first.program(6);
        first.editor().storeDefaultPreset();
    }

    CompressorInstance next;
    EXPECT_EQ(next.effect().getCurrentProgramIndex(), 0);
    expectReadFromPreset(next.program(0), storedPreset, next.effect().templateProgram());
    for (int32_t p = 1; p < kBankPrograms; ++p) {
        ProgramRecord expected;
        std::memcpy(&expected, storedBank.data() + sizeof(ProgramRecord) * size_t(p), sizeof expected);
        expectSameApartFromPower(next.program(p), expected, "program " + std::to_string(p),
                                 &next.effect().templateProgram());
    }
    EXPECT_EQ(next.effect().getParameter(8), next.program(0).values[8]) << "program 0 is what the effect plays";
}

TEST_F(RegistryDefaults, DeletedDefaultsNoLongerComeBack)
{
    std::vector<uint8_t> factory;
    {
        CompressorInstance fresh;
        factory = fresh.bankBytes();
        // Deleting where there is no key does nothing, not even make the key.
        removePresetKey();
        fresh.editor().deleteDefaultBank();
        fresh.editor().deleteDefaultPreset();
        EXPECT_FALSE(RegistryKey::open(presetregistry::keyPath(), RegistryKey::Access::QueryValue));

        fresh.customise(4, "Soon deleted", 0.25f);
        fresh.editor().storeDefaultBank();
        fresh.editor().storeDefaultPreset();
        fresh.editor().storeMemoA();
        ASSERT_TRUE(valueExists("DefaultBank"));
        ASSERT_TRUE(valueExists("DefaultPreset"));
        fresh.editor().deleteDefaultBank();
        fresh.editor().deleteDefaultPreset();
        EXPECT_FALSE(valueExists("DefaultBank"));
        EXPECT_FALSE(valueExists("DefaultPreset"));
        EXPECT_TRUE(valueExists("MemoA")) << "only the named value goes";
    }
    CompressorInstance next;
    EXPECT_EQ(next.bankBytes(), factory);
}

TEST_F(RegistryDefaults, DeleteDefaultMidiRemovesOnlyThatValue)
{
    storeValue("DefaultMidi", {1, 2, 3});
    storeValue("MemoB", {4, 5, 6});
    CompressorInstance instance;
    instance.editor().deleteDefaultMidi();
    EXPECT_FALSE(valueExists("DefaultMidi"));
    EXPECT_TRUE(valueExists("MemoB"));
}

TEST_F(RegistryDefaults, ValuesWrittenInTheOtherByteOrderLoad)
{
    std::vector<uint8_t> bank, preset;
    std::vector<uint8_t> expectedBank;
    {
        CompressorInstance source;
        source.customise(12, "Big-endian bank", 0.15f);
        bank = source.editor().writeBankStream();
        source.customise(7, "Big-endian preset", 0.35f);
        preset = source.editor().writePresetStream();
    }
    {
        // The same values stored natively give the reference.
        storeValue("DefaultBank", bank);
        storeValue("DefaultPreset", preset);
        CompressorInstance reference;
        expectedBank = reference.bankBytes();
    }
    removePresetKey();
    // A big-endian machine writes the ID swapped too.
    auto bigEndian = [](const std::vector<uint8_t>& stream) {
        std::vector<uint8_t> swapped = streamtest::swappedStream(stream);
        streamtest::swapWordAt(swapped, 0);
        return swapped;
    };
    storeValue("DefaultBank", bigEndian(bank));
    storeValue("DefaultPreset", bigEndian(preset));
    CompressorInstance swapped;
    EXPECT_EQ(swapped.name(0), "Big-endian preset");
    EXPECT_EQ(swapped.name(12), "Big-endian bank");
    EXPECT_EQ(swapped.bankBytes(), expectedBank);
}

TEST_F(RegistryDefaults, RefusedValuesLeaveTheBankUnchanged)
{
    std::vector<uint8_t> factory, bank, preset;
    {
        CompressorInstance source;
        factory = source.bankBytes();
        source.customise(1, "Never loaded", 0.2f);
        bank = source.editor().writeBankStream();
        preset = source.editor().writePresetStream();
    }
    auto changed = [](std::vector<uint8_t> bytes, size_t at, uint8_t value) {
        bytes.at(at) = value;
        return bytes;
    };
    auto cut = [](const std::vector<uint8_t>& bytes, size_t size) {
        return std::vector<uint8_t>(bytes.begin(), bytes.begin() + long(size));
    };
    struct Case
    {
        const char* label;
        std::vector<uint8_t> bankValue;
        std::vector<uint8_t> presetValue;
    };
    const Case cases[] = {
        {"empty", {}, {}},
        {"4 bytes", cut(bank, 4), cut(preset, 4)},
        {"foreign ID", changed(bank, 0, 'X'), changed(preset, 0, 'X')},
        {"unknown format byte", changed(bank, 4, 'X'), changed(preset, 4, 'X')},
        {"the other kind's stream", preset, bank},
        {"header cut short", cut(bank, 30), cut(preset, 30)},
        {"records cut short", cut(bank, bank.size() - 10), cut(preset, preset.size() - 10)},
        {"older layout too short for its name", {bank[0], bank[1], bank[2], bank[3], '7', 'a'},
         {preset[0], preset[1], preset[2], preset[3], '!', 'a', 'b'}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        removePresetKey();
        storeValue("DefaultBank", c.bankValue);
        storeValue("DefaultPreset", c.presetValue);
        storeValue("MemoA", c.presetValue);
        CompressorInstance instance;
        EXPECT_EQ(instance.bankBytes(), factory);
        EXPECT_EQ(instance.effect().getCurrentProgramIndex(), 0);
        instance.effect().setCurrentProgram(8);
        instance.editor().recallMemoA();
        EXPECT_EQ(instance.bankBytes(), factory);
        EXPECT_EQ(instance.effect().getCurrentProgramIndex(), 8);
    }

    // A text where a stream belongs is not read either.
    removePresetKey();
    {
        auto key = presetKey();
        ASSERT_TRUE(key);
        ASSERT_TRUE(key->writeString("DefaultBank", "not a stream"));
        ASSERT_TRUE(key->writeString("MemoB", "not a stream"));
    }
    CompressorInstance instance;
    instance.editor().recallMemoB();
    EXPECT_EQ(instance.bankBytes(), factory);
}

TEST_F(RegistryDefaults, RememberedLocationsComeBackInTheNextInstance)
{
    scratchtest::ScratchFolder folder;
    const std::string directory = folder.folderWithSeparator("Zoë's presets");
    {
        CompressorInstance first;
        selectortest::SelectorScript script;
        script.choose(directory + "Bänk.qrb");
        ASSERT_TRUE(first.editor().saveBankFile());
        script.choose(directory + "Lead.qor");
        ASSERT_TRUE(first.editor().savePresetFile());
        EXPECT_EQ(first.editor().currentDirectory(), directory);
    }
    EXPECT_EQ(storedText("CurrDir"), directory);
    EXPECT_EQ(storedText("CurrBank"), "Bänk.qrb");
    EXPECT_EQ(storedText("CurrPreset"), "Lead.qor");

    CompressorInstance next;
    EXPECT_EQ(next.editor().currentDirectory(), directory);
    EXPECT_EQ(next.editor().bankFileName(), std::string("Bänk.qrb"));
    EXPECT_EQ(next.editor().presetFileName(), std::string("Lead.qor"));
}

TEST_F(RegistryDefaults, MissingFileStateLeavesTheTextsEmpty)
{
    struct Case
    {
        const char* label;
        std::vector<std::pair<const char*, std::string>> stored;
        const char* directory;
        const char* bank;
        const char* preset;
    };
    std::string multiByte;
    for (int i = 0; i < 200; ++i)
        multiByte += "é";  // 200 characters, 400 bytes: more than the buffer holds
    const Case cases[] = {
        {"no key", {}, "", "", ""},
        {"only the bank name", {{"CurrBank", "b.qrb"}}, "", "b.qrb", ""},
        {"all but the directory", {{"CurrBank", "b.qrb"}, {"CurrPreset", "p.qor"}}, "", "b.qrb", "p.qor"},
        {"all three", {{"CurrDir", "/x/"}, {"CurrBank", "b.qrb"}, {"CurrPreset", "p.qor"}}, "/x/", "b.qrb", "p.qor"},
        {"a text longer than the buffer", {{"CurrDir", std::string(300, 'd')}, {"CurrPreset", "p.qor"}}, "", "",
         "p.qor"},
        {"more bytes than the buffer holds", {{"CurrDir", multiByte}}, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        CompressorInstance instance;
        CPresetSystemEditor& editor = instance.editor();
        {
            // Texts that were there before must not survive.
            scratchtest::ScratchFolder folder;
            selectortest::SelectorScript script;
            script.choose(folder.file("before.qor"));
            editor.savePresetFile();
            script.choose(folder.file("before.qrb"));
            editor.saveBankFile();
        }
        removePresetKey();
        if (!c.stored.empty()) {
            auto key = presetKey();
            ASSERT_TRUE(key);
            for (const auto& value : c.stored)
                ASSERT_TRUE(key->writeString(value.first, value.second));
        }
        editor.loadFileState();
        EXPECT_EQ(std::string(editor.currentDirectory()), c.directory);
        EXPECT_EQ(std::string(editor.bankFileName()), c.bank);
        EXPECT_EQ(std::string(editor.presetFileName()), c.preset);
    }
}

}  // namespace

// Preset and bank files through the compressor's editor, driven by a scripted file selector.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "CompressorInstance.h"
#include "StreamTestSupport.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedFileSelector.h"

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace storetest;
using scratchtest::ScratchFolder;
using selectortest::SelectorScript;

namespace {

using FileOperation = std::function<bool(CPresetSystemEditor&)>;

bool loadPreset(CPresetSystemEditor& editor) { return editor.loadPresetFile(false); }
bool loadPresetReversed(CPresetSystemEditor& editor) { return editor.loadPresetFile(true); }
bool savePreset(CPresetSystemEditor& editor) { return editor.savePresetFile(); }
bool loadBank(CPresetSystemEditor& editor) { return editor.loadBankFile(false); }
bool loadBankReversed(CPresetSystemEditor& editor) { return editor.loadBankFile(true); }
bool saveBank(CPresetSystemEditor& editor) { return editor.saveBankFile(); }

std::vector<uint8_t> cut(const std::vector<uint8_t>& bytes, size_t size)
{
    return std::vector<uint8_t>(bytes.begin(), bytes.begin() + long(size));
}

std::vector<uint8_t> changed(std::vector<uint8_t> bytes, size_t at, uint8_t value)
{
    bytes.at(at) = value;
    return bytes;
}

// A bank stream and a preset stream of a customised compressor; the bank's header names program 12 as current.
struct SourceStreams
{
    std::vector<uint8_t> bank;
    std::vector<uint8_t> preset;
};

SourceStreams sourceStreams()
{
    CompressorInstance source;
    source.customise(20, "Preset in a file", 0.22f);
    SourceStreams streams;
    streams.preset = source.editor().writePresetStream();
    source.customise(12, "Bank in a file", 0.12f);
    streams.bank = source.editor().writeBankStream();
    return streams;
}

using PresetFiles = StoreTest;

TEST_F(PresetFiles, SelectorIsSetUpForEachOperation)
{
    struct Case
    {
        const char* label;
        FileOperation run;
        CNewFileSelector::Style style;
        const char* title;
        const char* fileType;
        const char* defaultExtension;
    };
    const Case cases[] = {
        {"load preset", loadPreset, CNewFileSelector::kSelectFile, "Load preset", "Qor Preset|qor", ""},
        {"load preset, endian-reversed", loadPresetReversed, CNewFileSelector::kSelectFile,
         "Load preset (endian-reversed)", "Qor Preset|qor", ""},
        {"save preset", savePreset, CNewFileSelector::kSelectSaveFile, "Save preset", "Qor Preset|qor",
         "Qor Preset|qor"},
        {"load bank", loadBank, CNewFileSelector::kSelectFile, "Load bank", "Qor Bank|qrb", ""},
        {"load bank, endian-reversed", loadBankReversed, CNewFileSelector::kSelectFile, "Load bank (endian-reversed)",
         "Qor Bank|qrb", ""},
        {"save bank", saveBank, CNewFileSelector::kSelectSaveFile, "Save bank", "Qor Bank|qrb", "Qor Bank|qrb"},
    };
    ScratchFolder folder;
    CompressorInstance instance;
    SelectorScript script;
    // A first choice makes the remembered directory the scratch folder.
    script.choose(folder.file("first.qrb"));
    ASSERT_TRUE(instance.editor().saveBankFile());
    ASSERT_EQ(instance.editor().currentDirectory(), folder.folderWithSeparator());

    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const size_t before = script.runs().size();
        EXPECT_FALSE(c.run(instance.editor())) << "nothing chosen";
        ASSERT_EQ(script.runs().size(), before + 1);
        const selectortest::SelectorRun& run = script.runs().back();
        EXPECT_EQ(run.style, c.style);
        EXPECT_EQ(run.title, c.title);
        EXPECT_EQ(run.initialDirectory, folder.folderWithSeparator());
        EXPECT_EQ(run.fileTypes, std::vector<std::string>{c.fileType});
        EXPECT_EQ(run.defaultExtension, c.defaultExtension);
    }
}

TEST_F(PresetFiles, SavedBankLoadsIntoAFreshInstanceOnProgramZero)
{
    ScratchFolder folder;
    const std::string file = folder.file("Session bank.qrb");
    std::vector<uint8_t> saved;
    {
        CompressorInstance first;
        first.customise(4, "Saved four", 0.3f);
        first.customise(12, "Saved twelve", 0.45f);
        SelectorScript script;
        script.choose(file);
        ASSERT_TRUE(first.editor().saveBankFile());
        EXPECT_EQ(scratchtest::readBytes(file), first.editor().writeBankStream()) << "the file is the bank stream";
        EXPECT_EQ(first.editor().currentDirectory(), folder.folderWithSeparator());
        EXPECT_EQ(first.editor().bankFileName(), std::string("Session bank.qrb"));
        saved = first.bankBytes();
    }

    removePresetKey();
    CompressorInstance fresh;
    ASSERT_NE(fresh.bankBytes(), saved);
    SelectorScript script;
    script.choose(file);
    ASSERT_TRUE(fresh.editor().loadBankFile(false));
    EXPECT_EQ(fresh.effect().getCurrentProgramIndex(), 0) << "whatever the header named (12)";
    EXPECT_EQ(fresh.name(12), "Saved twelve");
    EXPECT_EQ(fresh.name(4), "Saved four");
    // Program 12 was current when the bank was saved, so every program carries its power setting there; what
    // presets do not carry comes from the template.
    const ProgramRecord& templ = fresh.effect().templateProgram();
    for (int32_t p = 0; p < kBankPrograms; ++p) {
        ProgramRecord expected;
        std::memcpy(&expected, saved.data() + sizeof(ProgramRecord) * size_t(p), sizeof expected);
        for (int32_t i : kExcluded)
            expected.values[i] = templ.values[i];
        EXPECT_EQ(std::memcmp(&fresh.program(p), &expected, sizeof expected), 0) << "program " << p;
    }
    EXPECT_EQ(fresh.editor().bankFileName(), std::string("Session bank.qrb"));
}

TEST_F(PresetFiles, SavedPresetLoadsIntoTheCurrentProgram)
{
    ScratchFolder folder;
    const std::string file = folder.file("Lead.qor");
    ProgramRecord saved;
    {
        CompressorInstance first;
        first.customise(20, "Saved preset", 0.3f);
        saved = first.program(20);
        SelectorScript script;
        script.choose(file);
        ASSERT_TRUE(first.editor().savePresetFile());
        EXPECT_EQ(scratchtest::readBytes(file), first.editor().writePresetStream());
    }
    CompressorInstance second;
    second.effect().setCurrentProgram(2);
    const std::vector<uint8_t> before = second.bankBytes();
    SelectorScript script;
    script.choose(file);
    ASSERT_TRUE(second.editor().loadPresetFile(false));
    EXPECT_EQ(second.effect().getCurrentProgramIndex(), 2);
    EXPECT_EQ(second.name(2), "Saved preset");
    for (int32_t i = 0; i < kProgramParams; ++i)
        EXPECT_EQ(second.program(2).values[i], isExcluded(i) ? second.effect().templateProgram().values[i]
                                                              : saved.values[i])
            << "parameter " << i;
    EXPECT_EQ(second.name(3), std::string(reinterpret_cast<const char*>(before.data()) + 3 * sizeof(ProgramRecord)));
}

// Files of either byte order, through the plain and the endian-reversed entries.
TEST_F(PresetFiles, ByteOrderAndEndianReversedEntries)
{
    struct Case
    {
        const char* label;
        bool swapRecords;
        bool swapId;
        bool reversedEntry;
        bool loads;
    };
    const Case cases[] = {
        {"native file", false, false, false, true},
        {"file of a big-endian machine", true, true, false, true},
        {"swapped records behind a native ID, endian-reversed entry", true, false, true, true},
        {"native records behind a swapped ID, endian-reversed entry", false, true, true, true},
        {"native file, endian-reversed entry", false, false, true, false},
        {"file of a big-endian machine, endian-reversed entry", true, true, true, false},
    };
    const SourceStreams streams = sourceStreams();
    for (bool bank : {true, false}) {
        const std::vector<uint8_t>& native = bank ? streams.bank : streams.preset;
        ScratchFolder folder;
        const std::string nativeFile = folder.file("native");
        scratchtest::writeBytes(nativeFile, native);

        CompressorInstance reference;
        reference.effect().setCurrentProgram(9);
        {
            SelectorScript script;
            script.choose(nativeFile);
            ASSERT_TRUE(bank ? reference.editor().loadBankFile(false) : reference.editor().loadPresetFile(false));
        }
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(bank ? "bank: " : "preset: ") + c.label);
            std::vector<uint8_t> bytes = c.swapRecords ? streamtest::swappedStream(native) : native;
            if (c.swapId)
                streamtest::swapWordAt(bytes, 0);
            const std::string file = folder.file(c.label);
            scratchtest::writeBytes(file, bytes);

            CompressorInstance target;
            target.effect().setCurrentProgram(9);
            const std::vector<uint8_t> before = target.bankBytes();
            SelectorScript script;
            script.choose(file);
            const bool loaded = bank ? target.editor().loadBankFile(c.reversedEntry)
                                     : target.editor().loadPresetFile(c.reversedEntry);
            EXPECT_EQ(loaded, c.loads);
            EXPECT_EQ(target.bankBytes(), c.loads ? reference.bankBytes() : before);
            EXPECT_EQ(target.effect().getCurrentProgramIndex(), c.loads && bank ? 0 : 9);
        }
    }
}

TEST_F(PresetFiles, RefusedFilesLeaveTheBankUnchanged)
{
    const SourceStreams streams = sourceStreams();
    struct Case
    {
        const char* label;
        std::vector<uint8_t> bankFile;
        std::vector<uint8_t> presetFile;
    };
    const Case cases[] = {
        {"empty", {}, {}},
        {"4 bytes", cut(streams.bank, 4), cut(streams.preset, 4)},
        {"foreign ID", changed(streams.bank, 1, 'x'), changed(streams.preset, 1, 'x')},
        {"unknown format byte", changed(streams.bank, 4, 'X'), changed(streams.preset, 4, 'X')},
        {"the other kind's file", streams.preset, streams.bank},
        {"header cut short", cut(streams.bank, 40), cut(streams.preset, 40)},
        {"records cut short", cut(streams.bank, streams.bank.size() - 1), cut(streams.preset, 100)},
        {"payload size beyond the file", changed(streams.bank, 23, 0x7F), changed(streams.preset, 23, 0x7F)},
    };
    ScratchFolder folder;
    CompressorInstance instance;
    instance.effect().setCurrentProgram(5);
    const std::vector<uint8_t> before = instance.bankBytes();
    SelectorScript script;
    for (bool bank : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(bank ? "bank: " : "preset: ") + c.label);
            const std::string name = std::string(c.label) + (bank ? ".qrb" : ".qor");
            scratchtest::writeBytes(folder.file(name), bank ? c.bankFile : c.presetFile);
            script.choose(folder.file(name));
            EXPECT_FALSE(bank ? instance.editor().loadBankFile(false) : instance.editor().loadPresetFile(false));
            EXPECT_EQ(instance.bankBytes(), before);
            EXPECT_EQ(instance.effect().getCurrentProgramIndex(), 5);
            // The choice itself was made, so it is remembered.
            EXPECT_EQ(bank ? instance.editor().bankFileName() : instance.editor().presetFileName(), name);
        }
        for (const std::string& path : {folder.file("missing.qrb"), folder.folderWithSeparator("a folder.qrb")}) {
            SCOPED_TRACE(path);
            script.choose(path);
            EXPECT_FALSE(bank ? instance.editor().loadBankFile(false) : instance.editor().loadPresetFile(false));
            EXPECT_EQ(instance.bankBytes(), before);
        }
    }
}

TEST_F(PresetFiles, NothingHappensWithoutExactlyOneChoice)
{
    struct Case
    {
        const char* label;
        bool scripted;
        std::vector<std::string> answer;
    };
    ScratchFolder folder;
    const Case cases[] = {
        {"no selector without a frame", false, {}},
        {"cancelled", true, {}},
        {"two files", true, {folder.file("one.qrb"), folder.file("two.qrb")}},
    };
    const FileOperation operations[] = {loadPreset, savePreset, loadBank, saveBank};
    for (const Case& c : cases) {
        for (const FileOperation& operation : operations) {
            SCOPED_TRACE(c.label);
            CompressorInstance instance;
            const std::vector<uint8_t> before = instance.bankBytes();
            std::unique_ptr<SelectorScript> script;
            if (c.scripted) {
                script.reset(new SelectorScript);
                script->answer(c.answer);
            }
            EXPECT_FALSE(operation(instance.editor()));
            EXPECT_EQ(instance.bankBytes(), before);
            EXPECT_TRUE(folder.entries().empty()) << "nothing written";
            EXPECT_EQ(std::string(instance.editor().currentDirectory()), "");
            EXPECT_EQ(std::string(instance.editor().bankFileName()), "");
            EXPECT_EQ(std::string(instance.editor().presetFileName()), "");
        }
    }
}

TEST_F(PresetFiles, PathWithoutSeparatorKeepsTheRememberedTexts)
{
    ScratchFolder folder;
    CompressorInstance instance;
    SelectorScript script;
    script.choose(folder.file("kept.qor"));
    ASSERT_TRUE(instance.editor().savePresetFile());
    script.choose("no-such-preset-file-here.qor");
    EXPECT_FALSE(instance.editor().loadPresetFile(false));
    EXPECT_EQ(instance.editor().currentDirectory(), folder.folderWithSeparator());
    EXPECT_EQ(instance.editor().presetFileName(), std::string("kept.qor"));
}

TEST_F(PresetFiles, ProposedSaveNameIsCutAtTheFirstDot)
{
    struct Case
    {
        bool bank;
        const char* remembered;
        const char* proposed;
    };
    const Case cases[] = {
        {false, "", ""},
        {false, "lead.qor", "lead"},
        {false, "two.dots.qor", "two"},
        {false, ".hidden.qor", ".hidden"},
        {false, "noext", "noext"},
        {false, ".", "."},
        {false, "..x", "."},
        {true, "two.dots.qrb", "two.dots.qrb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.remembered);
        CompressorInstance instance;
        {
            auto key = presetKey();
            ASSERT_TRUE(key);
            ASSERT_TRUE(key->writeString(c.bank ? "CurrBank" : "CurrPreset", c.remembered));
        }
        instance.editor().loadFileState();
        SelectorScript script;
        EXPECT_FALSE(c.bank ? instance.editor().saveBankFile() : instance.editor().savePresetFile());
        ASSERT_EQ(script.runs().size(), 1u);
        EXPECT_EQ(script.runs()[0].defaultSaveName, c.proposed);
        // The cut stays in the remembered name even though nothing was saved.
        EXPECT_EQ(std::string(c.bank ? instance.editor().bankFileName() : instance.editor().presetFileName()),
                  c.proposed);
    }
}

TEST_F(PresetFiles, SavingOverAFileReplacesItWhole)
{
    ScratchFolder folder;
    const std::string file = folder.file("Over.qor");
    scratchtest::writeBytes(file, std::vector<uint8_t>(100000, 0xAB));
    CompressorInstance instance;
    SelectorScript script;
    script.choose(file);
    ASSERT_TRUE(instance.editor().savePresetFile());
    EXPECT_EQ(scratchtest::readBytes(file), instance.editor().writePresetStream());
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Over.qor"});
}

// A save that cannot finish leaves the old file as it was, and no temporary file behind.
TEST_F(PresetFiles, FailedSaveLeavesTheOldFileIntact)
{
    const std::vector<uint8_t> old = {'o', 'l', 'd', ' ', 'b', 'a', 'n', 'k'};
    {
        // The target is a folder: the new file can be written but cannot take its name.
        ScratchFolder folder;
        const std::string target = folder.file("Taken.qrb");
        folder.folderWithSeparator("Taken.qrb");
        scratchtest::writeBytes(folder.file("Taken.qrb/inside"), old);
        CompressorInstance instance;
        SelectorScript script;
        script.choose(target);
        EXPECT_FALSE(instance.editor().saveBankFile());
        EXPECT_EQ(scratchtest::readBytes(folder.file("Taken.qrb/inside")), old);
        EXPECT_EQ(folder.entries(), std::vector<std::string>{"Taken.qrb"});
    }
#ifndef _WIN32
    {
        // The disk fills half-way: writes beyond 4096 bytes fail, as on a full disk (and for root too).
        ScratchFolder folder;
        const std::string target = folder.file("Old.qrb");
        scratchtest::writeBytes(target, old);
        CompressorInstance instance;
        SelectorScript script;
        script.choose(target);
        rlimit saved{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        void (*oldHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = 4096;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        const bool savedOk = instance.editor().saveBankFile();
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        EXPECT_FALSE(savedOk);
        EXPECT_EQ(scratchtest::readBytes(target), old);
        EXPECT_EQ(folder.entries(), std::vector<std::string>{"Old.qrb"});
    }
    if (::geteuid() != 0) {
        // A folder that may not be written (root may write anywhere, so only for other users).
        ScratchFolder folder;
        const std::string target = folder.file("Locked.qrb");
        scratchtest::writeBytes(target, old);
        std::filesystem::permissions(folder.path(),
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        CompressorInstance instance;
        SelectorScript script;
        script.choose(target);
        EXPECT_FALSE(instance.editor().saveBankFile());
        std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
        EXPECT_EQ(scratchtest::readBytes(target), old);
    }
#endif
}

TEST(SplitPath, SplitsAtTheLastSeparator)
{
    struct Case
    {
        std::string path;
        bool split;
        const char* fileName;
        const char* directory;
    };
    const Case cases[] = {
        {"C:\\Presets\\lead.qor", true, "lead.qor", "C:\\Presets\\"},
        {"/home/anna/presets/lead.qor", true, "lead.qor", "/home/anna/presets/"},
        {"\\\\server\\share\\bank.qrb", true, "bank.qrb", "\\\\server\\share\\"},
        {"/a.qor", true, "a.qor", "/"},
        {"C:\\Presets\\", true, "", "C:\\Presets\\"},
        {"mixed/dir\\x.qor", true, "x.qor", "mixed/dir\\"},
        {"mixed\\dir/x.qor", true, "x.qor", "mixed\\dir/"},
        {"/Zoë/Bänk.qrb", true, "Bänk.qrb", "/Zoë/"},
        {"lead.qor", false, "", ""},
        {"", false, "", ""},
        {"/" + std::string(256, 'n'), true, nullptr, "/"},
        {"/" + std::string(257, 'n'), false, "", ""},
        {std::string(255, 'd') + "/x", true, "x", nullptr},
        {std::string(256, 'd') + "/x", false, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.substr(0, 40));
        char fileName[kPathBufferSize];
        char directory[kPathBufferSize];
        std::strcpy(fileName, "untouched name");
        std::strcpy(directory, "untouched folder");
        EXPECT_EQ(CPresetSystemEditor::splitPath(c.path.c_str(), fileName, directory), c.split);
        if (!c.split) {
            EXPECT_STREQ(fileName, "untouched name");
            EXPECT_STREQ(directory, "untouched folder");
            continue;
        }
        const size_t separator = c.path.find_last_of("\\/");
        EXPECT_EQ(std::string(fileName), c.fileName ? c.fileName : c.path.substr(separator + 1));
        EXPECT_EQ(std::string(directory), c.directory ? c.directory : c.path.substr(0, separator + 1));
    }
}

}  // namespace

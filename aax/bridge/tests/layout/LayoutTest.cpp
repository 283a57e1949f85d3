// The processor's loading rule in real folder layouts: a module of the processor (the probe) copied beside an
// effect library, loaded by path, asked whether it holds an effect; messages land in the test's message log.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/Library.h"
#include "tests/support/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;

using Create = void* (*)();
using HasEffect = int (*)(void*);
using SaveState = int (*)(void*, uint8_t*, int);
using RestoreState = void (*)(void*, const uint8_t*, int);
using Destroy = void (*)(void*);
using ParameterSteps = int (*)(void*, int);

void setEnvironment(const char* name, const std::string& value)
{
#if defined(_WIN32)
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

std::vector<std::string> readLines(const fs::path& path)
{
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

const std::string kEffectFile = platform::Library::fileName("Qor Kalvenor");

// One processor module placed in folder (made below the scratch folder) beside effect (empty: no effect).
class Placed
{
public:
    Placed(const fs::path& folder, const char* effect)
    {
        fs::create_directories(folder);
        const fs::path probe = folder / fs::path(QOR_PROBE_PATH).filename();
        fs::copy_file(QOR_PROBE_PATH, probe);
        if (effect[0] != '\0')
            fs::copy_file(effect, folder / kEffectFile);
        // Kept loaded for the life of the test program: the module carries its own copy of JUCE, which is not
        // made to be unloaded. The list is never destroyed, so that no destructor at exit unloads the modules
        // before the leak checker looks at what JUCE keeps for the life of the process.
        static auto* modules = new std::vector<std::unique_ptr<platform::Library>>;
        modules->push_back(std::make_unique<platform::Library>());
        library_ = modules->back().get();
        if (!library_->open(probe.string()))
            ADD_FAILURE() << library_->error();
        create_ = reinterpret_cast<Create>(library_->symbol("qorProbeCreate"));
        hasEffect_ = reinterpret_cast<HasEffect>(library_->symbol("qorProbeHasEffect"));
        save_ = reinterpret_cast<SaveState>(library_->symbol("qorProbeSaveState"));
        restore_ = reinterpret_cast<RestoreState>(library_->symbol("qorProbeRestoreState"));
        destroy_ = reinterpret_cast<Destroy>(library_->symbol("qorProbeDestroy"));
        steps_ = reinterpret_cast<ParameterSteps>(library_->symbol("qorProbeParameterSteps"));
    }

    void create() { processor_ = create_(); }
    bool hasEffect() { return hasEffect_(processor_) != 0; }
    std::vector<uint8_t> save()
    {
        std::vector<uint8_t> bytes(static_cast<size_t>(save_(processor_, nullptr, 0)));
        save_(processor_, bytes.data(), static_cast<int>(bytes.size()));
        return bytes;
    }
    void restore(const std::vector<uint8_t>& bytes) { restore_(processor_, bytes.data(), static_cast<int>(bytes.size())); }
    void destroy() { destroy_(processor_); }
    int steps(int index) { return steps_(processor_, index); }

private:
    platform::Library* library_ = nullptr;
    Create create_ = nullptr;
    HasEffect hasEffect_ = nullptr;
    SaveState save_ = nullptr;
    RestoreState restore_ = nullptr;
    Destroy destroy_ = nullptr;
    ParameterSteps steps_ = nullptr;
    void* processor_ = nullptr;
};

class Layout : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = folder.path();
        messages = root / "messages.txt";
        requests = root / "requests.txt";
        setEnvironment("QOR_MESSAGE_LOG", messages.string());
        setEnvironment("QOR_FAKE_EFFECT_LOG", requests.string());
    }

    scratchtest::ScratchFolder folder;
    fs::path root, messages, requests;
};

TEST_F(Layout, EffectBelowAPlugInsFolderLoadsByItsPathRelativeToThatFolder)
{
    Placed placed(root / "Plug-Ins" / "Sub" / "Qor Kalvenor.aaxplugin" / "Contents" / "x64", QOR_EFFECT_PATH);
    placed.create();
    EXPECT_TRUE(placed.hasEffect());
    placed.destroy();
    EXPECT_TRUE(readLines(messages).empty());
}

TEST_F(Layout, EffectInAFolderWithoutPlugInsLoadsByItsFullPath)
{
    Placed placed(root / "Effects", QOR_EFFECT_PATH);
    placed.create();
    EXPECT_TRUE(placed.hasEffect());
    placed.destroy();
    EXPECT_TRUE(readLines(messages).empty());
}

TEST_F(Layout, EntryNamedMainOnlyLoadsAndIsPreparedWithoutAnOpenRequest)
{
    Placed placed(root / "Plug-Ins" / "Sub", QOR_FAKE_MAIN_ONLY_PATH);
    placed.create();
    EXPECT_TRUE(placed.hasEffect());
    // Suspend, 44100 Hz, block size 0 (the host has set none yet), resume; never an open request.
    const std::vector<std::string> prepared = {"12 0 0 0", "10 0 0 44100", "11 0 0 0", "12 1 1 0"};
    EXPECT_EQ(readLines(requests), prepared);
    placed.destroy();
    std::vector<std::string> all = prepared;
    all.push_back("12 0 0 0");  // suspend, then close
    all.push_back("1 0 0 0");
    EXPECT_EQ(readLines(requests), all);
    EXPECT_TRUE(readLines(messages).empty());
}

TEST_F(Layout, StepsOfAParameterAreProbedOnceAndKept)
{
    Placed placed(root / "Steps", QOR_FAKE_MAIN_ONLY_PATH);
    placed.create();
    auto writes = [&] {
        size_t count = 0;
        for (const std::string& line : readLines(requests))
            count += line.compare(0, 6, "set 1 ") == 0 ? 1 : 0;
        return count;
    };
    EXPECT_EQ(placed.steps(1), 0);  // the stand-in shows no text at all: no change from the empty text
    EXPECT_EQ(writes(), 102u);      // 101 values and the one restored
    EXPECT_EQ(placed.steps(1), 0);
    EXPECT_EQ(writes(), 102u);      // asked again: the live effect is left alone
    placed.destroy();
}

TEST_F(Layout, FailuresShowTheirMessageAndLeaveAnInstanceWithoutEffect)
{
    struct Case
    {
        const char* folder;
        const char* effect;
        std::string message;
    } cases[] = {
        {"NoEntry", QOR_FAKE_NO_ENTRY_PATH, "\tPlug-in core lib failed to load."},
        {"NullRecord", QOR_FAKE_NULL_RECORD_PATH, "\tPlug-in core lib failed to load."},
        {"Missing", "", "\tCant Load " + kEffectFile + " code="},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.folder);
        fs::remove(messages);
        Placed placed(root / c.folder, c.effect);
        placed.create();
        EXPECT_FALSE(placed.hasEffect());
        placed.destroy();
        const std::vector<std::string> lines = readLines(messages);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].substr(0, c.message.size()), c.message);
    }
    // No effect was ever made, so none was sent anything.
    EXPECT_TRUE(readLines(requests).empty());
}

TEST_F(Layout, InstanceWithoutEffectSavesTheLastStateItWasGiven)
{
    Placed placed(root / "Missing", "");
    placed.create();
    EXPECT_EQ(placed.save().size(), 8u);
    std::vector<uint8_t> session(28, 0x11);
    const uint8_t trailer[8] = {0, 0, 0x30, 0, 0, 0, 0x30, 0};
    std::copy(trailer, trailer + 8, session.end() - 8);
    placed.restore(session);
    EXPECT_EQ(placed.save(), session);  // not shrunk to 8 bytes: the user's state survives
    placed.destroy();
}

}  // namespace

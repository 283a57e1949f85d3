// The wrapper over the real effect, "Qor Kalvenor.dll" found by name as the plug-in finds it: its parameters and
// display texts, a block, its state carried into a second instance, and the library freed at the end.
#include "rtas/tests/bridge/WrapperFixture.h"

#include "effect/vst2/Opcodes.h"

#include <cmath>
#include <cstring>
#include <string>

namespace {

class RealEffect : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform::setMessageHook([](const char*, const char* text) { FAIL() << "message: " << text; });
    }
    void TearDown() override { platform::setMessageHook(nullptr); }

    std::unique_ptr<CPluginWrapper> open()
    {
        auto w = std::make_unique<CPluginWrapper>(&owner);
        w->SetCallback(&callback);
        w->LoadEffectLibrary(kEffectLibraryName);
        w->SetSampleRate(44100.0f);
        w->SetBlockSize(32);
        w->Resume();
        return w;
    }

    std::string displayOf(CPluginWrapper& w, int index, float value)
    {
        char text[36] = {};
        std::memcpy(text, "1EAD", 4);
        std::memcpy(text + 4, &value, 4);
        w.GetParamDisplay(index, text);
        return text;
    }

    RecordingCallback callback;
    RecordingOwner owner;
};

TEST_F(RealEffect, LoadsByNameWithItsSixteenParameters)
{
    auto w = open();
    ASSERT_TRUE(w->isLoaded());
    EXPECT_EQ(w->GetNumParams(), 16);
    EXPECT_EQ(w->record()->uniqueID, 0x514B7670);
    EXPECT_NE(w->record()->flags & kFlagProgramChunks, 0);
    int channels = 0;
    w->GetNumChannels(&channels);
    EXPECT_EQ(channels, 2);
    char name[36] = {};
    w->GetParamName(8, name);
    EXPECT_STREQ(name, "Threshold");
}

TEST_F(RealEffect, DisplayTextRequestsFormatTheGivenValue)
{
    auto w = open();
    for (float value : {0.0f, 0.5f, 1.0f}) {
        const std::string requested = displayOf(*w, 8, value);
        w->SetParameter(8, value);
        char current[36] = {};
        w->GetParamDisplayText(8, current);
        EXPECT_EQ(requested, current) << value;
    }
    EXPECT_NE(displayOf(*w, 8, 0.0f), displayOf(*w, 8, 1.0f));
}

// A host of the test's own: the effect asks for its host's version before it makes itself.
intptr_t DirectHost(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float)
{
    return opcode == audioMasterVersion ? 2 : 0;
}

TEST_F(RealEffect, ABlockIsWhatTheEffectDrivenDirectlyGives)
{
    auto w = open();
    w->SetParameter(8, 0.1f);  // threshold down: the compressor works

    platform::Library library;
    ASSERT_TRUE(library.openByName(kEffectLibraryName)) << library.error();
    auto entry = reinterpret_cast<EffectRecord* (*)(HostCallback)>(library.symbol("main"));
    ASSERT_NE(entry, nullptr);
    EffectRecord* direct = entry(DirectHost);
    ASSERT_NE(direct, nullptr);
    direct->dispatcher(direct, effOpen, 0, 0, nullptr, 0.0f);
    direct->dispatcher(direct, effSetSampleRate, 0, 0, nullptr, 44100.0f);
    direct->dispatcher(direct, effSetBlockSize, 32, 32, nullptr, 0.0f);
    direct->dispatcher(direct, effMainsChanged, 1, 1, nullptr, 0.0f);
    direct->setParameter(direct, 8, 0.1f);

    float left[32], right[32], key[32] = {};
    for (int i = 0; i < 32; ++i) {
        left[i] = 0.9f * std::sin(0.3f * float(i));
        right[i] = -0.7f * left[i];
    }
    float outLeft[32], outRight[32], wantLeft[32], wantRight[32];
    for (int block = 0; block < 4; ++block) {
        float* inputs[4] = {left, right, key, key};
        float* outputs[2] = {outLeft, outRight};
        w->ProcessEffectBlock(inputs, outputs, 32, nullptr);
        float* wanted[2] = {wantLeft, wantRight};
        direct->processReplacing(direct, inputs, wanted, 32);
        ASSERT_EQ(std::memcmp(outLeft, wantLeft, sizeof outLeft), 0) << "block " << block;
        ASSERT_EQ(std::memcmp(outRight, wantRight, sizeof outRight), 0) << "block " << block;
    }
    EXPECT_NE(std::memcmp(outLeft, left, sizeof outLeft), 0) << "the effect changed the signal";
    direct->dispatcher(direct, effClose, 0, 0, nullptr, 0.0f);
}

TEST_F(RealEffect, StateCarriesIntoASecondInstance)
{
    auto first = open();
    first->SetParameter(8, 0.3125f);
    first->SetParameter(12, 0.75f);
    int size = 0;
    first->GetStateSize(&size);
    std::vector<uint8_t> blob(static_cast<size_t>(size));
    ASSERT_EQ(first->SaveEffectState(blob.data(), blob.size()), blob.size());

    auto second = open();
    callback.notices.clear();
    second->RestoreEffectState(blob.data(), int(blob.size()));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(second->GetParameter(i), first->GetParameter(i)) << "parameter " << i;
    // The effect selects its stored program and asks its host to show the values again.
    ASSERT_FALSE(callback.notices.empty());
    EXPECT_EQ(callback.notices.back().what, "display");
}

TEST_F(RealEffect, TheLibraryIsFreedWithTheLastWrapper)
{
    auto first = open();
    auto second = open();
    ASSERT_TRUE(platform::Library::isResident(kEffectLibraryName));
    first.reset();
    EXPECT_TRUE(platform::Library::isResident(kEffectLibraryName));
    second.reset();
    EXPECT_FALSE(platform::Library::isResident(kEffectLibraryName));
}

}  // namespace

#if defined(_WIN32)
namespace {

// Only where child windows are real windows: the effect's own editor draws into them.
TEST_F(RealEffect, TheEditorOpensInItsChildWindowAtTheEffectsSize)
{
    auto w = open();
    int width = 0, height = 0;
    w->GetEditorSize(&width, &height);
    ASSERT_GT(width, 0);
    ASSERT_GT(height, 0);
    void* parent = platform::createTestParentWindow(width + 100, height + 100);
    ASSERT_NE(parent, nullptr);
    w->OpenEditorWindow(parent);
    ASSERT_TRUE(w->isEditorOpen());
    EXPECT_EQ(w->editorRect().right, width);
    EXPECT_EQ(w->editorRect().bottom, height);
    const platform::WindowRect placed = platform::windowRectInParent(w->childWindow());
    EXPECT_EQ(placed.left, 50);
    EXPECT_EQ(placed.top, 100);
    for (int i = 0; i < 5; ++i)
        w->Idle();
    EXPECT_TRUE(w->CloseEditorWindow());
    platform::destroyWindow(parent);
}

}  // namespace
#endif

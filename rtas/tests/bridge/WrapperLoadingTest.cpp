// Loading and unloading the effect: the requests in their order, the answers while the record is not yet held,
// and every way loading can fail.
#include "rtas/tests/bridge/WrapperFixture.h"

#include "effect/vst2/Opcodes.h"

#include <algorithm>
#include <cstring>

namespace {

using WrapperLoading = WrapperFixture;

TEST_F(WrapperLoading, OpensTheEffectThenSetsItUpInTheInstancesOrder)
{
    CPluginWrapper& w = load(RecordingEffectConfig{}, /*keepLog=*/true);
    ASSERT_TRUE(w.isLoaded());
    EXPECT_EQ(reinterpret_cast<CPluginWrapper*>(w.record()->resvd1), &w);

    w.SetSampleRate(48000.0f);
    w.SetBlockSize(32);
    w.Resume();
    const std::vector<int32_t> expected = {effOpen, effSetSampleRate, effSetSampleRate, effSetBlockSize,
                                           effMainsChanged};
    EXPECT_EQ(opcodes(), expected);
    const RecordedCall* calls = log().calls;
    EXPECT_EQ(calls[1].option, 44100.0f);
    EXPECT_EQ(calls[2].option, 48000.0f);
    EXPECT_EQ(calls[3].index, 32);
    EXPECT_EQ(calls[3].value, 32);
    EXPECT_EQ(calls[4].index, 1);
    EXPECT_EQ(calls[4].value, 1);

    log().callCount = 0;
    w.Suspend();
    ASSERT_EQ(opcodes(), std::vector<int32_t>{effMainsChanged});
    EXPECT_EQ(log().calls[0].index, 0);
}

TEST_F(WrapperLoading, AnswersTheEffectWhileItIsStillBeingConstructed)
{
    load();
    // Version, display refresh (nothing to refresh yet), and the defaults of a host without a wrapper.
    EXPECT_EQ(effect()->constructionAnswers[0], 2);
    EXPECT_EQ(effect()->constructionAnswers[1], 0);
    EXPECT_EQ(effect()->constructionAnswers[2], 44100);
    EXPECT_EQ(effect()->constructionAnswers[3], 1024);
    EXPECT_TRUE(callback.notices.empty());
}

TEST_F(WrapperLoading, ChannelCountIsTheLargestOfInputsOutputsAndTwo)
{
    struct Case
    {
        int32_t inputs, outputs, channels;
    };
    for (const Case c : {Case{1, 1, 2}, Case{2, 2, 2}, Case{1, 6, 6}, Case{4, 2, 4}}) {
        RecordingEffectConfig config;
        config.numInputs = c.inputs;
        config.numOutputs = c.outputs;
        int channels = 0;
        load(config).GetNumChannels(&channels);
        EXPECT_EQ(channels, c.channels) << c.inputs << " in, " << c.outputs << " out";
    }
}

TEST_F(WrapperLoading, FailuresLeaveAnInstanceThatAnswersAsWithoutAnEffect)
{
    struct Case
    {
        const char* what;
        const char* file;
        RecordingEffectConfig config;
        bool message;
        bool ready;
    };
    RecordingEffectConfig noRecord, nullDispatcher, badMagic;
    noRecord.returnNoRecord = true;
    nullDispatcher.nullDispatcher = true;
    badMagic.badMagic = true;
    const Case cases[] = {
        {"missing library", "No Such Effect.dll", {}, true, false},
        {"library without an entry point", "DSPManager.dll", {}, true, false},
        {"entry returns nothing", kRecordingEffectFile, noRecord, true, false},
        {"record without a dispatcher", kRecordingEffectFile, nullDispatcher, false, true},
        {"record with a bad magic", kRecordingEffectFile, badMagic, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages().clear();
        configure(c.config);
        log().callCount = 0;
        const int32_t instancesBefore = log().liveInstances;
        {
        CPluginWrapper w(&owner);
        w.LoadEffectLibrary(c.file);
        EXPECT_FALSE(w.isLoaded());
        EXPECT_EQ(w.isReady(), c.ready);
        EXPECT_EQ(messages(), c.message ? std::vector<std::string>{"Plug-in core lib failed to load."}
                                        : std::vector<std::string>{});
        EXPECT_TRUE(opcodes().empty()) << "nothing is sent to a record that was not adopted";

        char text[36] = "untouched";
        int size = 0, width = -1, height = -1;
        EXPECT_EQ(w.GetNumParams(), 0);
        EXPECT_EQ(w.GetParameter(0), 0.0f);
        w.GetParamName(0, text);
        EXPECT_STREQ(text, "untouched");
        EXPECT_FALSE(w.CanBeAutomated(0));
        EXPECT_EQ(w.GetLatency(), 0);
        w.GetStateSize(&size);
        EXPECT_EQ(size, 8);
        // The 8-byte state is saved as it was announced, so a host can save a session holding the instance.
        uint8_t state[64];
        std::memset(state, 0xAB, sizeof state);
        EXPECT_EQ(w.SaveEffectState(state, sizeof state), 8u);
        EXPECT_EQ(std::count(state, state + 8, 0), 8);
        EXPECT_EQ(state[8], 0xAB);
        EXPECT_EQ(w.SaveEffectState(state, 7), 0u) << "a buffer too small for it gets nothing";
        w.GetEditorSize(&width, &height);
        EXPECT_EQ(width, 0);
        EXPECT_EQ(height, 0);
        float in[4] = {1, 2, 3, 4}, out[4] = {};
        float* inputs[4] = {in, in, in, in};
        float* outputs[2] = {out, out};
        w.ProcessEffectBlock(inputs, outputs, 4, nullptr);
        EXPECT_EQ(out[3], 0.0f);
        }
        // A record that was not adopted is never sent the close request: it stays the effect's to free.
        EXPECT_EQ(log().liveInstances, instancesBefore + (c.ready ? 1 : 0));
    }
}

TEST_F(WrapperLoading, UnloadClosesTheEditorThenTheEffect)
{
    CPluginWrapper& w = load();
    void* parent = platform::createTestParentWindow(800, 600);
    w.OpenEditorWindow(parent);
    log().callCount = 0;
    const int32_t instancesBefore = log().liveInstances;
    w.UnloadEffectLibrary();
    EXPECT_EQ(opcodes(), (std::vector<int32_t>{effEditClose, effClose}));
    EXPECT_FALSE(w.isLoaded());
    EXPECT_FALSE(w.isEditorOpen());
    EXPECT_EQ(log().liveInstances, instancesBefore - 1);
    EXPECT_EQ(w.GetNumParams(), 0);
    platform::destroyWindow(parent);
}

TEST_F(WrapperLoading, LoadingAgainUnloadsTheFirstEffect)
{
    CPluginWrapper& w = load();
    const int32_t instances = log().liveInstances;
    w.LoadEffectLibrary(kRecordingEffectFile);
    EXPECT_EQ(log().liveInstances, instances);
    EXPECT_EQ(opcodes(), (std::vector<int32_t>{effClose, effOpen, effSetSampleRate}));
}

}  // namespace

// The AAX client object and its GUI object in this process, on the stand-in host's context: the play head from the
// host's transport, the bypass's short titles, nudges, offline notifications, and the editor requests the GUI
// object sends the effect (seen through a recording dispatcher put in front of the effect's own).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aax/bridge/JuceAAX_GUI.h"
#include "aax/bridge/JuceAAX_Processor.h"
#include "aax/library/AAX_IEffectGUI.h"
#include "aax/library/AAX_IParameter.h"
#include "effect/vst2/Opcodes.h"
#include "hosts/aax/HostString.h"
#include "hosts/aax/InstanceContext.h"

namespace {

using AAXClasses::JuceAAX_GUI;
using AAXClasses::JuceAAX_Processor;

// A host's reference to a new plug-in object: its interface of iid, taken through its private unknown.
template <typename Interface>
Interface* take(void* unknown, const acf::Uid& iid)
{
    void* iface = nullptr;
    if (unknown == nullptr || acf::tableOf<acf::UnknownTable>(unknown).query(unknown, &iid, &iface) != 0)
        return nullptr;
    return static_cast<Interface*>(iface);
}

class ClientObject : public ::testing::Test
{
protected:
    void SetUp() override
    {
        parameters = take<AAX_IACFEffectParameters_V2>(JuceAAX_Processor::Create(), acf::kIidEffectParametersV2);
        ASSERT_NE(parameters, nullptr);
        // The host applies what the plug-in posts, as a host does.
        context.automation().onPost = [this](const std::string& id, AAX_CParamValue value) {
            parameters->ApplyHostParameterValue(id.c_str(), value);
        };
        ASSERT_EQ(parameters->Initialise(static_cast<IACFUnknown*>(context.context())), 0);
        client = dynamic_cast<JuceAAX_Processor*>(parameters);
        ASSERT_NE(client, nullptr);
        ASSERT_NE(client->processor().effectRecord(), nullptr) << "the effect library must lie beside the test";
    }
    void TearDown() override
    {
        context.automation().onPost = nullptr;
        if (parameters != nullptr)
        {
            parameters->Shutdown();
            parameters->Release();
        }
    }

    aaxkit::InstanceContext context;
    AAX_IACFEffectParameters_V2* parameters = nullptr;
    JuceAAX_Processor* client = nullptr;
};

TEST_F(ClientObject, PlayHeadReadsTheHostsTransport)
{
    aaxkit::Transport& transport = context.transport();
    transport.tempo = 93.0;
    transport.numerator = 7;
    transport.denominator = 8;
    transport.ticks = 960000 * 3;
    transport.looping = true;
    transport.loopStart = 960000;
    transport.loopEnd = 960000 * 5 / 2;
    transport.samplePosition = 88200;
    transport.selectionStart = 22050;
    transport.frameRateCode = 7;
    transport.frameOffset = 23976;

    auto position = client->getPosition();
    ASSERT_TRUE(position.hasValue());
    EXPECT_EQ(*position->getBpm(), 93.0);
    EXPECT_EQ(position->getTimeSignature()->numerator, 7);
    EXPECT_EQ(position->getTimeSignature()->denominator, 8);
    EXPECT_FALSE(position->getIsPlaying());
    EXPECT_FALSE(position->getIsRecording());
    // Not playing: the selection's start; its seconds at the host's rate.
    EXPECT_EQ(*position->getTimeInSamples(), 22050);
    EXPECT_DOUBLE_EQ(*position->getTimeInSeconds(), 0.5);
    EXPECT_DOUBLE_EQ(*position->getPpqPosition(), 3.0);
    EXPECT_TRUE(position->getIsLooping());
    EXPECT_DOUBLE_EQ(position->getLoopPoints()->ppqStart, 1.0);
    EXPECT_DOUBLE_EQ(position->getLoopPoints()->ppqEnd, 2.5);
    EXPECT_DOUBLE_EQ(*position->getPpqPositionOfLastBarStart(), 0.0);
    // Code 7: shown as 24 frames a second, counted at 23.976.
    ASSERT_TRUE(position->getFrameRate().hasValue());
    EXPECT_EQ(position->getFrameRate()->getBaseRate(), 24);
    EXPECT_FALSE(position->getFrameRate()->isPullDown());
    EXPECT_NEAR(*position->getEditOriginTime(), 1000.0, 1e-9);

    // Playing: the sample position.
    transport.playing = true;
    position = client->getPosition();
    EXPECT_EQ(*position->getTimeInSamples(), 88200);
    EXPECT_DOUBLE_EQ(*position->getTimeInSeconds(), 2.0);

    const struct
    {
        int32_t code;
        int base;
        bool pullDown, drop;
        double framesPerSecond;
    } rates[] = {{1, 24, false, false, 24.0},         {2, 25, false, false, 25.0},
                 {3, 30, true, false, 29.97002997},   {4, 30, true, true, 29.97002997},
                 {5, 30, false, false, 30.0},         {6, 30, false, true, 30.0}};
    for (const auto& rate : rates)
    {
        transport.frameRateCode = rate.code;
        transport.frameOffset = 3000;
        position = client->getPosition();
        ASSERT_TRUE(position->getFrameRate().hasValue()) << rate.code;
        EXPECT_EQ(position->getFrameRate()->getBaseRate(), rate.base) << rate.code;
        EXPECT_EQ(position->getFrameRate()->isPullDown(), rate.pullDown) << rate.code;
        EXPECT_EQ(position->getFrameRate()->isDrop(), rate.drop) << rate.code;
        EXPECT_NEAR(*position->getEditOriginTime(), 3000.0 / rate.framesPerSecond, 1e-9) << rate.code;
    }
    // An unknown code leaves the rate unknown and counts 24 frames a second.
    transport.frameRateCode = 9;
    transport.frameOffset = 48;
    position = client->getPosition();
    EXPECT_FALSE(position->getFrameRate().hasValue());
    EXPECT_DOUBLE_EQ(*position->getEditOriginTime(), 2.0);
}

TEST(ClientObjectWithoutSecondTransport, PlayHeadTakesTheSamplePositionAndKnowsNoFrameRate)
{
    aaxkit::ContextOptions options;
    options.transport2 = false;
    aaxkit::InstanceContext context(options);
    context.transport().samplePosition = 4410;
    context.transport().selectionStart = 1;
    context.transport().frameRateCode = 1;
    context.transport().frameOffset = 240;
    auto* parameters = take<AAX_IACFEffectParameters_V2>(JuceAAX_Processor::Create(), acf::kIidEffectParametersV2);
    ASSERT_NE(parameters, nullptr);
    ASSERT_EQ(parameters->Initialise(static_cast<IACFUnknown*>(context.context())), 0);
    const auto position = dynamic_cast<JuceAAX_Processor*>(parameters)->getPosition();
    EXPECT_EQ(*position->getTimeInSamples(), 4410);
    EXPECT_FALSE(position->getFrameRate().hasValue());
    EXPECT_EQ(*position->getEditOriginTime(), 0.0);
    parameters->Shutdown();
    parameters->Release();
}

TEST_F(ClientObject, BypassShortTitlesByLength)
{
    const struct
    {
        int32_t length;
        const char* title;
    } cases[] = {{40, "Master Bypass"}, {13, "Master Bypass"}, {12, "Mast Byp"}, {8, "Mast Byp"},
                 {7, "MstByp"},         {6, "MstByp"},        {5, "MByp"},      {0, "MByp"}};
    for (const auto& c : cases)
    {
        aaxkit::HostString title;
        EXPECT_EQ(parameters->GetParameterShortTitle("MasterBypassID", &title, c.length), 0) << c.length;
        EXPECT_EQ(title.text, c.title) << c.length;
    }
    aaxkit::HostString title;
    EXPECT_EQ(parameters->GetParameterShortTitle("8", &title, 4), 0);
    EXPECT_EQ(title.text, "8: T");
}

TEST_F(ClientObject, NudgeNearOneSetsTheEffectToOneAndTheParameterToItsTop)
{
    const struct
    {
        float start;
        double delta;
        float effect;
    } cases[] = {{0.9f, 0.3, 1.0f}, {0.95f, 0.05, 1.0f}, {0.1f, -0.3, 0.0f}, {0.5f, 0.25, 0.75f}};
    for (const auto& c : cases)
    {
        client->processor().setEffectParameter(8, c.start);
        EXPECT_EQ(parameters->NudgeParameter("8", c.delta), 0);
        EXPECT_FLOAT_EQ(client->processor().getEffectParameter(8), c.effect) << c.start << " " << c.delta;
        AAX_IParameter* parameter = nullptr;
        ASSERT_EQ(parameters->GetParameterObject("8", &parameter), 0);
        EXPECT_FLOAT_EQ(static_cast<float>(parameter->GetNormalizedValue()), c.effect) << c.start << " " << c.delta;
    }
}

TEST_F(ClientObject, OfflineNotificationsSwitchTheProcessorsRealtimeState)
{
    EXPECT_FALSE(client->processor().isNonRealtime());
    EXPECT_EQ(parameters->OnNotification(AAX_FourCC('A', 'X', 'o', 'f'), nullptr, 0), 0);
    EXPECT_TRUE(client->processor().isNonRealtime());
    EXPECT_EQ(parameters->OnNotification(AAX_FourCC('A', 'X', 'o', 'x'), nullptr, 0), 0);
    EXPECT_FALSE(client->processor().isNonRealtime());
}

// The requests the GUI object sends the effect. The editor requests themselves do not reach the effect (no real
// window exists here); everything else does.
struct Request
{
    int32_t opcode;
    void* ptr;
};
std::vector<Request> gRequests;
DispatchFunction gEffectDispatcher = nullptr;

intptr_t recordingDispatcher(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    if (opcode == effEditOpen || opcode == effEditClose || opcode == effEditIdle)
    {
        gRequests.push_back({opcode, ptr});
        return opcode == effEditOpen ? 1 : 0;
    }
    if (opcode == effEditGetRect)
        gRequests.push_back({opcode, ptr});
    return gEffectDispatcher(effect, opcode, index, value, ptr, opt);
}

class GuiObject : public ClientObject
{
protected:
    void SetUp() override
    {
        ClientObject::SetUp();
        if (HasFatalFailure())
            return;
        record = client->processor().effectRecord();
        gEffectDispatcher = record->dispatcher;
        record->dispatcher = &recordingDispatcher;
        gRequests.clear();
        gui = take<AAX_IEffectGUI>(JuceAAX_GUI::Create(), acf::kIidEffectGui);
        ASSERT_NE(gui, nullptr);
        guiContext.answer(acf::kIidEffectParameters, static_cast<AAX_IEffectParameters*>(parameters));
        ASSERT_EQ(gui->Initialise(static_cast<IACFUnknown*>(guiContext.context())), 0);
    }
    void TearDown() override
    {
        if (gui != nullptr)
        {
            gui->Shutdown();
            gui->Release();
        }
        if (record != nullptr)
            record->dispatcher = gEffectDispatcher;
        ClientObject::TearDown();
    }
    std::vector<int32_t> opcodes() const
    {
        std::vector<int32_t> result;
        for (const Request& request : gRequests)
            result.push_back(request.opcode);
        return result;
    }

    aaxkit::InstanceContext guiContext;
    EffectRecord* record = nullptr;
    AAX_IEffectGUI* gui = nullptr;
    int window = 0;
};

TEST_F(GuiObject, OpensTheEditorOnlyInANativeWindowAndClosesIt)
{
    const struct
    {
        const char* name;
        int32_t type;
        void* view;
        bool opens;
    } cases[] = {
        {"native window", acf::kViewNativeWindow, &window, true},
        {"another kind of view", 2, &window, false},
        {"a native window without a view", acf::kViewNativeWindow, nullptr, false},
    };
    for (const auto& c : cases)
    {
        gRequests.clear();
        guiContext.views().type = c.type;
        guiContext.views().view = c.view;
        EXPECT_EQ(gui->AttachViewContainer(static_cast<IACFUnknown*>(guiContext.viewContainer())), 0);
        if (c.opens)
        {
            ASSERT_EQ(opcodes(), std::vector<int32_t>{effEditOpen}) << c.name;
            EXPECT_EQ(gRequests[0].ptr, &window) << c.name;
        }
        else
        {
            EXPECT_TRUE(gRequests.empty()) << c.name;
        }
        gRequests.clear();
        EXPECT_EQ(gui->AttachViewContainer(nullptr), 0);
        EXPECT_EQ(opcodes(), std::vector<int32_t>{effEditClose}) << c.name;
    }
}

TEST_F(GuiObject, ResizeRequestIsAnsweredBySettingTheViewSizeWithoutAnIdle)
{
    guiContext.views().view = &window;
    ASSERT_EQ(gui->AttachViewContainer(static_cast<IACFUnknown*>(guiContext.viewContainer())), 0);
    gRequests.clear();
    EXPECT_EQ(gui->OnTimer(), 0);
    EXPECT_EQ(opcodes(), std::vector<int32_t>{effEditIdle});
    EXPECT_TRUE(guiContext.views().sizes.empty());

    gRequests.clear();
    // The effect asks its host for a resize.
    EXPECT_EQ(PellixAudioProcessor::effectHostCallback(record, audioMasterSizeWindow, 900, 300, nullptr, 0.0f), 1);
    EXPECT_EQ(gui->OnTimer(), 0);
    EXPECT_EQ(opcodes(), std::vector<int32_t>{effEditGetRect});
    ASSERT_EQ(guiContext.views().sizes.size(), 1u);
    EXPECT_EQ(guiContext.views().sizes[0].vertical, 286.0f);
    EXPECT_EQ(guiContext.views().sizes[0].horizontal, 811.0f);

    gRequests.clear();
    EXPECT_EQ(gui->OnTimer(), 0);
    EXPECT_EQ(opcodes(), std::vector<int32_t>{effEditIdle});
    EXPECT_EQ(guiContext.views().sizes.size(), 1u);
    gui->AttachViewContainer(nullptr);
}

}  // namespace

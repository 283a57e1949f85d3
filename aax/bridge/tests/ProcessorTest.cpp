// The processor with the real effect, loaded from beside the test program (the build copies it there).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <ostream>
#include <vector>

#include "aax/bridge/PellixAudioProcessor.h"
#include "aax/bridge/tests/BridgeTestSupport.h"
#include "effect/vst2/Opcodes.h"

namespace {

using bridgetest::Notice;

class Processor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        processor = std::make_unique<PellixAudioProcessor>();
        ASSERT_NE(processor->effectRecord(), nullptr) << "the effect library must lie beside the test program";
        processor->addListener(&listener);
    }
    void TearDown() override
    {
        if (processor)
            processor->removeListener(&listener);
    }
    EffectRecord* record() { return processor->effectRecord(); }
    intptr_t callback(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr, float opt = 0.0f)
    {
        return PellixAudioProcessor::effectHostCallback(record(), opcode, index, value, ptr, opt);
    }
    std::vector<Notice> changes()
    {
        std::vector<Notice> result;
        for (const Notice& notice : listener.notices())
            if (notice.kind == Notice::Changed)
                result.push_back(notice);
        return result;
    }

    juce::ScopedJuceInitialiser_GUI juce_;
    bridgetest::RecordingListener listener;
    std::unique_ptr<PellixAudioProcessor> processor;
};

TEST_F(Processor, HoldsTheLoadedEffectsRecordAndMirrorsItsCounts)
{
    EXPECT_EQ(record()->resvd1, reinterpret_cast<intptr_t>(processor.get()));
    EXPECT_TRUE(processor->isInitialised());
    EXPECT_EQ(processor->getNumParameters(), 16);
    EXPECT_EQ(processor->getNumPrograms(), record()->numPrograms);
    EXPECT_EQ(processor->getName(), "Qor Kalvenor");
    EXPECT_EQ(processor->getInputChannelName(0), "1");
    EXPECT_EQ(processor->getOutputChannelName(1), "2");
    EXPECT_EQ(processor->getLatencySamples(), record()->initialDelay);
    EXPECT_EQ(processor->pushCountdown(), -1);
}

TEST_F(Processor, BridgeParameterNamesAndWhichAreAutomatable)
{
    EXPECT_EQ(processor->getParameterName(8), "8: Threshold");
    EXPECT_EQ(processor->getParameterName(8, 4), "8: T");
    EXPECT_EQ(processor->getParameterName(3), "3: -");
    const struct
    {
        int index;
        bool automatable;
    } cases[] = {{0, true}, {3, false}, {7, false}, {8, true}, {14, false}, {15, false}, {-1, false}, {16, false}};
    for (const auto& c : cases)
        EXPECT_EQ(processor->isParameterAutomatable(c.index), c.automatable) << c.index;
}

TEST_F(Processor, ProbeCountsDistinctTextsFillsTheCacheAndRestoresTheValue)
{
    processor->setEffectParameter(8, 0.37f);
    processor->setEffectParameter(0, 1.0f);
    EXPECT_EQ(processor->getParameterNumSteps(0), 2);  // a switch: two texts
    EXPECT_EQ(processor->getParameterNumSteps(3), 1);  // a placeholder: one text throughout
    EXPECT_GE(processor->getParameterNumSteps(8), 3);  // continuous
    EXPECT_EQ(processor->getEffectParameter(8), 0.37f);
    EXPECT_EQ(processor->getEffectParameter(0), 1.0f);

    const PellixAudioProcessor::TextCell* power = processor->textCacheRow(0);
    ASSERT_NE(power, nullptr);
    EXPECT_STRNE(power[0], power[99]);
    EXPECT_STREQ(power[49], power[0]);
    EXPECT_STREQ(power[50], power[99]);
    for (int d = 0; d < PellixAudioProcessor::kTextCells; ++d)
        EXPECT_LE(std::strlen(power[d]), 16u);
    // Rows not probed yet still hold the placeholder text.
    EXPECT_STREQ(processor->textCacheRow(9)[0], "---");
    EXPECT_EQ(processor->textCacheRow(16), nullptr);
    EXPECT_EQ(processor->textCacheRow(-1), nullptr);
}

TEST_F(Processor, HostWritesReachTheEffectBeforeAnyRefresh)
{
    // A freshly inserted instance takes host automation at once, not only after a push of all values.
    processor->setParameter(8, 0.25f);
    EXPECT_EQ(processor->getParameter(8), 0.25f);
    EXPECT_EQ(processor->getEffectParameter(8), 0.25f);
}

TEST_F(Processor, PushSendsEveryEffectValueAndKeepsTheEchoOutOfTheEffect)
{
    processor->setEffectParameter(8, 0.4f);
    listener.echo = true;
    listener.echoValue = 0.9f;
    processor->pushParametersToHost();
    const std::vector<Notice> pushed = changes();
    ASSERT_EQ(pushed.size(), 16u);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(pushed[static_cast<size_t>(i)].index, i);
    EXPECT_EQ(pushed[8].value, 0.4f);
    EXPECT_EQ(processor->getEffectParameter(8), 0.4f);  // the echo of 0.9 never reached the effect

    // After the push, host writes reach the effect again.
    listener.echo = false;
    processor->setParameter(8, 0.6f);
    EXPECT_EQ(processor->getEffectParameter(8), 0.6f);
}

TEST_F(Processor, EffectEditsAndGesturesReachTheAaxSide)
{
    EXPECT_EQ(callback(audioMasterBeginEdit, 8), 0);
    EXPECT_EQ(callback(audioMasterAutomate, 8, 0, nullptr, 0.5f), 0);
    EXPECT_EQ(callback(audioMasterAutomate, 8, 0, nullptr, 1.5f), 0);   // outside 0..1: ignored
    EXPECT_EQ(callback(audioMasterAutomate, 8, 0, nullptr, -0.1f), 0);  // likewise
    EXPECT_EQ(callback(audioMasterAutomate, 16, 0, nullptr, 0.5f), 0);  // not a parameter
    EXPECT_EQ(callback(audioMasterEndEdit, 8), 0);
    EXPECT_EQ(callback(audioMasterBeginEdit, 99), 0);  // not a parameter: nothing
    const std::vector<Notice> notices = listener.notices();
    ASSERT_EQ(notices.size(), 3u);
    EXPECT_EQ(notices[0].kind, Notice::GestureBegin);
    EXPECT_EQ(notices[1].kind, Notice::Changed);
    EXPECT_EQ(notices[1].index, 8);
    EXPECT_EQ(notices[1].value, 0.5f);
    EXPECT_EQ(notices[2].kind, Notice::GestureEnd);
}

TEST_F(Processor, HostCallbackAnswersWithAProcessor)
{
    processor->setRateAndBufferSizeDetails(48000.0, 256);
    char text[64] = {};
    const struct
    {
        int32_t opcode;
        int32_t index;
        intptr_t answer;
    } cases[] = {
        {audioMasterVersion, 0, 2},         {audioMasterCurrentId, 0, 0x514B7670}, {audioMasterPinConnected, 1, 0},
        {audioMasterPinConnected, 2, 1},    {audioMasterGetSampleRate, 0, 48000},  {audioMasterGetBlockSize, 0, 256},
        {audioMasterVendorSpecific, 0, 1},  {audioMasterIdle, 0, 0},               {audioMasterUpdateDisplay, 0, 0},
        {audioMasterSizeWindow, 0, 1},      {1234, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(callback(c.opcode, c.index), c.answer) << c.opcode << " " << c.index;
    EXPECT_TRUE(processor->takeResizeRequest());
    EXPECT_FALSE(processor->takeResizeRequest());
    EXPECT_EQ(processor->pushCountdown(), 3);

    callback(audioMasterGetVendorString, 0, 0, text);
    EXPECT_STREQ(text, "QorVelmont");
    callback(audioMasterGetProductString, 0, 0, text);
    EXPECT_STREQ(text, "Qor_AAX");
    EXPECT_EQ(callback(audioMasterGetVendorString), 0);  // null text: nothing written

    const auto* time = reinterpret_cast<const EffectTimeInfo*>(callback(audioMasterGetTime));
    ASSERT_EQ(time, processor->getTimeInfo());
    EXPECT_EQ(time->sampleRate, 44100.0);  // fixed, whatever the host's rate
    EXPECT_EQ(time->tempo, 120.0);
    EXPECT_EQ(time->timeSigNumerator, 4);
    EXPECT_EQ(time->timeSigDenominator, 4);
    EXPECT_EQ(time->flags, 0x600);
    EXPECT_EQ(time->samplePos, 0.0);
}

TEST(HostCallback, CanDoTable)
{
    const struct
    {
        const char* text;
        intptr_t answer;
    } cases[] = {
        {"sendVstEvents", 1},   {"sendVstMidiEvent", 1}, {"sendVstTimeInfo", 1}, {"receiveVstEvents", 0},
        {"sizeWindow", 0},      {"offline", 0},          {"supplyIdle", 1},      {"supportShell", 0},
        {"<end>", 0},           {"startStopProcess", 0}, {"SupplyIdle", 0},      {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PellixAudioProcessor::effectHostCallback(nullptr, audioMasterCanDo, 0, 0, const_cast<char*>(c.text),
                                                           0.0f),
                  c.answer)
            << c.text;
    EXPECT_EQ(PellixAudioProcessor::effectHostCallback(nullptr, audioMasterCanDo, 0, 0, nullptr, 0.0f), 0);
}

TEST(HostCallback, CallsBeforeAnyProcessorHoldsTheRecordGetHostlessAnswers)
{
    // What the effect meets while its entry point runs: its record's first reserved word is still 0.
    EffectRecord unheld{};
    for (EffectRecord* record : {static_cast<EffectRecord*>(nullptr), &unheld})
    {
        const struct
        {
            int32_t opcode;
            int32_t index;
            float opt;
            intptr_t answer;
        } cases[] = {
            {audioMasterAutomate, 0, 0.5f, 0}, {audioMasterVersion, 0, 0, 2},      {audioMasterGetTime, 0, 0, 0},
            {audioMasterSizeWindow, 0, 0, 1},  {audioMasterGetSampleRate, 0, 0, 44100},
            {audioMasterGetBlockSize, 0, 0, 1024}, {audioMasterUpdateDisplay, 0, 0, 0},
            {audioMasterBeginEdit, 0, 0, 0},   {audioMasterEndEdit, 0, 0, 0},
        };
        for (const auto& c : cases)
            EXPECT_EQ(PellixAudioProcessor::effectHostCallback(record, c.opcode, c.index, 0, nullptr, c.opt), c.answer)
                << c.opcode;
    }
}

TEST_F(Processor, MonoInStereoOutFeedsACopyOfTheLeftInputAsTheSecondRow)
{
    constexpr int kFrames = 64;
    std::vector<float> left(kFrames);
    for (int i = 0; i < kFrames; ++i)
        left[static_cast<size_t>(i)] = 0.5f * std::sin(0.3f * static_cast<float>(i));

    processor->setPlayConfigDetails(1, 2, 44100.0, kFrames);
    juce::AudioBuffer<float> buffer(2, kFrames);
    buffer.copyFrom(0, 0, left.data(), kFrames);
    for (int i = 0; i < kFrames; ++i)
        buffer.setSample(1, i, 123.0f);  // whatever the host left in the second output
    juce::MidiBuffer midi;
    processor->processBlock(buffer, midi);

    // The same signal through a second, identical effect driven directly: the left input and a copy of it, so the
    // effect runs its stereo path and fills both outputs.
    PellixAudioProcessor direct;
    ASSERT_NE(direct.effectRecord(), nullptr);
    std::vector<float> in(left), copy(left), out0(kFrames), out1(kFrames);
    float* inputs[4] = {in.data(), copy.data(), in.data(), in.data()};
    float* outputs[2] = {out0.data(), out1.data()};
    direct.effectRecord()->processReplacing(direct.effectRecord(), inputs, outputs, kFrames);
    for (int i = 0; i < kFrames; ++i)
    {
        ASSERT_EQ(buffer.getSample(0, i), out0[static_cast<size_t>(i)]) << i;
        ASSERT_EQ(buffer.getSample(1, i), out1[static_cast<size_t>(i)]) << i;
        ASSERT_EQ(buffer.getSample(0, i), buffer.getSample(1, i)) << i;
    }
}

// Every request the effect receives, in order, while installed in front of the effect's own dispatcher.
struct Request
{
    int32_t opcode;
    int32_t index;
    intptr_t value;
    float opt;
    bool operator==(const Request& other) const
    {
        return opcode == other.opcode && index == other.index && value == other.value && opt == other.opt;
    }
};
std::vector<Request> gRequests;
DispatchFunction gEffectDispatcher = nullptr;

intptr_t recordingDispatcher(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    gRequests.push_back({opcode, index, value, opt});
    return gEffectDispatcher(effect, opcode, index, value, ptr, opt);
}

std::ostream& operator<<(std::ostream& out, const Request& r)
{
    return out << "{" << r.opcode << ", " << r.index << ", " << r.value << ", " << r.opt << "}";
}

TEST_F(Processor, PrepareRestartsTheEffectAtTheHostsRate)
{
    gEffectDispatcher = record()->dispatcher;
    record()->dispatcher = &recordingDispatcher;
    gRequests.clear();
    processor->setRateAndBufferSizeDetails(48000.0, 128);
    processor->prepareToPlay(48000.0, 128);
    const std::vector<Request> restart = {
        {effMainsChanged, 0, 0, 0.0f}, {effSetSampleRate, 0, 0, 48000.0f}, {effSetBlockSize, 128, 128, 0.0f},
        {effMainsChanged, 1, 1, 0.0f}};
    EXPECT_EQ(gRequests, restart);

    // Rates outside what the effect takes are sent as 44100.
    const struct
    {
        double rate;
        float sent;
    } rates[] = {{1000.0, 44100.0f}, {14999.0, 44100.0f}, {15000.0, 15000.0f}, {96000.0, 96000.0f},
                 {200000.0, 200000.0f}, {200001.0, 44100.0f}, {500000.0, 44100.0f}, {0.0, 44100.0f}};
    for (const auto& r : rates)
    {
        gRequests.clear();
        processor->setEffectSampleRate(r.rate);
        EXPECT_EQ(gRequests, (std::vector<Request>{{effSetSampleRate, 0, 0, r.sent}})) << r.rate;
    }
    record()->dispatcher = gEffectDispatcher;
}

TEST_F(Processor, ProgramsAreTheEffects)
{
    processor->setCurrentProgram(0);
    EXPECT_EQ(processor->getCurrentProgram(), record()->dispatcher(record(), effGetProgram, 0, 0, nullptr, 0.0f));
    char name[64] = {};
    record()->dispatcher(record(), effGetProgramName, 0, 0, name, 0.0f);
    EXPECT_EQ(processor->getProgramName(17), juce::String(name));  // the current program's, whatever is asked
}

}  // namespace

namespace {

TEST_F(Processor, StateRoundTripIntoASecondInstanceKeepsTheEffectsValues)
{
    processor->setEffectParameter(8, 0.3f);
    processor->setEffectParameter(10, 0.7f);
    juce::MemoryBlock saved;
    processor->getStateInformation(saved);
    ASSERT_GE(saved.getSize(), 8u);
    const auto* bytes = static_cast<const uint8_t*>(saved.getData());
    const uint8_t trailer[8] = {0, 0, 0x30, 0, 0, 0, 0x30, 0};
    EXPECT_TRUE(std::equal(trailer, trailer + 8, bytes + saved.getSize() - 8)) << "the chunk form's trailer";

    PellixAudioProcessor second;
    ASSERT_NE(second.effectRecord(), nullptr);
    second.setStateInformation(saved.getData(), static_cast<int>(saved.getSize()));
    EXPECT_EQ(second.getEffectParameter(8), 0.3f);
    EXPECT_EQ(second.getEffectParameter(10), 0.7f);

    juce::MemoryBlock again;
    second.getStateInformation(again);
    EXPECT_EQ(again, saved);
}

TEST_F(Processor, BlobsTheEffectDoesNotTakeChangeNothingAndAreToldApart)
{
    processor->setEffectParameter(8, 0.3f);
    juce::MemoryBlock saved;
    processor->getStateInformation(saved);
    const auto* bytes = static_cast<const uint8_t*>(saved.getData());
    std::vector<uint8_t> unknown(bytes, bytes + saved.getSize());
    unknown[unknown.size() - 8 + 2] = 0x12;  // marker 0x1234
    unknown[unknown.size() - 8 + 3] = 0x34;
    std::vector<uint8_t> refused(bytes, bytes + saved.getSize());
    std::fill(refused.begin(), refused.end() - 8, 0xA5);  // the chunk form around bytes that are no chunk
    processor->setEffectParameter(8, 0.6f);

    const struct
    {
        const char* name;
        const void* data;
        int size;
    } cases[] = {{"unknown marker", unknown.data(), static_cast<int>(unknown.size())},
                 {"too short", saved.getData(), 11},
                 {"chunk the effect refuses", refused.data(), static_cast<int>(refused.size())},
                 {"empty", saved.getData(), 0},
                 {"no data", nullptr, 100}};
    for (const auto& c : cases)
    {
        processor->setStateInformation(c.data, c.size);
        EXPECT_FALSE(processor->lastRestoreAccepted()) << c.name;
        EXPECT_EQ(processor->getEffectParameter(8), 0.6f) << c.name;
    }
    processor->setStateInformation(saved.getData(), static_cast<int>(saved.getSize()));
    EXPECT_TRUE(processor->lastRestoreAccepted());
    EXPECT_EQ(processor->getEffectParameter(8), 0.3f);
}

}  // namespace

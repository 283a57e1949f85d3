// The answers the effect gets when it calls its host, and the can-do table.
#include "rtas/tests/bridge/WrapperFixture.h"

#include "effect/vst2/Opcodes.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

using WrapperCallback = WrapperFixture;

intptr_t call(EffectRecord* record, int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr,
              float opt = 0.0f)
{
    return EffectHostCallback(record, opcode, index, value, ptr, opt);
}

TEST_F(WrapperCallback, AnswersWithAndWithoutAWrapper)
{
    CPluginWrapper& w = load();
    w.SetSampleRate(48000.7f);
    w.SetBlockSize(64);
    EffectRecord* held = w.record();
    EffectRecord unheld{};  // first host-reserved word 0: no wrapper yet

    struct Case
    {
        int32_t opcode;
        intptr_t withWrapper;
        intptr_t withoutWrapper;
    };
    const Case cases[] = {
        {audioMasterVersion, 2, 2},
        {audioMasterCurrentId, 0x514B7670, 0x514B7670},
        {audioMasterGetSampleRate, 48000, 44100},
        {audioMasterGetBlockSize, 64, 1024},
        {audioMasterVendorSpecific, 1, 1},
        {audioMasterWantMidi, 0, 0},
        {audioMasterIOChanged, 0, 0},
        {audioMasterSizeWindow, 0, 0},
        {audioMasterGetDirectory, 0, 0},
        {audioMasterBeginEdit, 0, 0},
        {audioMasterEndEdit, 0, 0},
        {99, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(call(held, c.opcode), c.withWrapper) << "opcode " << c.opcode;
        EXPECT_EQ(call(&unheld, c.opcode), c.withoutWrapper) << "opcode " << c.opcode << " without a wrapper";
    }
    EXPECT_EQ(call(held, audioMasterGetTime), reinterpret_cast<intptr_t>(w.GetTimeInfo()));
    EXPECT_EQ(call(&unheld, audioMasterGetTime), 0);
    EXPECT_EQ(call(nullptr, audioMasterGetTime), 0);
}

TEST_F(WrapperCallback, TimeInfoStartsAtTheDefaults)
{
    CPluginWrapper& w = load();
    const EffectTimeInfo* info = reinterpret_cast<EffectTimeInfo*>(call(w.record(), audioMasterGetTime));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->sampleRate, 44100.0);
    EXPECT_EQ(info->tempo, 120.0);
    EXPECT_EQ(info->ppqPos, 0.0);
    EXPECT_EQ(info->timeSigNumerator, 4);
    EXPECT_EQ(info->timeSigDenominator, 4);
    EXPECT_EQ(info->flags, 0x600);
}

TEST_F(WrapperCallback, PinConnectedAnswersByDirectionAndIndex)
{
    CPluginWrapper& w = load();
    for (int32_t index = 0; index < 6; ++index) {
        EXPECT_EQ(call(w.record(), audioMasterPinConnected, index, 1), index >= 2 ? 1 : 0) << "output " << index;
        EXPECT_EQ(call(w.record(), audioMasterPinConnected, index, 0), index >= 4 ? 1 : 0) << "input " << index;
    }
}

TEST_F(WrapperCallback, VendorAndProductTextsAreCopiedWithTheirTerminator)
{
    CPluginWrapper& w = load();
    char text[32];
    std::memset(text, 'x', sizeof text);
    EXPECT_EQ(call(w.record(), audioMasterGetVendorString, 0, 0, text), 0);
    EXPECT_STREQ(text, "QorVelmont");
    EXPECT_EQ(text[11], 'x') << "nothing is written past the terminator";
    EXPECT_EQ(call(w.record(), audioMasterGetProductString, 0, 0, text), 0);
    EXPECT_STREQ(text, "Zur2Ozer");
    EXPECT_EQ(call(w.record(), audioMasterGetVendorString, 0, 0, nullptr), 0);
}

TEST_F(WrapperCallback, CanDoTable)
{
    struct Case
    {
        const char* name;
        intptr_t answer;
    };
    const Case cases[] = {
        {"sendVstEvents", 1},       {"sendVstMidiEvent", 1},   {"sendVstTimeInfo", 1},
        {"receiveVstEvents", 0},    {"receiveVstMidiEvent", 0}, {"receiveVstTimeInfo", 0},
        {"reportConnectionChanges", 0}, {"acceptIOChanges", 0}, {"sizeWindow", 1},
        {"asyncProcessing", 0},     {"offline", 0},            {"supplyIdle", 1},
        {"supportShell", 0},        {"end", 0},                {"SizeWindow", 0},
        {"supplyIdle ", 0},         {"", 0},                   {"openFileSelector", 0},
    };
    CPluginWrapper& w = load();
    for (const Case& c : cases) {
        char name[64];
        std::strcpy(name, c.name);
        EXPECT_EQ(call(w.record(), audioMasterCanDo, 0, 0, name), c.answer) << '"' << c.name << '"';
    }
    EXPECT_EQ(call(w.record(), audioMasterCanDo, 0, 0, nullptr), 0);
}

TEST_F(WrapperCallback, IdleAndDisplayUpdateReachTheInstance)
{
    CPluginWrapper& w = load();
    w.Dispatch(effSetProgram, 0, 2, nullptr, 0.0f);
    call(w.record(), audioMasterIdle);
    call(w.record(), audioMasterUpdateDisplay);
    ASSERT_EQ(callback.notices.size(), 2u);
    EXPECT_EQ(callback.notices[0].what, "idle");
    EXPECT_EQ(callback.notices[1].what, "display");
    EXPECT_EQ(w.currentProgram(), 2) << "a display refresh takes the effect's current program";
}

// An automated value outside 0..1 is brought into range and reported; it never stops later host writes.
TEST_F(WrapperCallback, AutomatedValuesAreReportedInRangeAndNeverDisableTheParameter)
{
    struct Case
    {
        float sent;
        bool reported;
        float reportedValue;
    };
    const Case cases[] = {
        {0.0f, true, 0.0f},   {1.0f, true, 1.0f},  {0.25f, true, 0.25f},
        {-0.01f, true, 0.0f}, {1.01f, true, 1.0f}, {std::numeric_limits<float>::quiet_NaN(), false, 0.0f},
    };
    CPluginWrapper& w = load();
    for (const Case& c : cases) {
        callback.notices.clear();
        EXPECT_EQ(call(w.record(), audioMasterAutomate, 1, 0, nullptr, c.sent), 0);
        ASSERT_EQ(callback.notices.size(), c.reported ? 1u : 0u) << c.sent;
        if (c.reported) {
            EXPECT_EQ(callback.notices[0].index, 1);
            EXPECT_EQ(callback.notices[0].value, c.reportedValue);
        }
        w.SetParameter(1, 0.75f);
        EXPECT_EQ(w.GetParameter(1), 0.75f) << "host writes still reach parameter 1 after " << c.sent;
        w.SetParameter(1, 0.5f);
    }
}

TEST_F(WrapperCallback, AutomateWithoutAWrapperOrCallbackDoesNothing)
{
    EffectRecord unheld{};
    EXPECT_EQ(call(&unheld, audioMasterAutomate, 0, 0, nullptr, 0.5f), 0);
    CPluginWrapper& w = load();
    w.SetCallback(nullptr);
    EXPECT_EQ(call(w.record(), audioMasterAutomate, 0, 0, nullptr, 0.5f), 0);
    EXPECT_TRUE(callback.notices.empty());
}

}  // namespace

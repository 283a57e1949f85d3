// Connection bookkeeping, the AudioSuite format and the output-stream list.
#include "rtas/framework/AudioSuiteSupport.h"
#include "rtas/framework/CAOSInfo.h"
#include "rtas/framework/CDAEError.h"

#include <gtest/gtest.h>

namespace {

TEST(AudioSuiteConnections, BookkeepingOfA48SlotTable)
{
    int32_t slots[48] = {};
    uint8_t flag = 9;
    for (int32_t index : {0, 49, -1}) {
        EXPECT_EQ(rtas::IsOutputFree(index, slots, 48, &flag), 0) << index;
        EXPECT_EQ(flag, 0);
        EXPECT_EQ(rtas::IsConnected(index, slots, 48, &flag), -7106) << index;
        EXPECT_EQ(rtas::ConnectInput(index, 5, slots, 48), -7106) << index;
        EXPECT_EQ(rtas::Disconnect(index, slots, 48), -7106) << index;
    }
    EXPECT_EQ(rtas::IsOutputFree(48, slots, 48, &flag), 0);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(rtas::ConnectInput(1, 77, slots, 48), 0);
    EXPECT_EQ(rtas::IsConnected(1, slots, 48, &flag), 0);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(rtas::ConnectInput(1, 78, slots, 48), -7100);
    EXPECT_EQ(rtas::ConnectInput(1, 0, slots, 48), 0);  // 0 disconnects without error
    EXPECT_EQ(slots[0], 0);
    EXPECT_EQ(rtas::Disconnect(1, slots, 48), -7107);
    EXPECT_EQ(rtas::ConnectOutput(48, 3, slots, 48), 0);
    EXPECT_EQ(rtas::ConnectOutput(48, 4, slots, 48), -7101);
    EXPECT_EQ(rtas::Disconnect(48, slots, 48), 0);
    int32_t outputs[48] = {};
    slots[3] = outputs[4] = 1;
    rtas::ClearConnectionTables(slots, outputs, 48, 0);
    EXPECT_EQ(slots[3], 0);
    EXPECT_EQ(outputs[4], 1);
}

TEST(AudioSuiteConnections, PositionWordsReachTheFirstOutputs)
{
    rtas::SConnectionRecord shared{};
    shared.position[0] = 11;
    shared.position[1] = 22;
    rtas::SConnectionRecord first{};
    rtas::SConnectionRecord third{};
    rtas::SConnectionRecord* records[] = {&first, nullptr, &third};
    EXPECT_EQ(rtas::PropagateConnectionInfo(&shared, records, 2), 0);
    EXPECT_EQ(first.position[1], 22);
    EXPECT_EQ(third.position[0], 0);
    EXPECT_EQ(rtas::PropagateConnectionInfo(nullptr, records, 3), 0);
}

TEST(AudioSuiteFormat, OnlyTheOneFormatIsAccepted)
{
    rtas::SAudioSuiteFormat format{7, 0, 0, 0, 0.0f};
    EXPECT_EQ(rtas::GetDefaultAudioSuiteFormat(&format), 0);
    EXPECT_EQ(format.callerWord, 7);
    EXPECT_EQ(rtas::CheckAudioSuiteFormat(&format), 0);
    rtas::SAudioSuiteFormat noRate = format;
    noRate.sampleRate = 0.0f;
    EXPECT_EQ(rtas::CheckAudioSuiteFormat(&noRate), -7104);
    rtas::SAudioSuiteFormat other = format;
    other.c = 2;
    EXPECT_EQ(rtas::CheckAudioSuiteFormat(&other), -7104);
    EXPECT_EQ(rtas::CheckAudioSuiteFormat(nullptr), -7104);
}

TEST(OutputStreams, AnEmptyListAndOneStereoStream)
{
    CAOSInfoList list;
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.HasChannel(0));
    EXPECT_EQ(list.GetChannelFlag(3), 1);
    EXPECT_THROW(list.Get(0), CDAEError);
    EXPECT_THROW(list.Add(nullptr), CDAEError);
    EXPECT_THROW(CAOSInfo(11, 0, "x", 1), CDAEError);
    EXPECT_EQ(list.Add(new CAOSInfo(1, 4, "Main", 5)), 2);
    int32_t entry = 0;
    int32_t position = 0;
    EXPECT_TRUE(list.FindChannel(5, &entry, &position));
    EXPECT_EQ(entry, 0);
    EXPECT_EQ(position, 1);
    EXPECT_FALSE(list.FindChannel(6, &entry, &position));
    EXPECT_EQ(entry, -1);
    EXPECT_EQ(list.GetChannelFlag(5), 0);
    list.SetChannelFlag(5, 1);
    EXPECT_EQ(list.GetChannelFlag(5), 1);
    SAOSDescription out;
    list.GetDescription(0, &out);
    EXPECT_EQ(out.streamValue, 1);  // clamped
    EXPECT_EQ(out.firstChannel, 4);
    EXPECT_STREQ(out.name, "Main");
    SAOSDescription untouched;
    untouched.firstChannel = 42;
    list.GetDescription(1, &untouched);
    EXPECT_EQ(untouched.firstChannel, 42);
}

}  // namespace

// Process blocks: the effect's call, the transport, MIDI events with their limit, and blocks that meet bank work.
#include "rtas/tests/bridge/WrapperFixture.h"

#include "effect/vst2/Opcodes.h"

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

namespace {

using WrapperProcess = WrapperFixture;

struct Rows
{
    float in0[64], in1[64], out0[64], out1[64];
    float* inputs[4] = {in0, in1, in0, in0};
    float* outputs[2] = {out0, out1};
    Rows()
    {
        for (int i = 0; i < 64; ++i) {
            in0[i] = float(i + 1);
            in1[i] = -float(i + 1);
            out0[i] = out1[i] = 999.0f;
        }
    }
};

TEST_F(WrapperProcess, ABlockRunsTheEffectOnce)
{
    CPluginWrapper& w = load();
    Rows rows;
    w.ProcessEffectBlock(rows.inputs, rows.outputs, 32, nullptr);
    EXPECT_EQ(countOf(kCallProcessReplacing), 1);
    EXPECT_EQ(rows.out0[31], 16.0f);
    EXPECT_EQ(rows.out1[31], -16.0f);
    EXPECT_EQ(rows.out0[32], 999.0f) << "nothing past the block";
    EXPECT_EQ(countOf(effProcessEvents), 0) << "no events, no events request";
}

TEST_F(WrapperProcess, TransportSetsTempoPositionAndPlayingChanges)
{
    CPluginWrapper& w = load();
    Rows rows;
    CPluginWrapperTransport transport;
    transport.tempo = 90.0;
    transport.positionTicks = 2400000;  // 2.5 quarter notes
    transport.playing = true;
    w.ProcessEffectBlock(rows.inputs, rows.outputs, 8, &transport);
    const EffectTimeInfo* info = w.GetTimeInfo();
    EXPECT_EQ(info->tempo, 90.0);
    EXPECT_EQ(info->ppqPos, 2.5);
    EXPECT_EQ(info->flags & 0x2, 0x2);
    EXPECT_EQ(info->flags & 0x1, 0) << "the changed bit lasts one block";
    EXPECT_EQ(info->flags & 0x600, 0x600);

    transport.playing = false;
    w.ProcessEffectBlock(rows.inputs, rows.outputs, 8, &transport);
    EXPECT_EQ(info->flags & 0x3, 0);
    w.ProcessEffectBlock(rows.inputs, rows.outputs, 8, nullptr);
    EXPECT_EQ(info->tempo, 90.0) << "a block without transport leaves it";
}

TEST_F(WrapperProcess, MidiEventsReachTheNextBlockUpToTheLimit)
{
    CPluginWrapper& w = load();
    for (int i = 0; i < 1025; ++i)
        w.QueueMidiEvent(0x90, 60, uint8_t(i), 7, i);
    Rows rows;
    w.ProcessEffectBlock(rows.inputs, rows.outputs, 16, nullptr);
    ASSERT_EQ(countOf(effProcessEvents), 1);
    EXPECT_EQ(log().lastEventCount, 1024) << "the 1025th event was dropped";
    // The event as the effect reads it: type 1, size 32, delta frames at 8, the MIDI bytes at 24 to 27.
    int32_t words[3];
    std::memcpy(words, log().firstEvent, sizeof words);
    EXPECT_EQ(words[0], 1);
    EXPECT_EQ(words[1], 32);
    EXPECT_EQ(words[2], 0);
    EXPECT_EQ(log().firstEvent[24], 0x90);
    EXPECT_EQ(log().firstEvent[25], 60);
    EXPECT_EQ(log().firstEvent[26], 0);
    EXPECT_EQ(log().firstEvent[27], 7);
    for (int b : {12, 16, 20, 28, 29, 30, 31})
        EXPECT_EQ(log().firstEvent[b], 0) << "byte " << b;

    // Both blocks are empty again: the next block sends nothing, and the queue takes events again.
    w.ProcessEffectBlock(rows.inputs, rows.outputs, 16, nullptr);
    EXPECT_EQ(countOf(effProcessEvents), 1);
    w.QueueMidiEvent(0x80, 60, 0, 0, 3);
    w.ProcessEffectBlock(rows.inputs, rows.outputs, 16, nullptr);
    EXPECT_EQ(countOf(effProcessEvents), 2);
    EXPECT_EQ(log().lastEventCount, 1);
}

TEST_F(WrapperProcess, ABlockDuringBankWorkPassesTheDryInput)
{
    CPluginWrapper& w = load();
    Rows rows;
    w.beginBankWork();
    w.ProcessEffectBlock(rows.inputs, rows.outputs, 32, nullptr);
    w.endBankWork();
    EXPECT_EQ(countOf(kCallProcessReplacing), 0) << "the effect is not called while its bank is rewritten";
    for (int i = 0; i < 32; ++i) {
        ASSERT_EQ(rows.out0[i], rows.in0[i]);
        ASSERT_EQ(rows.out1[i], rows.in1[i]);
    }
    EXPECT_EQ(rows.out0[32], 999.0f);

    // A mono effect's one input feeds both outputs.
    RecordingEffectConfig mono;
    mono.numInputs = 1;
    CPluginWrapper& m = load(mono);
    Rows monoRows;
    m.beginBankWork();
    m.ProcessEffectBlock(monoRows.inputs, monoRows.outputs, 8, nullptr);
    m.endBankWork();
    EXPECT_EQ(monoRows.out1[7], monoRows.in0[7]);
}

TEST_F(WrapperProcess, BankWorkWaitsForTheBlockInProgress)
{
    CPluginWrapper& w = load();
    RecordingEffect* e = effect();
    e->holdProcess = 1;
    Rows rows;
    std::thread audio([&] { w.ProcessEffectBlock(rows.inputs, rows.outputs, 16, nullptr); });
    while (e->processEntered == 0)
        std::this_thread::yield();

    std::atomic<bool> bankStarted{false};
    std::thread gui([&] {
        w.beginBankWork();
        bankStarted = true;
        w.endBankWork();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(bankStarted.load()) << "bank work began while a block was in the effect";
    e->holdProcess = 0;
    audio.join();
    gui.join();
    EXPECT_TRUE(bankStarted.load());
}

// Blocks and bank work hammering each other: the effect never runs while bank work holds the audio path off.
TEST_F(WrapperProcess, BlocksAndBankWorkNeverOverlap)
{
    CPluginWrapper& w = load();
    std::atomic<bool> stop{false};
    std::thread audio([&] {
        Rows rows;
        while (!stop)
            w.ProcessEffectBlock(rows.inputs, rows.outputs, 4, nullptr);
    });
    int overlaps = 0;
    // Enough rounds for the audio thread to have run blocks in between, however slowly it is scheduled (under an
    // emulator it may not start before a fixed number of rounds is over); bounded in time.
    const int32_t atStart = log().processCount.load();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (int i = 0; (i < 2000 || log().processCount.load() - atStart < 20) &&
                    std::chrono::steady_clock::now() < deadline;
         ++i) {
        w.beginBankWork();
        const int32_t before = log().processCount.load();
        std::this_thread::yield();
        const int32_t after = log().processCount.load();
        w.endBankWork();
        overlaps += after != before ? 1 : 0;
    }
    stop = true;
    audio.join();
    EXPECT_EQ(overlaps, 0);
    EXPECT_GT(log().processCount.load(), 0) << "the audio thread ran between the bank work";
}

}  // namespace

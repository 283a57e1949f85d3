// The adaptor's render callbacks as the host's engine calls them (through the kit): which buffers and sample counts
// the instance's connection records get, and where the host's outputs point when the instance did not render.
#include "rtas/tests/framework/AdaptorFixture.h"

#include "rtas/framework/AdaptorRenderCallbacks.h"

namespace {

using testsupport::AdaptorTest;

class AdaptorRender : public AdaptorTest
{
protected:
    // Host slots: left, right, key, then the two outputs.
    static constexpr int kSlotCount = 5;

    void SetUp() override
    {
        AdaptorTest::SetUp();
        for (int s = 0; s < kSlotCount; ++s) {
            for (int i = 0; i < 64; ++i)
                fBuffers[s][i] = s < 3 ? float(s + 1) * 10.0f + float(i) : -1.0f;
            fSlots[s] = fBuffers[s];
        }
    }

    int32_t RenderOnce(int32_t quantum, int32_t value = 0)
    {
        CAdaptorPlugIn* adaptor = fAdaptor.get();
        if (adaptor->DataBlock().GetSharedBlock() == nullptr) {
            EXPECT_EQ(adaptor->PublishPlugIn(), 0);
        }
        int32_t answer = -99;
        EXPECT_EQ(QorKitRenderOnce(adaptor, fSlots, kSlotCount, fContextBuffer, value, quantum, &answer), 0);
        return answer;
    }

    float fBuffers[kSlotCount][64];
    float* fSlots[kSlotCount];
    float fContextBuffer[64] = {};
};

TEST_F(AdaptorRender, TheRecordsGetTheHostsBuffersAndTheBlocksSampleCount)
{
    struct Case
    {
        bool hostOffersQuantum;
        int32_t quantum;
        int32_t samples;
    };
    for (const Case& c : {Case{true, 16, 16}, Case{false, 16, 32}, Case{false, 64, 32}}) {
        SCOPED_TRACE(c.quantum);
        if (!c.hostOffersQuantum)
            QorKitRemoveGestalt(kGestaltRealTimeQuantum);
        MakeAdaptor();
        ConnectAll();
        fProcess.SetRendered(false);
        EXPECT_EQ(RenderOnce(c.quantum), 0);
        EXPECT_EQ(fProcess.renders, 1);
        EXPECT_EQ(fProcess.argument, 0);
        EXPECT_TRUE(fProcess.HasRendered());
        EXPECT_EQ(fProcess.inputCounts[0], c.samples);
        EXPECT_EQ(fProcess.inputCounts[1], c.samples);
        EXPECT_EQ(fProcess.inputCounts[2], c.samples);
        EXPECT_EQ(fProcess.outputCounts[0], 0);
        EXPECT_EQ(fProcess.outputCounts[1], 0);
        EXPECT_EQ(fInputRecords[0].buffer, fBuffers[0]);
        EXPECT_EQ(fInputRecords[1].buffer, fBuffers[1]);
        EXPECT_EQ(fInputRecords[2].buffer, fBuffers[2]);
        EXPECT_EQ(fOutputRecords[0].buffer, fBuffers[3]);
        EXPECT_EQ(fOutputRecords[1].buffer, fBuffers[4]);
        // The instance wrote input + key into the host's output buffers; the slots still point at them.
        EXPECT_EQ(fSlots[3], fBuffers[3]);
        EXPECT_EQ(fBuffers[3][0], 10.0f + 30.0f);
        EXPECT_EQ(fBuffers[4][1], 21.0f + 31.0f);
        fAdaptor.reset();
        fProcess.renders = 0;
        QorKitReset();
        rtas::ForgetHostObjectRegistry();
    }
}

TEST_F(AdaptorRender, AMissingRecordEndsTheWalkAndTheOutputsReadTheContextsBuffer)
{
    MakeAdaptor();
    struct Case
    {
        int missingInput;   // -1: none
        int missingOutput;  // -1: none
    };
    for (const Case& c : {Case{0, -1}, Case{1, -1}, Case{-1, 0}, Case{-1, 1}}) {
        ConnectAll();
        if (c.missingInput >= 0)
            fProcess.inputs[c.missingInput] = nullptr;
        if (c.missingOutput >= 0)
            fProcess.outputs[c.missingOutput] = nullptr;
        fSlots[3] = fBuffers[3];
        fSlots[4] = fBuffers[4];
        EXPECT_EQ(RenderOnce(32), 2);
        EXPECT_EQ(fProcess.renders, 0);
        EXPECT_EQ(fSlots[3], fContextBuffer);
        EXPECT_EQ(fSlots[4], fContextBuffer);
    }
}

TEST_F(AdaptorRender, ARenderThatFailsLeavesTheOutputsOnTheContextsBuffer)
{
    MakeAdaptor();
    ConnectAll();
    fProcess.answer = -7000;
    EXPECT_EQ(RenderOnce(32), 2);
    EXPECT_EQ(fProcess.renders, 1);
    EXPECT_TRUE(fProcess.HasRendered());
    EXPECT_EQ(fSlots[3], fContextBuffer);
    EXPECT_EQ(fSlots[4], fContextBuffer);
}

TEST_F(AdaptorRender, AMissingKeyRecordIsLeftAloneAndTheInstanceStillRenders)
{
    MakeAdaptor();
    ConnectAll();
    fProcess.inputs[2] = nullptr;
    EXPECT_EQ(RenderOnce(32), 0);
    EXPECT_EQ(fProcess.renders, 1);
    EXPECT_EQ(fProcess.inputCounts[2], -1);
    EXPECT_EQ(fBuffers[3][0], 10.0f);
}

TEST_F(AdaptorRender, TheVariableLayoutCallbackSkipsMissingRecordsAndNeedsOnlyTheFirstOutput)
{
    fType->AddGestalt(38);
    CAdaptorPlugIn& adaptor = MakeAdaptor();
    ASSERT_EQ(adaptor.Worker().GetCallback(), &rtas::VariableLayoutRenderCallback);
    ConnectAll();
    fProcess.inputs[1] = nullptr;
    fProcess.outputs[1] = nullptr;
    EXPECT_EQ(RenderOnce(16, 77), 0);
    EXPECT_EQ(fProcess.renders, 1);
    EXPECT_EQ(fProcess.argument, 77);
    EXPECT_EQ(fProcess.inputCounts[0], 16);
    EXPECT_EQ(fProcess.inputCounts[2], 16);
    // Outputs carry the block's sample count here.
    EXPECT_EQ(fProcess.outputCounts[0], 16);
    EXPECT_EQ(fOutputRecords[0].buffer, fBuffers[3]);

    fProcess.outputs[0] = nullptr;
    fProcess.outputs[1] = &fOutputRecords[1];
    EXPECT_EQ(RenderOnce(16, 77), 2);
    EXPECT_EQ(fProcess.renders, 1);
    EXPECT_EQ(fSlots[3], fContextBuffer);
    EXPECT_EQ(fSlots[4], fContextBuffer);
}

TEST_F(AdaptorRender, ACallbackOfTheCallersStaysEvenOnAVariableLayoutType)
{
    fType->AddGestalt(38);
    CAdaptorPlugIn& adaptor = MakeAdaptor(&rtas::StandardRenderCallback);
    EXPECT_EQ(adaptor.Worker().GetCallback(), &rtas::StandardRenderCallback);
}

}  // namespace

// The meter set: fetches limited by the host tick, peaks handed to every reader once, resets, and the real-time
// owner's data-ready flag.
#include "FrameworkFixture.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CEffectProcessAS.h"
#include "rtas/framework/CProcessMeterSet.h"

#include <chrono>
#include <thread>

using namespace testsupport;

namespace {

class MeteredProcess : public CProcess
{
public:
    void FetchMeters(int32_t* values, uint8_t* clips) override
    {
        ++fFetches;
        values[0] = fFresh;
        clips[0] = fClip;
    }
    int32_t fFresh = 0;
    uint8_t fClip = 0;
    int fFetches = 0;
};

void NextFetchWindow() { std::this_thread::sleep_for(std::chrono::milliseconds(50)); }  // more than two 1/60 s ticks

class MeterSet : public FrameworkTest
{
protected:
    void SetUp() override
    {
        FrameworkTest::SetUp();
        fType = std::make_unique<CEffectTypeAS>(HostFourCC("Kvam"), HostFourCC("QKvp"), 2);
        fProcess.SetProcessType(fType.get());
        NextFetchWindow();
    }
    int32_t ReadOne(CProcessMeterSet& set, uint8_t reader)
    {
        int32_t values[1] = {0};
        uint8_t clips[1] = {0};
        int32_t out = -1;
        set.Read(reader, values, clips, 1, &out, false);
        return out;
    }
    std::unique_ptr<CEffectTypeAS> fType;
    MeteredProcess fProcess;
};

TEST_F(MeterSet, APeakReachesTheNextReaderAfterAFreshFetch)
{
    CProcessMeterSet set(&fProcess, 1);
    fProcess.fFresh = 100;
    EXPECT_EQ(ReadOne(set, 'e'), 100);
    NextFetchWindow();
    fProcess.fFresh = 40;
    EXPECT_EQ(ReadOne(set, 'a'), 100);  // the value 'e' was handed
    NextFetchWindow();
    fProcess.fFresh = 10;
    EXPECT_EQ(ReadOne(set, 'a'), 10);  // the same reader gets the lower value
    EXPECT_EQ(fProcess.fFetches, 3);
}

TEST_F(MeterSet, ReadsWithinTwoTicksCopyTheHeldValuesWithoutFetching)
{
    CProcessMeterSet set(&fProcess, 1);
    fProcess.fFresh = 70;
    fProcess.fClip = 1;
    int32_t values[1] = {0};
    uint8_t clips[1] = {0};
    set.Read('e', values, clips, -1, nullptr, false);
    EXPECT_EQ(values[0], 70);
    fProcess.fFresh = 5;
    fProcess.fClip = 0;
    set.Read('e', values, clips, -1, nullptr, false);
    EXPECT_EQ(values[0], 70);
    EXPECT_EQ(clips[0], 1);
    EXPECT_EQ(fProcess.fFetches, 1);
    // A number outside the meters reads nothing and writes 0.
    int32_t out = -1;
    set.Read('e', values, clips, 2, &out, false);
    EXPECT_EQ(out, 0);
}

TEST_F(MeterSet, AResetClearsTheCallersArraysInEntryFormAndTheHeldValuesInObjectForm)
{
    CProcessMeterSet entries(&fProcess, 1);
    int32_t values[1] = {0};
    uint8_t clips[1] = {0};
    fProcess.fFresh = 33;
    entries.Read('e', values, clips, -1, nullptr, true);
    EXPECT_EQ(values[0], 0);
    EXPECT_EQ(clips[0], 0);

    CProcessMeterSet objects;
    objects.AttachOwner(&fProcess);
    auto* meter = new CProcessMeter;
    meter->held = 12;
    meter->clip = 1;
    meter->type = 4;
    objects.AddMeter(meter);
    objects.Read('e', values, clips, -1, nullptr, true);
    EXPECT_EQ(meter->held, 0);
    EXPECT_EQ(meter->clip, 0);
    EXPECT_THROW(objects.AddMeter(nullptr), CDAEError);
    EXPECT_EQ(objects.CountOfType(4), 1);
    EXPECT_EQ(objects.FindOfType(4, 1), 1);
    EXPECT_EQ(objects.FindOfType(4, 2), 0);
    EXPECT_EQ(objects.GetMeter(2), nullptr);
}

TEST_F(MeterSet, ARealTimeOwnerDeliversOnlyWhenItsDataIsReady)
{
    CEffectTypeRTAS realTime(HostFourCC("Kvss"), HostFourCC("QKvp"), 2);
    fProcess.SetProcessType(&realTime);
    CProcessMeterSet set(&fProcess, 1);
    fProcess.SetMeterDataReady(false);
    fProcess.fFresh = 90;
    EXPECT_EQ(ReadOne(set, 'e'), 0);
    EXPECT_EQ(fProcess.fFetches, 0);
    fProcess.SetMeterDataReady(true);
    EXPECT_EQ(ReadOne(set, 'e'), 90);
    EXPECT_FALSE(fProcess.IsMeterDataReady());
    fProcess.SetProcessType(fType.get());
}

// A real-time instance of the library whose render produces meter data.
class RenderingInstance : public CEffectProcessAS
{
public:
    void FetchMeters(int32_t* values, uint8_t* clips) override
    {
        ++fFetches;
        values[0] = 10 * fFetches;
        clips[0] = 0;
    }
    int fFetches = 0;

protected:
    int32_t Render(bool) override { return 32; }
};

TEST_F(MeterSet, EachRenderLetsARealTimeOwnerDeliverOnceMore)
{
    CEffectTypeRTAS realTime(HostFourCC("Kvss"), HostFourCC("QKvp"), 2);
    RenderingInstance instance;
    instance.SetProcessType(&realTime);
    CProcessMeterSet set(&instance, 1);
    int32_t values[1] = {0};
    uint8_t clips[1] = {0};
    set.Read('e', values, clips, -1, nullptr, false);
    EXPECT_EQ(instance.fFetches, 1);
    NextFetchWindow();
    set.Read('e', values, clips, -1, nullptr, false);
    EXPECT_EQ(instance.fFetches, 1) << "no render, no fresh data";
    // The engine's render (routine 105) produces fresh data.
    int32_t rendered = 0;
    ASSERT_EQ(instance.Routine105(&rendered), 0);
    EXPECT_EQ(rendered, 32);
    EXPECT_TRUE(instance.IsMeterDataReady());
    NextFetchWindow();
    set.Read('e', values, clips, -1, nullptr, false);
    EXPECT_EQ(instance.fFetches, 2);
    EXPECT_EQ(values[0], 20);
    EXPECT_FALSE(instance.IsMeterDataReady());
    instance.SetProcessType(nullptr);
}

class ClippingInstance : public CEffectProcess
{
public:
    void FetchMeters(int32_t* values, uint8_t* clips) override
    {
        values[0] = 5;
        clips[0] = fClip;
    }
    uint8_t fClip = 0;
};

TEST_F(MeterSet, AnInstancesClipLatchesUntilCleared)
{
    ClippingInstance instance;
    instance.SetProcessType(fType.get());
    auto* meter = new CProcessMeter;
    meter->orientation = 2;
    instance.AddMeter(meter);
    instance.Initialize();
    int32_t count = 0;
    instance.GetNumMeters(&count);
    EXPECT_EQ(count, 1);
    int32_t orientation = 0;
    instance.GetMeterOrientation(1, &orientation);
    EXPECT_EQ(orientation, 2);
    uint8_t clip = 9;
    instance.GetClip(&clip);
    EXPECT_EQ(clip, 0);
    instance.fClip = 1;
    NextFetchWindow();
    instance.GetClip(&clip);
    EXPECT_EQ(clip, 1);
    instance.fClip = 0;
    NextFetchWindow();
    instance.GetClip(&clip);
    EXPECT_EQ(clip, 1);  // latched
    instance.ClearClip();
    NextFetchWindow();
    instance.GetClip(&clip);
    EXPECT_EQ(clip, 0);
    int32_t value = 0;
    NextFetchWindow();
    EXPECT_EQ(instance.GetMeterValues(1, &value), 0);
    EXPECT_EQ(value, 5);
}

}  // namespace

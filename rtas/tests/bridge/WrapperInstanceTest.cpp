// The plug-in's instances as the host reaches them through the routines: the controls built from the effect's
// parameters, real-time blocks in the host's quantum (bit for bit what the effect gives when driven directly in the
// same blocks), the bypass as the dry input delayed by the latency, the AudioSuite priming, the state chunks carried
// into a second instance, and the library's own views left unbuilt.
#include "rtas/tests/bridge/InstanceFixture.h"

#include "effect/vst2/Opcodes.h"
#include "rtas/framework/host/EngineServices.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace instancetest;

TEST_F(WrapperInstance, ControlsAreTheBypassThenOnePerEffectParameter)
{
    Make(kKvss);
    int32_t count = 0;
    ASSERT_EQ(Routine<40>()(kKvss, fIndex, &count), 0);
    EXPECT_EQ(count, 17);
    unsigned char name[256] = {};
    Routine<44>()(kKvss, fIndex, 1, name);
    EXPECT_EQ(Text(name), "Master Bypass");
    struct Case
    {
        int32_t control;
        int32_t length;
        const char* name;
    } cases[] = {{10, 31, "8: Threshold"}, {10, 5, "Thres"}, {10, 3, "Thr"}, {1, 8, "Mstr Byp"}, {1, 4, "MBYP"}};
    for (const Case& c : cases) {
        Routine<131>()(kKvss, fIndex, c.control, c.length, name);
        EXPECT_EQ(Text(name), c.name) << c.control << " in " << c.length;
    }
    int32_t bypassControl = 0;
    Routine<132>()(kKvss, fIndex, &bypassControl);
    EXPECT_EQ(bypassControl, 1);
    int16_t delay = -1;
    EXPECT_EQ(Routine<80>()(kKvss, fIndex, &delay), 0);
    EXPECT_EQ(delay, 0) << "the compressor has no latency";
}

TEST_F(WrapperInstance, RealTimeBlocksInTheQuantumEqualTheEffectDrivenDirectly)
{
    MakeGroup(&NewWrapperRTASProcess, &NewWrapperASPProcess);
    ASSERT_EQ(Routine<14>()(&QorKitComponentCallback), 0);
    CWrapperProcess& process = Make(kKvss);
    ASSERT_EQ(process.GetQuantum(), 32);
    // A control turned by the host reaches the effect: threshold down, so the compressor works.
    SetControl(kKvss, fIndex, 10, rtas::DoubleToControlValue(0.2, 0.0, 1.0));

    RecordingCallback callback;
    RecordingOwner owner;
    CPluginWrapper direct(&owner);
    direct.SetCallback(&callback);
    direct.LoadEffectLibrary(kEffectLibraryName);
    direct.SetSampleRate(44100.0f);
    direct.SetBlockSize(32);
    direct.Resume();
    direct.SetParameter(8, float(rtas::ControlValueToDouble(rtas::DoubleToControlValue(0.2, 0.0, 1.0), 0.0, 1.0)));

    const int frames = 1000;
    std::vector<float> left = Signal(frames, 0);
    std::vector<float> right = Signal(frames, 1);
    std::vector<float> outLeft(frames), outRight(frames);
    // Host buffers of 100 samples through the engine's render callback.
    for (int from = 0; from < frames; from += 100)
        EXPECT_EQ(EngineRender(HostFourCC("Kvss"), fIndex, {left.data() + from, right.data() + from},
                               {outLeft.data() + from, outRight.data() + from}, 100),
                  0);
    EXPECT_TRUE(process.HasRendered());

    // The effect alone in the blocks the host buffers make: 32, 32, 32, 4 for each 100 samples.
    std::vector<float> expectLeft(frames), expectRight(frames), key(32, 0.0f);
    for (int base = 0; base < frames; base += 100) {
        int at = base;
        for (int block : {32, 32, 32, 4}) {
            std::vector<float> inL(left.begin() + at, left.begin() + at + block);
            std::vector<float> inR(right.begin() + at, right.begin() + at + block);
            float* inputs[4] = {inL.data(), inR.data(), key.data(), key.data()};
            float* outputs[2] = {expectLeft.data() + at, expectRight.data() + at};
            direct.ProcessEffectBlock(inputs, outputs, block, nullptr);
            at += block;
        }
    }
    EXPECT_EQ(std::memcmp(outLeft.data(), expectLeft.data(), sizeof(float) * frames), 0);
    EXPECT_EQ(std::memcmp(outRight.data(), expectRight.data(), sizeof(float) * frames), 0);
    EXPECT_NE(std::memcmp(outLeft.data(), left.data(), sizeof(float) * frames), 0) << "the effect did work";
}


TEST_F(WrapperInstance, BypassIsTheDryInputDelayedByTheLatencyAcrossHostBuffers)
{
    for (int32_t latency : {0, 1, 37, 250}) {
        SCOPED_TRACE(latency);
        ConfigureRecording(latency);
        Make(kKvss, &NewRecordingRTAS, &NewRecordingASP);
        uint8_t bypassed = 0;
        ASSERT_EQ(Routine<39>()(kKvss, fIndex, 1), 0);
        Routine<51>()(kKvss, fIndex, &bypassed);
        EXPECT_EQ(bypassed, 1);
        int16_t delay = -1;
        Routine<80>()(kKvss, fIndex, &delay);
        EXPECT_EQ(delay, latency);

        const int frames = 700;
        std::vector<float> left = Signal(frames, 0), right = Signal(frames, 1);
        std::vector<float> outLeft(frames, -1.0f), outRight(frames, -1.0f);
        for (int from = 0; from < frames; from += 100)
            Render(kKvss, fIndex, {left.data() + from, right.data() + from}, {outLeft.data() + from, outRight.data() + from},
                   100);
        for (int i = 0; i < frames; ++i) {
            const float wantLeft = i >= latency ? left[size_t(i - latency)] : 0.0f;
            const float wantRight = i >= latency ? right[size_t(i - latency)] : 0.0f;
            ASSERT_EQ(outLeft[size_t(i)], wantLeft) << i;
            ASSERT_EQ(outRight[size_t(i)], wantRight) << i;
        }
        // Back in: the effect's own output (half the input), the effect never having stopped.
        ASSERT_EQ(Routine<39>()(kKvss, fIndex, 0), 0);
        Render(kKvss, fIndex, {left.data(), right.data()}, {outLeft.data(), outRight.data()}, 100);
        for (int i = 0; i < 100; ++i)
            ASSERT_EQ(outLeft[size_t(i)], left[size_t(i)] * 0.5f) << i;
        fGroup.reset();
        rtas::SetModuleGroup(nullptr);
    }
}

TEST_F(WrapperInstance, MonoInStereoOutFeedsTheLeftInputToBothOfTheEffectsInputs)
{
    ConfigureRecording(0);
    Make(kKvms, &NewRecordingRTAS, &NewRecordingASP);
    std::vector<float> in = Signal(64, 0);
    std::vector<float> outLeft(64), outRight(64);
    EXPECT_EQ(Render(kKvms, fIndex, {in.data()}, {outLeft.data(), outRight.data()}, 64), 64);
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(outLeft[size_t(i)], in[size_t(i)] * 0.5f);
        EXPECT_EQ(outRight[size_t(i)], in[size_t(i)] * 0.5f);
    }
}

TEST_F(WrapperInstance, AudioSuitePrimesWithTheLatencyThenOffsetsInputPositions)
{
    const int32_t latency = 40;
    ConfigureRecording(latency);
    CWrapperProcess& process = Make(kKvam, &NewRecordingRTAS, &NewRecordingASP);
    auto& offline = dynamic_cast<CWrapperASPProcess&>(process);
    rtas::SConnectionRecord shared{};
    shared.position[0] = 5;
    ASSERT_EQ(Routine<101>()(kKvam, fIndex, reinterpret_cast<HostWord>(&shared)), 0);
    EXPECT_TRUE(offline.IsPriming());

    // A first buffer shorter than the latency primes with what it has, and the next one finishes priming.
    std::vector<float> left = Signal(300, 0), right = Signal(300, 1);
    std::vector<float> outLeft(300), outRight(300);
    EXPECT_EQ(Render(kKvam, fIndex, {left.data(), right.data()}, {outLeft.data(), outRight.data()}, 25), 0);
    EXPECT_TRUE(offline.IsPriming());
    EXPECT_EQ(Render(kKvam, fIndex, {left.data() + 25, right.data() + 25}, {outLeft.data(), outRight.data()}, 100), 0);
    EXPECT_FALSE(offline.IsPriming());
    EXPECT_EQ(offline.GetPositionOffset(), latency);

    // The host asks where its input stands for an output position: one latency ahead.
    int32_t request[2] = {1, 100};
    EXPECT_EQ(Routine<103>()(kKvam, fIndex, reinterpret_cast<HostWord>(request)), 0);
    EXPECT_EQ(request[1], 100 + latency);
    int32_t unconnected[2] = {7, 100};
    Routine<103>()(kKvam, fIndex, reinterpret_cast<HostWord>(unconnected));
    EXPECT_EQ(unconnected[1], 100);

    EXPECT_EQ(Render(kKvam, fIndex, {left.data() + 40, right.data() + 40}, {outLeft.data(), outRight.data()}, 200),
              200);
    EXPECT_EQ(outLeft[0], left[40] * 0.5f);
    EXPECT_EQ(outRight[199], right[239] * 0.5f);

    // Bypassed, the input is copied as it is.
    Routine<39>()(kKvam, fIndex, 1);
    EXPECT_EQ(Render(kKvam, fIndex, {left.data(), right.data()}, {outLeft.data(), outRight.data()}, 300), 300);
    EXPECT_EQ(std::memcmp(outLeft.data(), left.data(), sizeof(float) * 300), 0);

    // A buffer longer than the rows is rendered whole, block by block.
    Routine<39>()(kKvam, fIndex, 0);
    const int32_t longer = kWrapperRowLength + 4464;
    std::vector<float> longLeft(size_t(longer), 0.5f), longRight(size_t(longer), -0.25f);
    std::vector<float> longOutLeft(static_cast<size_t>(longer)), longOutRight(static_cast<size_t>(longer));
    EXPECT_EQ(Render(kKvam, fIndex, {longLeft.data(), longRight.data()}, {longOutLeft.data(), longOutRight.data()},
                     longer),
              longer);
    EXPECT_EQ(longOutLeft.back(), 0.25f);
    EXPECT_EQ(longOutRight.back(), -0.125f);

    // A reset primes again.
    Routine<101>()(kKvam, fIndex, reinterpret_cast<HostWord>(&shared));
    EXPECT_TRUE(offline.IsPriming());
    EXPECT_EQ(offline.GetPositionOffset(), 0);
}

TEST_F(WrapperInstance, StateChunksCarryIntoASecondInstance)
{
    Make(kKvss);
    const int32_t first = fIndex;
    SetControl(kKvss, first, 10, rtas::DoubleToControlValue(0.125, 0.0, 1.0));
    SetControl(kKvss, first, 3, rtas::DoubleToControlValue(0.75, 0.0, 1.0));
    unsigned char name[256] = {};
    EXPECT_EQ(Routine<64>()(kKvss, first, kCompleteStateChunk, name), 0);
    EXPECT_EQ(Text(name), "Complete State");

    for (uint32_t id : {kCompleteStateChunk, CEffectProcess::kControlsStateChunk}) {
        SCOPED_TRACE(id);
        const std::vector<uint8_t> saved = GetChunk(kKvss, first, id);
        ASSERT_GT(saved.size(), 56u);
        const int32_t second = CreateInstance(kKvss);
        ASSERT_EQ(Routine<67>()(kKvss, second, id, reinterpret_cast<const SFicPlugInChunk*>(saved.data())), 0);
        ApplyValueRequests(kKvss, second);
        for (int32_t control = 2; control <= 17; ++control) {
            int32_t a = 0, b = 0;
            Routine<45>()(kKvss, first, control, &a);
            Routine<45>()(kKvss, second, control, &b);
            EXPECT_EQ(std::lround(rtas::ControlValueToDouble(a, 0.0, 1.0) * 1e6),
                      std::lround(rtas::ControlValueToDouble(b, 0.0, 1.0) * 1e6))
                << "control " << control;
        }
        // The second instance's effect has the values too.
        const auto* process = dynamic_cast<CWrapperProcess*>(fGroup->FindProcessType(kKvss)->FindProcess(second));
        EXPECT_NEAR(process->GetWrapper()->GetParameter(8), 0.125f, 1e-6);
        EXPECT_EQ(Routine<20>()(kKvss, second), 0);
    }
    // A chunk shorter than its header is refused.
    SFicPlugInChunk tiny{};
    tiny.size = 20;
    EXPECT_NE(Routine<67>()(kKvss, first, kCompleteStateChunk, &tiny), 0);
}

// The product shows the effect's editor: its instances never build the library's views, even with the views'
// maker installed.
TEST_F(WrapperInstance, InstancesBuildNoLibraryViews)
{
    static int made = 0;
    made = 0;
    rtas::SetRootViewMaker([](CProcess&) -> rtas::views::CPlugInView* { ++made; return nullptr; },
                           [](rtas::views::CPlugInView*) {});
    rtas::SetLibraryViewsOff(false);
    CWrapperProcess& process = Make(kKvss);
    EXPECT_TRUE(rtas::AreLibraryViewsOff());
    EXPECT_EQ(process.GetRootView(), nullptr);
    EXPECT_EQ(made, 0);
    rtas::SetRootViewMaker(nullptr, nullptr);
}

// The host deletes an instance while its render is still inside the effect: the rows and the effect stay until the
// render is over.
TEST_F(WrapperInstance, DeletionWaitsForTheRenderInProgress)
{
    ConfigureRecording(0);
    CWrapperProcess& process = Make(kKvss, &NewRecordingRTAS, &NewRecordingASP);
    RecordingEffect* effect = asRecording(process.GetWrapper()->record());
    effect->holdProcess = 1;
    std::vector<float> left = Signal(64, 0), right = Signal(64, 1), outLeft(64), outRight(64);
    const int32_t index = fIndex;
    std::thread audio([&] { Render(kKvss, index, {left.data(), right.data()}, {outLeft.data(), outRight.data()}, 64); });
    while (effect->processEntered == 0)
        std::this_thread::yield();

    std::atomic<bool> deleted{false};
    std::thread host([&] {
        EXPECT_EQ(Routine<20>()(kKvss, index), 0);
        deleted = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(deleted.load()) << "the instance went while its render was in the effect";
    effect->holdProcess = 0;
    audio.join();
    host.join();
    EXPECT_TRUE(deleted.load());
    EXPECT_EQ(outLeft[63], left[63] * 0.5f);
}

}  // namespace

namespace {

using namespace instancetest;

TEST_F(WrapperInstance, MonoInStereoOutCompressesBothOutputsAlikeAndBypassesToBoth)
{
    CWrapperProcess& process = Make(kKvms);
    ASSERT_TRUE(process.HasEffect());
    SetControl(kKvms, fIndex, 10, rtas::DoubleToControlValue(0.1, 0.0, 1.0));
    const int frames = 512;
    std::vector<float> in = Signal(frames, 0);
    std::vector<float> outLeft(frames), outRight(frames);
    EXPECT_EQ(Render(kKvms, fIndex, {in.data()}, {outLeft.data(), outRight.data()}, frames), frames);
    EXPECT_EQ(std::memcmp(outLeft.data(), outRight.data(), sizeof(float) * frames), 0) << "both sides alike";
    EXPECT_NE(std::memcmp(outRight.data(), in.data(), sizeof(float) * frames), 0) << "the right side compressed too";
    EXPECT_NE(std::memcmp(outLeft.data(), in.data(), sizeof(float) * frames), 0);

    ASSERT_EQ(Routine<39>()(kKvms, fIndex, 1), 0);
    EXPECT_EQ(Render(kKvms, fIndex, {in.data()}, {outLeft.data(), outRight.data()}, frames), frames);
    EXPECT_EQ(std::memcmp(outLeft.data(), in.data(), sizeof(float) * frames), 0) << "bypassed: the dry input";
    EXPECT_EQ(std::memcmp(outRight.data(), in.data(), sizeof(float) * frames), 0);
}

TEST_F(WrapperInstance, MonoInstanceRunsTheEffectOnOneRowIntoOneOutput)
{
    ConfigureRecording(0);
    Make(kKvmm, &NewRecordingRTAS, &NewRecordingASP);
    std::vector<float> in = Signal(100, 0), out(100, -1.0f);
    EXPECT_EQ(Render(kKvmm, fIndex, {in.data()}, {out.data()}, 100), 100);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(out[size_t(i)], in[size_t(i)] * 0.5f) << i;
}

// Routine 104 reaches the real-time pass-through: the dry input delayed by the latency, the effect not called.
TEST_F(WrapperInstance, PassThroughRequestGivesTheDelayedDryInputWithoutTheEffect)
{
    const int32_t latency = 7;
    ConfigureRecording(latency);
    Make(kKvss, &NewRecordingRTAS, &NewRecordingASP);
    std::vector<float> left = Signal(100, 0), right = Signal(100, 1), outLeft(100, -1.0f), outRight(100, -1.0f);
    // Wire the records as a render would, then ask for the pass-through instead.
    Render(kKvss, fIndex, {left.data(), right.data()}, {outLeft.data(), outRight.data()}, 0);
    fInputRecords[0].sampleCount = fInputRecords[1].sampleCount = 100;
    const int32_t processed = instancetest::ProcessCount();
    int32_t sum = 5;
    ASSERT_EQ(Routine<104>()(kKvss, fIndex, &sum), 0);
    EXPECT_EQ(sum, 105) << "the samples it gave, added to the running sum";
    EXPECT_EQ(instancetest::ProcessCount(), processed) << "the effect is not called";
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(outLeft[size_t(i)], i >= latency ? left[size_t(i - latency)] : 0.0f) << i;
        ASSERT_EQ(outRight[size_t(i)], i >= latency ? right[size_t(i - latency)] : 0.0f) << i;
    }
    EXPECT_EQ(fInputRecords[0].sampleCount, 0);
    EXPECT_EQ(fOutputRecords[1].sampleCount, 100);
}

TEST_F(WrapperInstance, LatencyBeyondSixteenBitsIsReportedWithinEachRoutinesRange)
{
    struct Case
    {
        int32_t latency;
        int16_t shortAnswer;
        int32_t longAnswer;
    } cases[] = {{0, 0, 0}, {32767, 32767, 32767}, {32768, 32767, 32768}, {40000, 32767, 40000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.latency);
        ConfigureRecording(c.latency);
        Make(kKvss, &NewRecordingRTAS, &NewRecordingASP);
        int16_t shortDelay = -1;
        int32_t longDelay = -1;
        EXPECT_EQ(Routine<80>()(kKvss, fIndex, &shortDelay), 0);
        EXPECT_EQ(Routine<145>()(kKvss, fIndex, &longDelay), 0);
        EXPECT_EQ(shortDelay, c.shortAnswer);
        EXPECT_EQ(longDelay, c.longAnswer);
        fGroup.reset();
        rtas::SetModuleGroup(nullptr);
    }
}

// An instance whose side-chain input is its third input connection, as a type with a key input gives it.
class KeyedRecordingRTAS : public CWrapperRTASProcess
{
public:
    KeyedRecordingRTAS() : CWrapperRTASProcess(kRecordingEffectFile) {}
    int32_t GetSideChainInput() const override { return 2; }
};

TEST_F(WrapperInstance, KeyInputReachesBothKeyRowsUpToItsOwnCount)
{
    ConfigureRecording(0);
    Make(kKvss, []() -> CProcess* { return new KeyedRecordingRTAS; }, &NewRecordingASP);
    instancetest::ResetKeySums();
    std::vector<float> left = Signal(64, 0), right = Signal(64, 1), outLeft(64), outRight(64);
    // The key buffer holds fewer samples than the inputs: its record says so, and nothing past it is read.
    std::vector<float> key(20);
    double keyTotal = 0.0;
    for (size_t i = 0; i < key.size(); ++i) {
        key[i] = 0.25f + 0.01f * float(i);
        keyTotal += double(key[i]);
    }
    Render(kKvss, fIndex, {left.data(), right.data(), key.data()}, {outLeft.data(), outRight.data()}, 0);
    fInputRecords[0].sampleCount = fInputRecords[1].sampleCount = 64;
    fInputRecords[2].sampleCount = 20;
    int32_t produced = 0;
    ASSERT_EQ(Routine<105>()(kKvss, fIndex, &produced), 0);
    EXPECT_EQ(produced, 64);
    EXPECT_NEAR(instancetest::KeySum(0), keyTotal, 1e-4);
    EXPECT_NEAR(instancetest::KeySum(1), keyTotal, 1e-4);

    // Without a key connection both key rows are silent.
    instancetest::ResetKeySums();
    Render(kKvss, fIndex, {left.data(), right.data()}, {outLeft.data(), outRight.data()}, 64);
    EXPECT_EQ(instancetest::KeySum(0), 0.0);
    EXPECT_EQ(instancetest::KeySum(1), 0.0);
}

// The host's largest real-time block sets the effect's block size; without the engine's answer it is 32.
TEST_F(WrapperInstance, QuantumComesFromTheEngineOr32)
{
    struct Case
    {
        const char* what;
        bool offered;
        HostWord vqta;
        int32_t maximum;
        int32_t quantum;
    } cases[] = {
        {"the engine's quantum", true, 1, 64, 64},
        {"'vqta' answering 0", true, 0, 64, 32},
        {"no 'vqta' entry", false, 0, 64, 32},
        {"an engine answering 0", true, 1, 0, 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QorKitSetMaximumQuantum(c.maximum);
        if (c.offered)
            QorKitSetGestalt(kGestaltRealTimeQuantum, c.vqta);
        else
            QorKitRemoveGestalt(kGestaltRealTimeQuantum);
        ConfigureRecording(0);
        CWrapperProcess& process = Make(kKvss, &NewRecordingRTAS, &NewRecordingASP);
        EXPECT_EQ(process.GetQuantum(), c.quantum);
        EXPECT_EQ(process.GetWrapper()->GetBlockSize(), c.quantum);
        // A buffer of 200 samples reaches the effect in blocks of the quantum and one of the rest.
        const int32_t before = instancetest::ProcessCount();
        std::vector<float> left = Signal(200, 0), right = Signal(200, 1), outLeft(200), outRight(200);
        Render(kKvss, fIndex, {left.data(), right.data()}, {outLeft.data(), outRight.data()}, 200);
        EXPECT_EQ(instancetest::ProcessCount() - before, (200 + c.quantum - 1) / c.quantum);
        EXPECT_EQ(outLeft[199], left[199] * 0.5f);
        fGroup.reset();
        rtas::SetModuleGroup(nullptr);
    }
    QorKitSetMaximumQuantum(32);
    QorKitSetGestalt(kGestaltRealTimeQuantum, 1);
}

// A knob turned in the effect's own editor: the effect automates its parameter, and the instance's control i+2
// takes the value (clamped into 0..1 on the way).
TEST_F(WrapperInstance, EffectAutomationReachesTheControlOfItsParameter)
{
    ConfigureRecording(0);
    CWrapperProcess& process = Make(kKvss, &NewRecordingRTAS, &NewRecordingASP);
    EffectRecord* effect = process.GetWrapper()->record();
    auto* recording = asRecording(effect);
    struct Case
    {
        int32_t parameter;
        float value;
        double shown;
    } cases[] = {{0, 0.25f, 0.25}, {3, 1.0f, 1.0}, {2, 1.5f, 1.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.parameter);
        recording->host(effect, audioMasterAutomate, c.parameter, 0, nullptr, c.value);
        ApplyValueRequests(kKvss, fIndex);
        int32_t value = 0;
        ASSERT_EQ(Routine<45>()(kKvss, fIndex, c.parameter + 2, &value), 0);
        EXPECT_NEAR(rtas::ControlValueToDouble(value, 0.0, 1.0), c.shown, 1e-6);
    }
}

// An offline render whose connection records are missing copies nothing (no null buffers handed to a copy).
TEST_F(WrapperInstance, AudioSuiteRenderWithoutRecordsProducesNothing)
{
    ConfigureRecording(0);
    Make(kKvam, &NewRecordingRTAS, &NewRecordingASP);
    for (uint8_t bypass : {uint8_t(1), uint8_t(0)}) {
        SCOPED_TRACE(int(bypass));
        Routine<39>()(kKvam, fIndex, bypass);
        int32_t produced = 0;
        ASSERT_EQ(Routine<105>()(kKvam, fIndex, &produced), 0);
        EXPECT_EQ(produced, 0);
    }
}

}  // namespace

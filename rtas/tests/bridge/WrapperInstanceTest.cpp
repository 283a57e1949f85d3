// The plug-in's instances as the host reaches them through the routines: the controls built from the effect's
// parameters, real-time blocks in the host's quantum (bit for bit what the effect gives when driven directly in the
// same blocks), the bypass as the dry input delayed by the latency, the AudioSuite priming, the state chunks carried
// into a second instance, and the library's own views left unbuilt.
#include "rtas/tests/bridge/WrapperFixture.h"
#include "rtas/tests/framework/FrameworkFixture.h"

#include "rtas/bridge/CWrapperASPProcess.h"
#include "rtas/bridge/CWrapperRTASProcess.h"
#include "rtas/bridge/WrapperProcessCreators.h"
#include "rtas/framework/CProcessType.h"
#include "rtas/framework/ControlValueMapping.h"
#include "rtas/framework/LibraryViews.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

using testsupport::kKvam;
using testsupport::kKvas;
using testsupport::kKvms;
using testsupport::kKvss;

namespace {

std::string Text(const unsigned char* pascal) { return std::string(reinterpret_cast<const char*>(pascal + 1), pascal[0]); }

// A test signal: a decaying chirp loud enough to make the compressor work, different on the two channels.
std::vector<float> Signal(int frames, int channel)
{
    std::vector<float> samples(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i)
        samples[size_t(i)] = float(0.9 * std::sin(0.01 * i * (1.0 + 0.001 * i) + channel) * std::exp(-i / 4000.0));
    return samples;
}

class WrapperInstance : public testsupport::FrameworkTest
{
protected:
    void SetUp() override
    {
        FrameworkTest::SetUp();
        platform::setMessageHook([](const char*, const char* text) { FAIL() << "message: " << text; });
    }
    void TearDown() override
    {
        FrameworkTest::TearDown();
        platform::setMessageHook(nullptr);
        rtas::SetLibraryViewsOff(false);
    }

    // The group with the plug-in's own creators, and one instance of a type.
    CWrapperProcess& Make(uint32_t typeNumber, ProcessCreator realTime = &NewWrapperRTASProcess,
                          ProcessCreator audioSuite = &NewWrapperASPProcess)
    {
        if (!fGroup)
            MakeGroup(realTime, audioSuite);
        const int32_t index = CreateInstance(typeNumber);
        auto* process = dynamic_cast<CWrapperProcess*>(fGroup->FindProcessType(typeNumber)->FindProcess(index));
        EXPECT_NE(process, nullptr);
        fIndex = index;
        return *process;
    }

    // Points the instance's connection records at buffers of frames samples and renders once through routine
    // 105; answers the samples the render reported.
    int32_t Render(uint32_t typeNumber, int32_t index, std::vector<float*> inputs, std::vector<float*> outputs,
                   int32_t frames)
    {
        fInputRecords.assign(inputs.size(), rtas::SConnectionRecord{});
        fOutputRecords.assign(outputs.size(), rtas::SConnectionRecord{});
        for (size_t i = 0; i < inputs.size(); ++i) {
            fInputRecords[i].buffer = inputs[i];
            fInputRecords[i].sampleCount = frames;
            Routine<31>()(typeNumber, index, int32_t(i + 1));
            EXPECT_EQ(Routine<30>()(typeNumber, index, int32_t(i + 1), &fInputRecords[i]), 0);
        }
        for (size_t i = 0; i < outputs.size(); ++i) {
            fOutputRecords[i].buffer = outputs[i];
            Routine<33>()(typeNumber, index, int32_t(i + 1));
            EXPECT_EQ(Routine<32>()(typeNumber, index, int32_t(i + 1), &fOutputRecords[i]), 0);
        }
        int32_t produced = 0;
        EXPECT_EQ(Routine<105>()(typeNumber, index, &produced), 0);
        for (const rtas::SConnectionRecord& record : fInputRecords)
            EXPECT_EQ(record.sampleCount, 0);
        for (const rtas::SConnectionRecord& record : fOutputRecords)
            EXPECT_EQ(record.sampleCount, produced);
        return produced;
    }

    // Sets a control as the host does: the instance asks for the value through the sharing service, and the host
    // answers every such request by setting the control (routine 99).
    void SetControl(uint32_t typeNumber, int32_t index, int32_t control, int32_t value)
    {
        ASSERT_EQ(Routine<46>()(typeNumber, index, control, value), 0);
        ApplyValueRequests(typeNumber, index);
    }

    void ApplyValueRequests(uint32_t typeNumber, int32_t index)
    {
        int32_t nameID = 0;
        int32_t requested = 0;
        while (QorKitTakeValueRequest(&nameID, &requested) != 0) {
            int32_t count = 0;
            Routine<40>()(typeNumber, index, &count);
            for (int32_t candidate = 1; candidate <= count; ++candidate) {
                int32_t candidateName = 0;
                Routine<86>()(typeNumber, index, candidate, &candidateName);
                if (candidateName == nameID) {
                    EXPECT_EQ(Routine<99>()(typeNumber, index, candidate, requested), 0);
                }
            }
        }
    }

    // One host buffer through the engine's road: the render callback of the plug-in object the instance published,
    // with the host's current quantum set to the buffer's length. Answers the callback's answer.
    int32_t EngineRender(uint32_t typeID, int32_t index, std::vector<float*> inputs, std::vector<float*> outputs,
                         int32_t frames)
    {
        void* plugIn = QorKitFindPlugIn(typeID, index);
        EXPECT_NE(plugIn, nullptr);
        // The host wires the instance's connections once; the engine's callback points them at each buffer.
        if (fInputRecords.size() != inputs.size() || fOutputRecords.size() != outputs.size()) {
            fInputRecords.assign(inputs.size(), rtas::SConnectionRecord{});
            fOutputRecords.assign(outputs.size(), rtas::SConnectionRecord{});
            const uint32_t typeNumber = typeID == HostFourCC("Kvss") ? kKvss : typeID == HostFourCC("Kvms") ? kKvms : 1;
            for (size_t i = 0; i < inputs.size(); ++i)
                EXPECT_EQ(Routine<30>()(typeNumber, index, int32_t(i + 1), &fInputRecords[i]), 0);
            for (size_t i = 0; i < outputs.size(); ++i)
                EXPECT_EQ(Routine<32>()(typeNumber, index, int32_t(i + 1), &fOutputRecords[i]), 0);
        }
        std::vector<float*> slots = inputs;
        slots.push_back(nullptr);  // the key input's port, with nothing connected
        slots.insert(slots.end(), outputs.begin(), outputs.end());
        int32_t answer = -1;
        EXPECT_EQ(QorKitRenderOnce(plugIn, slots.data(), int32_t(slots.size()), nullptr, 0, frames, &answer), 0);
        return answer;
    }

    std::vector<uint8_t> GetChunk(uint32_t typeNumber, int32_t index, uint32_t id)
    {
        int32_t size = 0;
        EXPECT_EQ(Routine<65>()(typeNumber, index, id, &size), 0);
        std::vector<uint8_t> bytes(size_t(std::max(size, 56)));
        auto* chunk = reinterpret_cast<SFicPlugInChunk*>(bytes.data());
        chunk->size = size;
        EXPECT_EQ(Routine<66>()(typeNumber, index, id, chunk), 0);
        bytes.resize(size_t(chunk->size));
        return bytes;
    }

    int32_t fIndex = -1;
    std::vector<rtas::SConnectionRecord> fInputRecords;
    std::vector<rtas::SConnectionRecord> fOutputRecords;
};

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

// The recording effect halves its inputs and reports the latency it is configured with.
void ConfigureRecording(int32_t latency, int32_t inputs = 2, int32_t outputs = 2)
{
    static platform::Library library;
    if (!library.isOpen()) {
        ASSERT_TRUE(library.openByName(kRecordingEffectFile)) << library.error();
    }
    auto configure = reinterpret_cast<RecordingEffectConfigureFunction>(library.symbol(kRecordingEffectConfigureName));
    ASSERT_NE(configure, nullptr);
    RecordingEffectConfig config;
    config.initialDelay = latency;
    config.numInputs = inputs;
    config.numOutputs = outputs;
    configure(&config);
}

CProcess* NewRecordingRTAS() { return new CWrapperRTASProcess(kRecordingEffectFile); }
CProcess* NewRecordingASP() { return new CWrapperASPProcess(kRecordingEffectFile); }

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

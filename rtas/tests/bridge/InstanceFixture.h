// The plug-in's instances as the host reaches them through the routines: a group with the plug-in's own creators
// over a freshly reset host kit, connection records pointed at test buffers, renders through routine 105 or the
// engine's render callback, controls set as the host sets them, and the recording effect configured per test.
#pragma once

#include "rtas/tests/bridge/WrapperFixture.h"
#include "rtas/tests/framework/FrameworkFixture.h"

#include "rtas/bridge/CWrapperASPProcess.h"
#include "rtas/bridge/CWrapperRTASProcess.h"
#include "rtas/bridge/WrapperProcessCreators.h"
#include "rtas/framework/CProcessType.h"
#include "rtas/framework/ControlValueMapping.h"
#include "rtas/framework/LibraryViews.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

using testsupport::kKvam;
using testsupport::kKvas;
using testsupport::kKvmm;
using testsupport::kKvms;
using testsupport::kKvss;

namespace instancetest {


inline std::string Text(const unsigned char* pascal) { return std::string(reinterpret_cast<const char*>(pascal + 1), pascal[0]); }

// A test signal: a decaying chirp loud enough to make the compressor work, different on the two channels.
inline std::vector<float> Signal(int frames, int channel)
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

// The recording effect halves its inputs and reports the latency it is configured with.
// The recording effect's log, from the library the instances load it from.
inline RecordingLog& RecordingEffectLog()
{
    static platform::Library library;
    if (!library.isOpen()) {
        EXPECT_TRUE(library.openByName(kRecordingEffectFile)) << library.error();
    }
    auto logFunction = reinterpret_cast<RecordingEffectLogFunction>(library.symbol(kRecordingEffectLogName));
    return *logFunction();
}
inline int32_t ProcessCount() { return RecordingEffectLog().processCount.load(); }
inline double KeySum(int row) { return RecordingEffectLog().keySums[row]; }
inline void ResetKeySums() { RecordingEffectLog().keySums[0] = RecordingEffectLog().keySums[1] = 0.0; }

inline void ConfigureRecording(int32_t latency, int32_t inputs = 2, int32_t outputs = 2)
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

inline CProcess* NewRecordingRTAS() { return new CWrapperRTASProcess(kRecordingEffectFile); }
inline CProcess* NewRecordingASP() { return new CWrapperASPProcess(kRecordingEffectFile); }

}  // namespace instancetest

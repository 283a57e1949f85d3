// An adaptor over a small instance of the tests' own, for a stereo real-time type with a key input (gestalts 5 and
// 48, as the product's types have), with the kit's object registry standing in for the host's.
#pragma once

#include "hosts/rtas/KitControl.h"
#include "rtas/framework/CAdaptorPlugIn.h"
#include "rtas/framework/CEffectType.h"
#include "rtas/framework/HostObjectRegistry.h"
#include "rtas/framework/ModuleState.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace testsupport {

// Notes what its connection records held when it rendered, and sets their counts to 0 afterwards as the bridge's
// instances do.
class RenderProbe : public CProcess
{
public:
    static constexpr int kSlots = 48;

    RenderProbe()
    {
        for (int i = 0; i < kSlots; ++i)
            inputs[i] = outputs[i] = nullptr;
    }

    int32_t Routine105(int32_t* runningSum) override
    {
        ++renders;
        argument = *runningSum;
        for (int i = 0; i < 3; ++i)
            inputCounts[i] = inputs[i] != nullptr ? inputs[i]->sampleCount : -1;
        for (int o = 0; o < 2; ++o)
            outputCounts[o] = outputs[o] != nullptr ? outputs[o]->sampleCount : -1;
        // Output o is input o plus the key, so the test sees which buffers the records pointed at.
        for (int o = 0; o < 2 && inputs[o] != nullptr && outputs[o] != nullptr; ++o) {
            for (int32_t s = 0; s < inputs[o]->sampleCount; ++s)
                outputs[o]->buffer[s] = inputs[o]->buffer[s] + (inputs[2] != nullptr ? inputs[2]->buffer[s] : 0.0f);
        }
        for (rtas::SConnectionRecord* record : inputs)
            if (record != nullptr)
                record->sampleCount = 0;
        return answer;
    }

    rtas::SConnectionRecord* inputs[kSlots];
    rtas::SConnectionRecord* outputs[kSlots];
    int32_t answer = 0;
    int32_t renders = 0;
    int32_t argument = -1;
    int32_t inputCounts[3] = {0, 0, 0};
    int32_t outputCounts[2] = {0, 0};
};

class AdaptorTest : public ::testing::Test
{
protected:
    static constexpr uint32_t kTypeID = HostFourCC("Kvss");
    static constexpr HostWord kGroupWord = 0x6B6B;
    static constexpr int32_t kIndex = 4;

    void SetUp() override
    {
        QorKitReset();
        rtas::ResetModuleState();
        rtas::ForgetHostObjectRegistry();
        rtas::SetHostCallback(QorKitComponentCallback);
        fType = std::make_unique<CEffectTypeRTAS>(kTypeID, HostFourCC("QKvp"), 2);
        fType->SetName("Qor Kalvenor\nKalvenor");
        fType->AddGestalt(5);
        fType->AddGestalt(48);
        fType->SetStemFormats(1, 1, 0);
    }

    void TearDown() override
    {
        fAdaptor.reset();
        // Every object the adaptor made has left the host's registry.
        EXPECT_EQ(QorKitLiveHostObjects(), 0);
        rtas::ForgetHostObjectRegistry();
        rtas::ResetModuleState();
    }

    CAdaptorPlugIn& MakeAdaptor(RenderCallback callback = nullptr)
    {
        const SPlugInIdentity identity{HostFourCC("Qora"), HostFourCC("QKvp"), kTypeID, kGroupWord, kIndex};
        fAdaptor = std::make_unique<CAdaptorPlugIn>(identity, fType.get(), &fProcess, fProcess.inputs,
                                                    fProcess.outputs, 2, 2, callback);
        return *fAdaptor;
    }

    static std::vector<int32_t> Record(const void* object)
    {
        std::vector<int32_t> words(size_t(QorKitHostObjectRecord(object, nullptr, 0)));
        QorKitHostObjectRecord(object, words.data(), int32_t(words.size()));
        return words;
    }

    static int32_t Word(const void* pointer) { return int32_t(reinterpret_cast<HostWord>(pointer)); }

    // Connection records for both inputs, the key (input 3) and both outputs, with buffers of 64 samples.
    void ConnectAll()
    {
        for (int i = 0; i < 3; ++i) {
            fProcess.inputs[i] = &fInputRecords[i];
            fInputRecords[i].buffer = nullptr;
        }
        for (int o = 0; o < 2; ++o)
            fProcess.outputs[o] = &fOutputRecords[o];
    }

    std::unique_ptr<CEffectTypeRTAS> fType;
    RenderProbe fProcess;
    std::unique_ptr<CAdaptorPlugIn> fAdaptor;
    rtas::SConnectionRecord fInputRecords[3] = {};
    rtas::SConnectionRecord fOutputRecords[2] = {};
};

}  // namespace testsupport

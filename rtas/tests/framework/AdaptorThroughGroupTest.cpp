// The whole road as a host takes it: the host hands over its component callback, creates a real-time instance
// whose set-up makes and publishes its adaptor, finds the published plug-in object by type ID and instance index,
// renders it once as the engine would, and deletes the instance again.
#include "rtas/tests/framework/FrameworkFixture.h"

#include "rtas/framework/CAdaptorPlugIn.h"
#include "rtas/framework/CDAEError.h"
#include "rtas/framework/HostObjectRegistry.h"

namespace {

// An instance that sets itself up for the engine as the bridge's instances do.
class AdaptedProcess : public CProcess
{
public:
    ~AdaptedProcess() override { delete fAdaptor; }

    int32_t SetUpForRealTime(const SProcessIdentity& identity, HostWord groupWord, int32_t index) override
    {
        const SPlugInIdentity words{identity.manufacturerID, identity.productID, identity.typeID, groupWord, index};
        const int32_t result =
            CAdaptorPlugIn::Create(words, GetProcessType(), this, fInputs, fOutputs, 2, 2, &fAdaptor);
        if (result != 0)
            return result;
        try {
            return fAdaptor->PublishPlugIn();
        } catch (const CDAEError& error) {
            return error.GetCode();
        } catch (int16_t code) {
            return code;
        }
    }

    int32_t Routine105(int32_t* runningSum) override
    {
        ++sRenders;
        sSamples = fInputs[0] != nullptr ? fInputs[0]->sampleCount : -1;
        return 0;
    }

    static inline int32_t sRenders = 0;
    static inline int32_t sSamples = 0;
    rtas::SConnectionRecord* fInputs[48] = {};
    rtas::SConnectionRecord* fOutputs[48] = {};
    rtas::SConnectionRecord fRecords[5] = {};
    CAdaptorPlugIn* fAdaptor = nullptr;
};

class AdaptedGroup : public CEffectGroup
{
public:
    AdaptedGroup()
    {
        SetManufacturer("QorVelmont\nQor", HostFourCC("Qora"));
        SetEffectName("Qor Kalvenor", 1);
    }

protected:
    int32_t CreateEffectTypes() override
    {
        auto* type = new CEffectTypeRTAS(HostFourCC("Kvss"), HostFourCC("QKvp"), 2);
        type->SetName("Qor Kalvenor");
        type->AddGestalt(5);
        type->AddGestalt(48);
        type->SetStemFormats(1, 1, 0);
        type->SetProcessCreator([]() -> CProcess* {
            auto* process = new AdaptedProcess;
            for (int i = 0; i < 3; ++i)
                process->fInputs[i] = &process->fRecords[i];
            for (int o = 0; o < 2; ++o)
                process->fOutputs[o] = &process->fRecords[3 + o];
            return process;
        });
        AddEffectType(type);
        return 0;
    }
};

class AdaptorThroughGroup : public testsupport::FrameworkTest
{
protected:
    void SetUp() override
    {
        FrameworkTest::SetUp();
        rtas::ForgetHostObjectRegistry();
        AdaptedProcess::sRenders = 0;
    }
    void TearDown() override
    {
        fAdaptedGroup.reset();
        rtas::ForgetHostObjectRegistry();
        FrameworkTest::TearDown();
    }
    std::unique_ptr<AdaptedGroup> fAdaptedGroup;
};

TEST_F(AdaptorThroughGroup, TheHostFindsThePublishedPlugInRendersItAndSeesItGoWithTheInstance)
{
    fAdaptedGroup = std::make_unique<AdaptedGroup>();
    rtas::SetModuleGroup(fAdaptedGroup.get());
    ASSERT_EQ(fAdaptedGroup->Initialize(), 0);
    ASSERT_EQ(Routine<14>()(QorKitComponentCallback), 0);
    QorKitRemoveGestalt(kGestaltRealTimeQuantum);

    const int32_t index = CreateInstance(1);
    ASSERT_GT(index, 0);
    void* plugIn = QorKitFindPlugIn(HostFourCC("Kvss"), index);
    ASSERT_NE(plugIn, nullptr);
    EXPECT_EQ(QorKitFindPlugIn(HostFourCC("Kvss"), index + 1), nullptr);
    EXPECT_EQ(QorKitFindPlugIn(HostFourCC("Kvmm"), index), nullptr);

    float buffers[5][32] = {};
    float* slots[5] = {buffers[0], buffers[1], buffers[2], buffers[3], buffers[4]};
    float silence[32] = {};
    int32_t answer = -1;
    // Slots must match the ports the worker lists: three inputs (the key among them) and two outputs.
    EXPECT_EQ(QorKitRenderOnce(plugIn, slots, 4, silence, 0, 16, &answer), -1);
    ASSERT_EQ(QorKitRenderOnce(plugIn, slots, 5, silence, 0, 16, &answer), 0);
    EXPECT_EQ(answer, 0);
    EXPECT_EQ(AdaptedProcess::sRenders, 1);
    // The host gave no 'vqta': 32 samples, whatever the quantum.
    EXPECT_EQ(AdaptedProcess::sSamples, 32);

    ASSERT_EQ(Routine<20>()(1, index), 0);
    EXPECT_EQ(QorKitFindPlugIn(HostFourCC("Kvss"), index), nullptr);
    EXPECT_EQ(QorKitLiveHostObjects(), 0);
}

}  // namespace

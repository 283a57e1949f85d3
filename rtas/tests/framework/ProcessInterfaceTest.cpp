// An instance's IProcess2 face as the host's engine uses it: the interface query, the DSP load and object, and the
// descriptions of the instance for the host's connection service.
#include "FrameworkFixture.h"

#include "rtas/framework/CEffectProcess.h"
#include "rtas/framework/dsp/CProcessDSP.h"

using namespace testsupport;

namespace {

class FacedProcess : public CEffectProcess
{
public:
    int32_t SetUpForRealTime(const SProcessIdentity&, HostWord, int32_t) override { return 0; }
    int32_t GetDelaySamples(int32_t* delay) override
    {
        *delay = 17;
        return 0;
    }
};

class ProcessInterface : public FrameworkTest
{
protected:
    CEffectProcess& Make(uint32_t typeNumber, int32_t* index)
    {
        if (!fGroup)
            MakeGroup([]() -> CProcess* { return new FacedProcess; }, []() -> CProcess* { return new FacedProcess; });
        *index = CreateInstance(typeNumber);
        return *static_cast<CEffectProcess*>(fGroup->FindProcessType(typeNumber)->FindProcess(*index));
    }
};

TEST_F(ProcessInterface, TheHostReachesTheInstanceThroughIProcess2)
{
    int32_t index = 0;
    CEffectProcess& process = Make(kKvms, &index);
    void* face = nullptr;
    ASSERT_EQ(process.NonDelegatingQueryInterface(DOA::IID_IProcess2, &face), 0);
    ASSERT_NE(face, nullptr);
    auto* host = static_cast<IProcess2*>(face);
    void* same = nullptr;
    EXPECT_EQ(host->QueryInterface(DOA::IID_IProcess, &same), 0);
    EXPECT_EQ(same, face);
    host->Release();
    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ(host->QueryInterface(DOA::IID_IProcessType2, &none), DOA::E_NOINTERFACE);

    EXPECT_EQ(host->GetDSPLoad(), 100);
    EXPECT_EQ(host->GetDSPLoadValue(), 100.0);
    EXPECT_EQ(host->GetDSPObject(), nullptr);
    CProcessDSP object;
    EXPECT_EQ(host->SetDSPObject(&object, 3), 0);
    EXPECT_EQ(host->GetDSPObject(), &object);
    EXPECT_EQ(host->GetDSPIndex(), 3);
    // A pointer that is no live DSP object is refused and changes nothing.
    EXPECT_EQ(host->SetDSPObject(reinterpret_cast<CDSP*>(0x1000), 4), -7053);
    EXPECT_EQ(host->GetDSPObject(), &object);
    EXPECT_EQ(host->GetDSPIndex(), 3);

    SFicPlugInSpec spec{};
    ASSERT_EQ(host->DescribeSpec(&spec), 0);
    EXPECT_EQ(spec.manufacturerID, HostFourCC("Qora"));
    EXPECT_EQ(spec.typeID, HostFourCC("Kvms"));
    EXPECT_EQ(spec.typeNumber, int32_t(kKvms));
    int32_t inputs = -1, outputs = -1, latency = -1;
    EXPECT_EQ(host->DescribeInputs(&inputs), 0);
    EXPECT_EQ(host->DescribeOutputs(&outputs), 0);
    EXPECT_EQ(host->DescribeLatency(&latency), 0);
    EXPECT_EQ(inputs, 1);
    EXPECT_EQ(outputs, 2);
    EXPECT_EQ(latency, 17);
    EXPECT_EQ(host->DescribeInputs(nullptr), -7053) << "a missing answer is a code, never a crash";
    EXPECT_EQ(host->AnswerOneA(), 1);
    host->Release();

    // Routine 36 with the host's mark answers the same face.
    int32_t kind = 0;
    int32_t word = 0x47892354;
    EXPECT_EQ(Routine<36>()(&kind, &word, kKvms, index), 0);
    EXPECT_EQ(word, int32_t(intptr_t(host)));

    // Taking the instance off its DSP happens with the rest of its teardown.
    EXPECT_EQ(Routine<20>()(kKvms, index), 0);
}

}  // namespace

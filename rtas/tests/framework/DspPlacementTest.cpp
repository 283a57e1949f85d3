// Placing instances on the host's DSPs: the group's DSP lists and driver start, the type's acquire and release of a
// DSP object through the host's DSP manager and its fit tests, the instance's side, the release of DSP objects no
// instance uses after a deletion, and the DSP load the group reports. In both ways of reaching the DSI.
#include "DspFixture.h"
#include "FrameworkFixture.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CDSPProcessType.h"
#include "rtas/framework/CEffectProcess.h"
#include "rtas/framework/dsp/CProcessDSP.h"
#include "rtas/framework/dsp/DsiQueries.h"
#include "rtas/framework/dsp/DspManagerInterface.h"

#include <cstring>
#include <stdexcept>

using namespace testsupport;

namespace {

class DspInstance : public CEffectProcess
{
public:
    int32_t SetUpForRealTime(const SProcessIdentity&, HostWord, int32_t) override { return 0; }
};

class DspPlacement : public FrameworkTest, public testing::WithParamInterface<DsiWay>
{
protected:
    void SetUp() override
    {
        FrameworkTest::SetUp();
        QorKitDsiReset();
        if (GetParam() == DsiWay::kDirect)
            QorKitSetGestalt(18, 1);
        fCardA = QorKitDsiAddCard(18, 0);
        fDspA = QorKitDsiAddDsp(fCardA, 0, 0);
        fDspB = QorKitDsiAddDsp(QorKitDsiAddCard(21, 0), 0, 0);
    }
    void TearDown() override
    {
        FrameworkTest::TearDown();
        // The group's teardown leaves no shell, no reservation and no reference behind.
        EXPECT_EQ(QorKitDsiLiveShells(), 0);
        EXPECT_EQ(QorKitDspManagerReservations(), 0);
        EXPECT_EQ(QorKitDspManagerReferences(), 0);
        QorKitDspManagerOffer(0, 1);
        QorKitDsiReset();
    }

    // A manager with room on both DSPs: 150 % on the first, 100 % on the second.
    void OfferManager()
    {
        QorKitDspManagerOffer(1, 1);
        QorKitDspManagerAddDsp(fDspA, 150);
        QorKitDspManagerAddDsp(fDspB, 100);
    }
    void MakeDspGroup()
    {
        MakeGroup([]() -> CProcess* { return new DspInstance; }, []() -> CProcess* { return new DspInstance; });
    }
    // A 'Kvmm' instance whose DSP object has been placed on a DSP of a group with a manager.
    void PlaceInstance(int32_t& index)
    {
        OfferManager();
        MakeDspGroup();
        index = CreateInstance(kKvmm);
        ASSERT_EQ(Type(kKvmm).AcquireDSPObject(&Instance(kKvmm, index)), 0);
    }
    CDSPProcessType& Type(uint32_t number)
    {
        return *dynamic_cast<CDSPProcessType*>(fGroup->FindProcessType(number));
    }
    CDSPProcess& Instance(uint32_t number, int32_t index)
    {
        return *dynamic_cast<CDSPProcess*>(fGroup->FindProcessType(number)->FindProcess(index));
    }
    DSPObjectList& List(int which)
    {
        DSPObjectList* lists[3] = {};
        fGroup->GetDSPLists(&lists[0], &lists[1], &lists[2]);
        return *lists[which];
    }
    int32_t GroupLoad()
    {
        unsigned char answer[4] = {};
        EXPECT_EQ(fGroup->GetGroupInfo(4, answer), 0);
        int32_t load = 0;
        std::memcpy(&load, answer, sizeof load);
        return load;
    }
    HostWord ClientValue(HostWord dsp)
    {
        HostWord value = -1;
        rtas::dsp::GetDSPClientVal(dsp, &value);
        return value;
    }

    enum { kAll, kFree, kUsed };
    HostWord fCardA = 0;
    HostWord fDspA = 0;
    HostWord fDspB = 0;
};

TEST_P(DspPlacement, TheGroupStartsTheDriverAndHandsItsListsAndManagerToEveryType)
{
    OfferManager();
    MakeDspGroup();
    EXPECT_EQ(QorKitCallCount("InitSADriver"), 1);
    EXPECT_EQ(fGroup->GetDriverResult(), 0);
    DSPObjectList* all = nullptr;
    DSPObjectList* free = nullptr;
    DSPObjectList* used = nullptr;
    fGroup->GetDSPLists(&all, &free, &used);
    ASSERT_NE(all, nullptr);
    for (uint32_t number = kKvmm; number <= kKvam; ++number) {
        DSPObjectList* lists[3] = {};
        Type(number).GetDSPLists(&lists[0], &lists[1], &lists[2]);
        EXPECT_EQ(lists[0], all);
        EXPECT_EQ(lists[1], free);
        EXPECT_EQ(lists[2], used);
        EXPECT_EQ(Type(number).GetDSPManager(), rtas::dsp::GetDSPManagerInterface());
        EXPECT_NE(Type(number).GetDSPManager(), nullptr);
    }
    int32_t count = -1;
    EXPECT_EQ(fGroup->GetManagerDSPCount(&count), 0);
    EXPECT_EQ(count, 2);
    int32_t percent = -1;
    EXPECT_EQ(fGroup->GetManagerFreeCapacity(fDspA, &percent), 0);
    EXPECT_EQ(percent, 150);

    EXPECT_EQ(fGroup->GetGroupInfo(4, nullptr), -9013) << "a missing answer is a code, never a write through null";
    unsigned char answer[4] = {};
    EXPECT_EQ(fGroup->GetGroupInfo(7, answer), -1);
    EXPECT_EQ(fGroup->SendDSPGroupRequest(1, 2, 3), -7175) << "no host callback yet";
}

TEST_P(DspPlacement, AHostWhoseDriverFailsStillGetsAGroup)
{
    QorKitDsiSetInitResult(-21);
    MakeDspGroup();
    EXPECT_EQ(fGroup->GetDriverResult(), -21);
    EXPECT_EQ(CreateInstance(kKvmm), 1);
    EXPECT_EQ(GroupLoad(), 100);
}

TEST_P(DspPlacement, InstancesAreAcquiredReleasedAndFittedThroughTheManager)
{
    OfferManager();
    MakeDspGroup();
    const int32_t first = CreateInstance(kKvms);
    const int32_t second = CreateInstance(kKvms);
    CDSPProcessType& type = Type(kKvms);

    // Each instance loads 100 %: the first fits on the first DSP, the second no longer does and goes to the other.
    ASSERT_EQ(type.AcquireDSPObject(&Instance(kKvms, first)), 0);
    CDSP* objectA = Instance(kKvms, first).GetDSPObject();
    ASSERT_NE(objectA, nullptr);
    EXPECT_EQ(objectA->GetDSP(), fDspA);
    EXPECT_EQ(Instance(kKvms, first).GetDSPIndex(), 0);
    EXPECT_EQ(QorKitDspManagerFreeCapacity(fDspA), 50);
    ASSERT_EQ(type.AcquireDSPObject(&Instance(kKvms, second)), 0);
    CDSP* objectB = Instance(kKvms, second).GetDSPObject();
    ASSERT_NE(objectB, nullptr);
    EXPECT_EQ(objectB->GetDSP(), fDspB);
    EXPECT_EQ(Instance(kKvms, second).GetDSPIndex(), 1);
    EXPECT_EQ(List(kAll).size(), 2u);
    EXPECT_EQ(List(kUsed).size(), 2u);
    EXPECT_TRUE(List(kFree).empty());
    EXPECT_EQ(GroupLoad(), 200);
    EXPECT_EQ(QorKitDspManagerRegistered(), 2) << "each placed instance is registered with the manager";

    // Fit tests by the manager's free capacity.
    bool fits = false;
    EXPECT_EQ(type.DoesLoadFit(objectA, 50, &fits), 0);
    EXPECT_TRUE(fits);
    EXPECT_EQ(type.DoesLoadFit(objectA, 51, &fits), 0);
    EXPECT_FALSE(fits);
    EXPECT_EQ(type.DoesInstanceFit(&Instance(kKvms, first), objectB, &fits), 0);
    EXPECT_FALSE(fits);
    EXPECT_EQ(type.DoesLoadFit(nullptr, 0, &fits), -7053);

    // Releasing gives the room back and frees the object; a second release has nothing to do.
    EXPECT_EQ(type.ReleaseDSPObject(&Instance(kKvms, first)), 0);
    EXPECT_EQ(QorKitDspManagerFreeCapacity(fDspA), 150);
    EXPECT_EQ(Instance(kKvms, first).GetDSPObject(), nullptr);
    EXPECT_EQ(List(kFree), DSPObjectList{objectA});
    EXPECT_EQ(List(kUsed), DSPObjectList{objectB});
    EXPECT_EQ(QorKitDspManagerRegistered(), 1);
    EXPECT_EQ(type.ReleaseDSPObject(&Instance(kKvms, first)), 0);

    // Deleting an instance lets go of every object no instance runs on: the DSP goes back to the standard shell.
    EXPECT_EQ(Routine<20>()(kKvms, second), 0);
    EXPECT_TRUE(List(kAll).empty());
    EXPECT_TRUE(List(kFree).empty());
    EXPECT_TRUE(List(kUsed).empty());
    EXPECT_EQ(QorKitDspManagerFreeCapacity(fDspB), 100);
    EXPECT_EQ(ClientValue(fDspA), 0);
    EXPECT_EQ(ClientValue(fDspB), 0);
    EXPECT_EQ(GroupLoad(), 100);
    EXPECT_EQ(QorKitDspManagerRegistered(), 0);
}

TEST_P(DspPlacement, OneObjectServesEveryInstanceOnItsDspUntilTheLastGoes)
{
    QorKitDspManagerOffer(1, 1);
    QorKitDspManagerAddDsp(fDspA, 300);
    MakeDspGroup();
    const int32_t mono = CreateInstance(kKvmm);
    const int32_t stereo = CreateInstance(kKvss);
    ASSERT_EQ(Type(kKvmm).AcquireDSPObject(&Instance(kKvmm, mono)), 0);
    ASSERT_EQ(Type(kKvss).AcquireDSPObject(&Instance(kKvss, stereo)), 0);
    EXPECT_EQ(Instance(kKvmm, mono).GetDSPObject(), Instance(kKvss, stereo).GetDSPObject());
    EXPECT_EQ(List(kAll).size(), 1u);
    EXPECT_EQ(Routine<20>()(kKvmm, mono), 0);
    EXPECT_EQ(List(kUsed).size(), 1u) << "the other type's instance still runs there";
    EXPECT_EQ(Routine<20>()(kKvss, stereo), 0);
    EXPECT_TRUE(List(kAll).empty());
}

TEST_P(DspPlacement, WithoutAManagerOrItsRoomNothingIsPlaced)
{
    MakeDspGroup();
    const int32_t index = CreateInstance(kKvmm);
    CDSPProcessType& type = Type(kKvmm);
    CDSPProcess& instance = Instance(kKvmm, index);
    EXPECT_EQ(type.GetDSPManager(), nullptr);
    bool fits = true;
    CProcessDSP object;
    EXPECT_EQ(type.DoesLoadFit(&object, 0, &fits), -7027);
    EXPECT_FALSE(fits);

    // Acquiring registers the instance first: without a manager that fails with -7080, unless the plug-in was
    // opened through WinPlugInOpen, where the registration passes and the missing manager answers -7027.
    struct Case
    {
        bool openedThroughWinPlugInOpen;
        int32_t registration;
        int32_t acquire;
    };
    for (const Case& c : {Case{false, -7080, -7080}, Case{true, 0, -7027}}) {
        SCOPED_TRACE(c.openedThroughWinPlugInOpen ? "opened through WinPlugInOpen" : "opened otherwise");
        rtas::SetOpenedThroughWinPlugInOpen(c.openedThroughWinPlugInOpen);
        EXPECT_EQ(type.RegisterInstance(&instance), c.registration);
        EXPECT_EQ(type.AcquireDSPObject(&instance), c.acquire);
        EXPECT_EQ(static_cast<IProcessType2&>(type).AcquireDSPObjectFor(&instance), c.acquire);
        EXPECT_EQ(instance.GetDSPObject(), nullptr);
    }
    rtas::SetOpenedThroughWinPlugInOpen(false);

    // Releasing an instance's object unregisters it: without a manager that raises -7080, which the host's entry
    // answers as the code, and the instance is let go of its object all the same.
    ASSERT_EQ(instance.SetDSPObject(&object, 0), 0);
    try {
        type.ReleaseDSPObject(&instance);
        ADD_FAILURE() << "an instance cannot be released from a manager that is not there";
    } catch (const CDAEError& error) {
        EXPECT_EQ(error.GetCode(), -7080);
    }
    EXPECT_EQ(instance.GetDSPObject(), nullptr);
    ASSERT_EQ(instance.SetDSPObject(&object, 0), 0);
    EXPECT_EQ(static_cast<IProcessType2&>(type).ReleaseDSPObjectFor(&instance), -7080);
    EXPECT_EQ(instance.GetDSPObject(), nullptr);
    EXPECT_THROW(type.UnregisterInstance(&instance), CDAEError);
    int32_t count = -1;
    int32_t percent = -1;
    EXPECT_EQ(fGroup->GetManagerDSPCount(&count), 0);
    EXPECT_EQ(fGroup->GetManagerFreeCapacity(fDspA, &percent), 0);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(percent, 0);

    // A manager whose DSPs have no room left answers -7077 and nothing is attached.
    QorKitDspManagerOffer(1, 1);
    QorKitDspManagerAddDsp(fDspA, 99);
    type.SetDSPManager(rtas::dsp::GetDSPManagerInterface());
    EXPECT_EQ(type.AcquireDSPObject(&instance), -7077);
    EXPECT_EQ(instance.GetDSPObject(), nullptr);
    EXPECT_TRUE(List(kAll).empty());
    EXPECT_EQ(QorKitDspManagerFreeCapacity(fDspA), 99);
    EXPECT_EQ(QorKitDspManagerRegistered(), 0) << "an instance that was not placed is forgotten again";
    EXPECT_EQ(type.RegisterInstance(&instance), 0);
    EXPECT_EQ(QorKitDspManagerRegistered(), 1);
    type.UnregisterInstance(&instance);
    EXPECT_EQ(QorKitDspManagerRegistered(), 0);
}

TEST_P(DspPlacement, ADspOfAnUnknownCardIsRaisedAndItsRoomGivenBack)
{
    const HostWord unknown = QorKitDsiAddDsp(QorKitDsiAddCard(25, 0), 0, 0);
    QorKitDspManagerOffer(1, 1);
    QorKitDspManagerAddDsp(unknown, 100);
    MakeDspGroup();
    const int32_t index = CreateInstance(kKvmm);
    EXPECT_THROW(Type(kKvmm).AcquireDSPObject(&Instance(kKvmm, index)), std::runtime_error);
    EXPECT_EQ(QorKitDspManagerFreeCapacity(unknown), 100);
    EXPECT_EQ(QorKitDspManagerReservations(), 0);
    EXPECT_TRUE(List(kAll).empty());
}

TEST_P(DspPlacement, ADspObjectThatCannotBeHandedBackStopsTheDeletionWithMinus7150)
{
    int32_t index = 0;
    ASSERT_NO_FATAL_FAILURE(PlaceInstance(index));
    // The object has made itself the DSP's client, as loading its code does.
    CDSP* object = Instance(kKvmm, index).GetDSPObject();
    rtas::dsp::SetDSPClientVal(fDspA, HostWord(reinterpret_cast<uintptr_t>(object)));
    QorKitDsiSetLoadShellResult(-3);
    EXPECT_EQ(Routine<20>()(kKvmm, index), -7150);
    EXPECT_EQ(Type(kKvmm).CountProcesses(), 0) << "the instance itself is gone";
    EXPECT_EQ(List(kAll).size(), 1u) << "the object stays with the group";
    EXPECT_EQ(List(kFree).size(), 1u);
    QorKitDsiSetLoadShellResult(0);
    EXPECT_EQ(fGroup->ReleaseUnusedDSPObjects(), 0);
    EXPECT_TRUE(List(kAll).empty());
    EXPECT_EQ(ClientValue(fDspA), 0);
}

TEST_P(DspPlacement, AnObjectThatIsNotTheDspsClientLeavesItsShellAlone)
{
    int32_t index = 0;
    ASSERT_NO_FATAL_FAILURE(PlaceInstance(index));
    // Another client runs its shell there.
    rtas::dsp::SetDSPClientVal(fDspA, 0x5150);
    const int32_t loadsBefore = QorKitCallCount("DsiLoadShell");
    EXPECT_EQ(Routine<20>()(kKvmm, index), 0);
    EXPECT_TRUE(List(kAll).empty());
    EXPECT_EQ(QorKitCallCount("DsiLoadShell"), loadsBefore);
    EXPECT_EQ(ClientValue(fDspA), 0x5150);
}

TEST_P(DspPlacement, TeardownWithInstancesStillOnTheirDspsLeavesNothingBehind)
{
    int32_t index = 0;
    ASSERT_NO_FATAL_FAILURE(PlaceInstance(index));
    fGroup.reset();
    rtas::SetModuleGroup(nullptr);
    EXPECT_EQ(ClientValue(fDspA), 0);
}

TEST_P(DspPlacement, TheHostsFaceOfATypeAnswersCodesAndTakesOnlyItsOwnInstances)
{
    const HostWord unknownCard = QorKitDsiAddDsp(QorKitDsiAddCard(25, 0), 0, 0);
    QorKitDspManagerOffer(1, 1);
    QorKitDspManagerAddDsp(fDspA, 100);
    QorKitDspManagerAddDsp(unknownCard, 100);
    MakeDspGroup();
    const int32_t mono = CreateInstance(kKvmm);
    const int32_t other = CreateInstance(kKvmm);
    const int32_t stereo = CreateInstance(kKvss);
    void* queried = nullptr;
    ASSERT_EQ(Type(kKvmm).NonDelegatingQueryInterface(DOA::IID_IProcessType2, &queried), 0);
    auto* face = static_cast<IProcessType2*>(queried);
    IProcess2* monoFace = &Instance(kKvmm, mono);

    uint32_t id = 0;
    EXPECT_EQ(face->GetTypeIDOf(&id), 0);
    EXPECT_EQ(id, HostFourCC("Kvmm"));
    EXPECT_EQ(face->AcquireDSPObjectFor(monoFace), 0);
    EXPECT_EQ(Instance(kKvmm, mono).GetDSPObject()->GetDSP(), fDspA);
    bool fits = true;
    EXPECT_EQ(face->DoesInstanceFitOn(monoFace, Instance(kKvmm, mono).GetDSPObject(), &fits), 0);
    EXPECT_FALSE(fits);
    // The next instance only finds room on a DSP of a card no chip class knows: a code, not an exception.
    EXPECT_EQ(face->AcquireDSPObjectFor(&Instance(kKvmm, other)), -7401);
    EXPECT_EQ(QorKitDspManagerFreeCapacity(unknownCard), 100);
    // Another type's instance, or no instance at all, is no instance of this type.
    EXPECT_EQ(face->AcquireDSPObjectFor(&Instance(kKvss, stereo)), -7126);
    EXPECT_EQ(face->AcquireDSPObjectFor(reinterpret_cast<IProcess2*>(0x1000)), -7126);
    EXPECT_EQ(face->ReleaseDSPObjectFor(nullptr), -7126);
    EXPECT_EQ(face->ReleaseDSPObjectFor(monoFace), 0);
    EXPECT_EQ(QorKitDspManagerFreeCapacity(fDspA), 100);

    IProcess2* bare = nullptr;
    EXPECT_EQ(face->CreateBareInstance(&bare), 0);
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(Type(kKvmm).CountProcesses(), 2) << "a bare instance belongs to no type yet";
    bare->DeleteThis();
    EXPECT_EQ(face->CreateBareInstance(nullptr), -9013);
    face->Release();
}

INSTANTIATE_TEST_SUITE_P(BothWays, DspPlacement, testing::Values(DsiWay::kDirect, DsiWay::kDsi), WayName);

}  // namespace

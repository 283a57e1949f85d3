// The adaptor plug-in of a real-time instance: its ports, the records it hands the host's registry, publishing,
// fixed port counts, and its teardown.
#include "rtas/tests/framework/AdaptorFixture.h"

#include "rtas/framework/AdaptorRenderCallbacks.h"
#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CEffectProcessAS.h"
#include "rtas/framework/CPlugInPort.h"

#include <cstring>
#include <utility>

namespace {

using testsupport::AdaptorTest;

TEST_F(AdaptorTest, AStereoTypeWithAKeyInputGetsThreeInputPortsTheLastOfThemTheKeyAndTwoOutputs)
{
    CAdaptorPlugIn& adaptor = MakeAdaptor();
    ASSERT_EQ(adaptor.CountInputs(), 3);
    ASSERT_EQ(adaptor.CountOutputs(), 2);
    for (int32_t n = 1; n <= 3; ++n)
        EXPECT_EQ(adaptor.GetInput(n)->GetNumber(), n);
    EXPECT_EQ(adaptor.GetOutput(1)->GetNumber(), 1);
    EXPECT_EQ(adaptor.GetOutput(2)->GetNumber(), 2);
    EXPECT_EQ(adaptor.Worker().InputList().Count(), 3);
    EXPECT_EQ(adaptor.Worker().OutputList().Count(), 2);
    EXPECT_STREQ(adaptor.GetName(), "Qor Kalvenor");

    const SAdaptorBlockView fields = adaptor.DataBlock().GetFields();
    EXPECT_EQ(fields.process, static_cast<CProcess*>(&fProcess));
    EXPECT_EQ(fields.inputSlots, fProcess.inputs);
    EXPECT_EQ(fields.outputSlots, fProcess.outputs);
    EXPECT_EQ(fields.inputCount, 2);
    EXPECT_EQ(fields.outputCount, 2);
    EXPECT_EQ(fields.keyInput, 3);
    EXPECT_EQ(fields.variableQuantum, 1);

    // The plug-in, five ports, the worker and the data block, each under its kind.
    EXPECT_EQ(QorKitLiveHostObjects(), 8);
    EXPECT_EQ(QorKitHostObjectKind(&adaptor), 3);
    EXPECT_EQ(QorKitHostObjectKind(adaptor.GetInput(3)), 4);
    EXPECT_EQ(QorKitHostObjectKind(adaptor.GetOutput(1)), 5);
    EXPECT_EQ(QorKitHostObjectKind(&adaptor.Worker()), 7);
    EXPECT_EQ(QorKitHostObjectKind(&adaptor.DataBlock()), 8);
}

TEST_F(AdaptorTest, WithoutTheHostsQuantumGestaltTheVariableQuantumFlagIsDropped)
{
    QorKitRemoveGestalt(kGestaltRealTimeQuantum);
    EXPECT_EQ(MakeAdaptor().DataBlock().GetFields().variableQuantum, 0);
}

TEST_F(AdaptorTest, EveryObjectsRecordCarriesTheWordsTheHostReads)
{
    CAdaptorPlugIn& adaptor = MakeAdaptor();
    ASSERT_EQ(adaptor.PublishPlugIn(), 0);
    CPlugInPort* in[3] = {adaptor.GetInput(1), adaptor.GetInput(2), adaptor.GetInput(3)};
    CPlugInPort* out[2] = {adaptor.GetOutput(1), adaptor.GetOutput(2)};

    EXPECT_EQ(Record(in[2]), (std::vector<int32_t>{1, Word(&adaptor), 3}));
    EXPECT_EQ(Record(out[1]), (std::vector<int32_t>{1, Word(&adaptor), 2}));

    const std::vector<int32_t> worker = Record(&adaptor.Worker());
    const std::vector<int32_t> expectedWorker = {
        1, Word(reinterpret_cast<const void*>(&rtas::StandardRenderCallback)), 4,
        1, Word(&adaptor.DataBlock()),
        3, Word(in[0]), Word(in[1]), Word(in[2]),
        2, Word(out[0]), Word(out[1]),
        0,
        Word(adaptor.GetName()), 0};
    EXPECT_EQ(worker, expectedWorker);

    const std::vector<int32_t> data = Record(&adaptor.DataBlock());
    ASSERT_EQ(data.size(), 4u);
    EXPECT_EQ(data[0], 1);
    EXPECT_EQ(data[1], 0);
    EXPECT_EQ(data[2], 28);
    // The fourth word is where the host puts its shared block.
    uint8_t* shared = adaptor.DataBlock().GetSharedBlock();
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(*reinterpret_cast<uint8_t**>(HostWord(data[3])), shared);

    const std::vector<int32_t> plugIn = Record(&adaptor);
    const std::vector<int32_t> expectedPlugIn = {
        1, int32_t(HostFourCC("Qora")), int32_t(HostFourCC("QKvp")), int32_t(kTypeID), int32_t(kGroupWord), kIndex,
        3, Word(in[0]), Word(in[1]), Word(in[2]),
        2, Word(out[0]), Word(out[1]),
        1, Word(&adaptor.Worker())};
    EXPECT_EQ(plugIn, expectedPlugIn);
}

TEST_F(AdaptorTest, PublishingIsFramedByNoticesTwoAndThreeAndCopiesTheFieldsIntoTheSharedBlock)
{
    CAdaptorPlugIn& adaptor = MakeAdaptor();
    ASSERT_EQ(adaptor.PublishPlugIn(), 0);
    const void* objects[16] = {};
    int32_t words[16] = {};
    ASSERT_EQ(QorKitHostQueryLog(objects, words, 16), 10);
    const void* expectedObjects[10] = {&adaptor,           adaptor.GetInput(1),  adaptor.GetInput(2),
                                       adaptor.GetInput(3), adaptor.GetOutput(1), adaptor.GetOutput(2),
                                       &adaptor.Worker(),   &adaptor.DataBlock(), &adaptor,
                                       &adaptor};
    const int32_t expectedWords[10] = {2, 1, 1, 1, 1, 1, 1, 1, 1, 3};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(objects[i], expectedObjects[i]) << "record " << i;
        EXPECT_EQ(words[i], expectedWords[i]) << "record " << i;
    }

    // The host's engine reads the same seven fields from its shared block.
    SAdaptorBlockView shared{};
    std::memcpy(&shared, adaptor.DataBlock().GetSharedBlock(), sizeof shared);
    EXPECT_EQ(shared.process, static_cast<CProcess*>(&fProcess));
    EXPECT_EQ(shared.inputSlots, fProcess.inputs);
    EXPECT_EQ(shared.keyInput, 3);
    EXPECT_EQ(shared.outputCount, 2);
    // A value the host changed there is what the block reads from then on.
    shared.outputCount = 7;
    std::memcpy(adaptor.DataBlock().GetSharedBlock(), &shared, sizeof shared);
    EXPECT_EQ(adaptor.DataBlock().GetFields().outputCount, 7);
}

TEST_F(AdaptorTest, TheAdaptorsPortCountsAreFixed)
{
    CAdaptorPlugIn& adaptor = MakeAdaptor();
    struct Case
    {
        bool inputs;
        int32_t n;
        int32_t result;
    };
    const Case cases[] = {{true, -1, 0}, {true, 3, 0}, {true, 4, -7152}, {true, 1, -7152},
                          {false, -1, 0}, {false, 2, 0}, {false, 3, -7153}, {false, 0, -7153}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.inputs ? adaptor.SetNumInputs(c.n) : adaptor.SetNumOutputs(c.n), c.result)
            << (c.inputs ? "inputs " : "outputs ") << c.n;
        EXPECT_EQ(adaptor.CountInputs(), 3);
        EXPECT_EQ(adaptor.CountOutputs(), 2);
    }
    // Asking for the current count publishes again: notices {2} and {3} twice, once per accepted call.
    int32_t words[64] = {};
    const int32_t count = QorKitHostQueryLog(nullptr, words, 64);
    int32_t starts = 0;
    for (int32_t i = 0; i < count && i < 64; ++i)
        starts += words[i] == 2 ? 1 : 0;
    EXPECT_EQ(starts, 2);
}

TEST_F(AdaptorTest, APortBeyondTheListThrowsWithoutAnOwningType)
{
    CAdaptorPlugIn& adaptor = MakeAdaptor();
    for (int32_t number : {0, 4}) {
        try {
            adaptor.GetInput(number);
            ADD_FAILURE() << "input " << number;
        } catch (const CDAEError& error) {
            EXPECT_EQ(error.GetCode(), -9060);
        }
    }
    EXPECT_THROW(adaptor.GetOutput(3), CDAEError);
    EXPECT_THROW(adaptor.GetControl(1), CDAEError);
    EXPECT_THROW(adaptor.GetUserInterface(), CDAEError);
}

TEST_F(AdaptorTest, DeletingTheAdaptorPublishesItWithoutPortsAndUnregistersEverything)
{
    CAdaptorPlugIn& adaptor = MakeAdaptor();
    ASSERT_EQ(adaptor.PublishPlugIn(), 0);
    const void* plugIn = &adaptor;
    fAdaptor.reset();
    EXPECT_EQ(QorKitLiveHostObjects(), 0);
    const void* objects[32] = {};
    int32_t words[32] = {};
    const int32_t count = QorKitHostQueryLog(objects, words, 32);
    ASSERT_GE(count, 3);
    ASSERT_LE(count, 32);
    // The last publishing: {2}, the emptied worker, the plug-in's own record, {3}.
    EXPECT_EQ(words[count - 1], 3);
    EXPECT_EQ(objects[count - 1], plugIn);
    EXPECT_EQ(words[count - 4], 2);
    EXPECT_EQ(objects[count - 4], plugIn);
    EXPECT_EQ(QorKitCallCount("UnregisterHostObject"), QorKitCallCount("RegisterHostObject"));
}

TEST_F(AdaptorTest, WithoutATypeNothingIsLeftRegistered)
{
    const SPlugInIdentity identity{HostFourCC("Qora"), HostFourCC("QKvp"), kTypeID, kGroupWord, kIndex};
    CAdaptorPlugIn* adaptor = reinterpret_cast<CAdaptorPlugIn*>(1);
    EXPECT_EQ(CAdaptorPlugIn::Create(identity, nullptr, &fProcess, fProcess.inputs, fProcess.outputs, 2, 2, &adaptor),
              -9060);
    EXPECT_EQ(adaptor, nullptr);
    EXPECT_EQ(QorKitLiveHostObjects(), 0);
}

TEST_F(AdaptorTest, ATypeNameThatCannotBeHadGivesUnknown)
{
    class NamelessType : public CEffectTypeRTAS
    {
    public:
        NamelessType() : CEffectTypeRTAS(HostFourCC("Kvss"), HostFourCC("QKvp"), 2)
        {
            AddGestalt(5);
            SetStemFormats(0, 0, 0);
        }
        int32_t GetTypeName(int32_t, unsigned char*) override { return -7000; }
    } type;
    const SPlugInIdentity identity{HostFourCC("Qora"), HostFourCC("QKvp"), kTypeID, kGroupWord, kIndex};
    CAdaptorPlugIn adaptor(identity, &type, &fProcess, fProcess.inputs, fProcess.outputs, 1, 1);
    EXPECT_STREQ(adaptor.GetName(), "<unknown>");
    // A mono type's key input is input 2.
    EXPECT_EQ(adaptor.CountInputs(), 2);
    EXPECT_EQ(adaptor.GetInput(2)->GetNumber(), 2);
}

}  // namespace

namespace {

// An instance of the library that answers two extra stems for itself (routines 158 and 159): the first stereo and
// active, the second inactive.
class ExtraStemsInstance : public CEffectProcessAS
{
public:
    ExtraStemsInstance() { OwnConnections() = {1, -1}; }

protected:
    int32_t Render(bool) override { return 0; }
};

// A type with extra stems (gestalt 41) whose instances are ExtraStemsInstance.
class ExtraStemsType : public CEffectTypeRTAS
{
public:
    ExtraStemsType() : CEffectTypeRTAS(HostFourCC("Kvms"), HostFourCC("QKvp"), 2)
    {
        AddGestalt(5);
        AddGestalt(41);
        SetStemFormats(0, 1, 0);
        SetProcessCreator([]() -> CProcess* { return new ExtraStemsInstance; });
    }
};

TEST_F(AdaptorTest, ActiveExtraStemsWidenInputsAndOutputsAndInputsCatchUpWithOutputs)
{
    ExtraStemsType type;
    // The instance lives in the type, so the adaptor reaches its own connection list through the type's routines.
    int32_t index = 0;
    ASSERT_EQ(type.CProcessType::CreateProcess(&index), 0);
    auto* process = static_cast<ExtraStemsInstance*>(type.FindProcess(index));
    const SPlugInIdentity identity{HostFourCC("Qora"), HostFourCC("QKvp"), HostFourCC("Kvms"), kGroupWord, index};
    CAdaptorPlugIn adaptor(identity, &type, process, process->InputConnections(), process->OutputConnections(), 1,
                           2);
    // One input and two outputs, plus the stereo stem: three and four; the key port; then the inputs catch up.
    EXPECT_EQ(adaptor.CountOutputs(), 4);
    EXPECT_EQ(adaptor.CountInputs(), 5);
    const SAdaptorBlockView fields = adaptor.DataBlock().GetFields();
    EXPECT_EQ(fields.inputCount, 4);
    EXPECT_EQ(fields.outputCount, 4);
    EXPECT_EQ(fields.keyInput, 2);
    // Gestalt 41 brings the variable layout with it on a real-time type.
    EXPECT_EQ(adaptor.Worker().GetCallback(), &rtas::VariableLayoutRenderCallback);
}

}  // namespace

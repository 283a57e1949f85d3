// What the library's own effect instance answers a host through group and type: connection slots, the AudioSuite
// format, the flagged bypass, control texts and defaults, the kept routine values, the side-chain input, and the
// refusals of control lookups and type additions.
#include "FrameworkFixture.h"

#include "rtas/framework/AddProcessTypeEx.h"
#include "rtas/framework/AudioSuiteSupport.h"
#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CEffectProcessAS.h"
#include "rtas/framework/CEffectProcessRTAS.h"
#include "rtas/framework/PascalStrings.h"

#include <string>
#include <vector>

using namespace testsupport;

namespace {

// An instance with a master bypass, a continuous and a discrete control, that answers the view routines with a
// failure of its own.
class RoutedInstance : public CEffectProcessAS
{
public:
    static constexpr int32_t kOwnFailure = -5;

    RoutedInstance()
    {
        AddControl(new CPluginControl_OnOff(HostFourCC("bypa"), "Master Bypass\nBypass", false, true));
        auto* gain = new CPluginControl_Continuous(HostFourCC("gain"), "Gain", 0, 10, 5, true);
        gain->SetUnit("dB");
        AddControl(gain);
        AddControl(new CPluginControl_Discrete(HostFourCC("mode"), "Mode", 0, 4, 1, true));
        SetMasterBypassControl(1);
    }
    int32_t HandleIdleEvent() override { return kOwnFailure; }
    int32_t GetViewRect(Rect*) override { return kOwnFailure; }
    int32_t SetViewPort(OpaqueGrafPtr) override { return kOwnFailure; }
    int32_t Routine48(int32_t) override { return kOwnFailure; }
    int32_t Routine49() override { return kOwnFailure; }
    int32_t GetDelaySamplesShort(int16_t* delay) override
    {
        *delay = 12;
        return 0;
    }
    std::string GetControlNameForPurpose(int32_t control, uint32_t purpose, int32_t maxLength) const override
    {
        fPurposes.push_back(purpose);
        return CEffectProcessAS::GetControlNameForPurpose(control, purpose, maxLength);
    }
    mutable std::vector<uint32_t> fPurposes;

protected:
    int32_t Render(bool) override { return 0; }
};

std::string Text(const unsigned char* pascal) { return std::string(reinterpret_cast<const char*>(pascal + 1), pascal[0]); }

class InstanceAnswers : public FrameworkTest
{
protected:
    // Real-time and AudioSuite types make RoutedInstance unless a test asks for the plain test instance.
    RoutedInstance& Make(uint32_t typeNumber, int32_t* index)
    {
        if (!fGroup)
            MakeGroup([]() -> CProcess* { return new RoutedInstance; },
                      []() -> CProcess* { return new RoutedInstance; });
        *index = CreateInstance(typeNumber);
        return *static_cast<RoutedInstance*>(fGroup->FindProcessType(typeNumber)->FindProcess(*index));
    }
};

TEST_F(InstanceAnswers, ANullRecordDisconnectsAnInputQuietlyWhileClearingAnEmptySlotIsRefused)
{
    int32_t index = 0;
    RoutedInstance& instance = Make(kKvam, &index);
    rtas::SConnectionRecord record{};
    struct Step
    {
        int selector;
        int32_t connection;
        rtas::SConnectionRecord* record;
        int32_t answer;
        bool connectedAfter;
    };
    const Step steps[] = {
        {30, 1, nullptr, 0, false},   // nothing there, nothing asked for: no error
        {31, 1, nullptr, -7107, false},
        {30, 1, &record, 0, true},
        {30, 1, &record, -7100, true},
        {30, 1, nullptr, 0, false},
        {30, 49, nullptr, -7106, false},
        {32, 2, nullptr, 0, false},
        {33, 2, nullptr, -7107, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << step.selector << " on " << step.connection);
        const int32_t answer = step.selector == 30 ? Routine<30>()(kKvam, index, step.connection, step.record)
                               : step.selector == 31 ? Routine<31>()(kKvam, index, step.connection)
                               : step.selector == 32 ? Routine<32>()(kKvam, index, step.connection, step.record)
                                                     : Routine<33>()(kKvam, index, step.connection);
        EXPECT_EQ(answer, step.answer);
        const rtas::SConnectionRecord* slot = step.selector <= 31 ? instance.GetInputConnection(step.connection - 1)
                                                                  : instance.GetOutputConnection(step.connection - 1);
        EXPECT_EQ(slot != nullptr, step.connectedAfter);
    }
}

TEST_F(InstanceAnswers, TheTypeKeepsTheInstancesAnswerToIdleAndViewRoutinesToItself)
{
    int32_t index = 0;
    Make(kKvss, &index);
    Rect rect{};
    EXPECT_EQ(Routine<3>()(kKvss, index), 0);
    EXPECT_EQ(Routine<4>()(kKvss, index, &rect), 0);
    EXPECT_EQ(Routine<47>()(kKvss, index, nullptr), 0);
    EXPECT_EQ(Routine<48>()(kKvss, index, 0x00010002), 0);
    // Other forwarded routines pass the instance's answer on, and a missing instance is still refused.
    EXPECT_EQ(Routine<49>()(kKvss, index), RoutedInstance::kOwnFailure);
    EXPECT_EQ(Routine<3>()(kKvss, index + 1), -7126);
}

TEST_F(InstanceAnswers, RoutineFifteenReachesOnlyEffectInstances)
{
    MakeGroup([]() -> CProcess* { return new RoutedInstance; }, nullptr);
    const int32_t effect = CreateInstance(kKvss);
    const int32_t plain = CreateInstance(kKvas);  // the fixture's instance: a bare CProcess
    EXPECT_EQ(Routine<15>()(kKvss, effect, 0), 0);
    EXPECT_EQ(Routine<15>()(kKvas, plain, 0), -7126);
    EXPECT_EQ(Routine<15>()(kKvss, effect + 1, 0), -7126);
}

TEST_F(InstanceAnswers, ControlLookupsOutsideTheListRaiseNoSuchControl)
{
    int32_t index = 0;
    RoutedInstance& instance = Make(kKvam, &index);
    for (int32_t number : {0, -1, 4}) {
        SCOPED_TRACE(number);
        try {
            instance.GetControl(number);
            ADD_FAILURE() << "no exception";
        } catch (const CDAEError& error) {
            EXPECT_EQ(error.GetCode(), -7300);
        }
    }
    EXPECT_EQ(instance.GetControl(3)->GetID(), HostFourCC("mode"));
}

TEST_F(InstanceAnswers, ATypeThatCannotBeAddedRaisesAddProcessTypeEx)
{
    TestEffectGroup& group = MakeGroup();
    EXPECT_THROW(group.AddEffectType(nullptr), AddProcessTypeEx);
    // Before Initialize there is no list to add to.
    TestEffectGroup bare;
    CEffectTypeAS type(HostFourCC("Kvam"), HostFourCC("QKvp"), 2);
    try {
        bare.AddEffectType(&type);
        ADD_FAILURE() << "no exception";
    } catch (const AddProcessTypeEx& error) {
        EXPECT_EQ(error.GetCode(), -7053);
    }
}

TEST_F(InstanceAnswers, TheAudioSuiteFormatIsFilledByRoutine94AndCheckedByRoutine95)
{
    int32_t index = 0;
    Make(kKvam, &index);
    rtas::SAudioSuiteFormat format{77, 0, 0, 0, 0.0f};
    ASSERT_EQ(Routine<94>()(kKvam, index, HostWord(&format)), 0);
    EXPECT_EQ(format.callerWord, 77);
    EXPECT_EQ(format.a, 1);
    EXPECT_EQ(format.b, 2);
    EXPECT_EQ(format.c, 1);
    EXPECT_EQ(format.sampleRate, 44100.0f);
    struct Case
    {
        rtas::SAudioSuiteFormat format;
        int32_t answer;
    };
    const Case cases[] = {{{0, 1, 2, 1, 48000.0f}, 0},
                          {{0, 1, 2, 2, 48000.0f}, -7104},
                          {{0, 1, 2, 1, 0.0f}, -7104},
                          {{0, 2, 2, 1, 44100.0f}, -7104}};
    for (const Case& c : cases) {
        rtas::SAudioSuiteFormat checked = c.format;
        EXPECT_EQ(Routine<95>()(kKvam, index, HostWord(&checked)), c.answer);
    }
    EXPECT_EQ(Routine<95>()(kKvam, index, 0), -7053);
}

TEST_F(InstanceAnswers, TheFlaggedBypassIsTheMasterBypassWhenTheFlagsShareABitWithTheTypeSetting)
{
    int32_t index = 0;
    Make(kKvss, &index);  // type setting 2
    struct Case
    {
        int32_t flags;
        int32_t control;
    };
    for (const Case c : {Case{2, 1}, Case{3, 1}, Case{1, 0}, Case{0, 0}, Case{-1, 1}}) {
        int32_t control = -9;
        EXPECT_EQ(Routine<135>()(kKvss, index, c.flags, &control), 0);
        EXPECT_EQ(control, c.control) << "flags " << c.flags;
    }
}

TEST_F(InstanceAnswers, ControlTextsCharactersAndDefaultsAnswerThroughTheControl)
{
    int32_t index = 0;
    RoutedInstance& instance = Make(kKvam, &index);
    unsigned char text[256] = {0};
    int32_t value = -1;
    rtas::SetPascalString(255, "7.5 dB", text);
    EXPECT_EQ(instance.GetControlValueFromText(2, text, &value), 0);
    EXPECT_EQ(value, rtas::DoubleToControlValue(7.5, 0, 10));
    rtas::SetPascalString(255, "3", text);
    EXPECT_EQ(instance.GetControlValueFromText(3, text, &value), 0);
    EXPECT_EQ(value, rtas::IntegerToControlValue(3, 0, 4));
    // A text the control cannot read answers its code; a number outside the list answers 0 with a value of 0.
    rtas::SetPascalString(255, "7.5 dB extra", text);
    EXPECT_EQ(instance.GetControlValueFromText(2, text, &value), -7401);
    EXPECT_EQ(instance.GetControlValueFromText(9, text, &value), 0);
    EXPECT_EQ(value, 0);

    EXPECT_TRUE(instance.IsValidControlCharacter(2, 'd'));  // a letter of the unit
    EXPECT_FALSE(instance.IsValidControlCharacter(3, 'd'));
    EXPECT_TRUE(instance.IsValidControlCharacter(1, 'O'));
    EXPECT_FALSE(instance.IsValidControlCharacter(0, '1'));

    instance.SetControlDefaultValue(3, rtas::IntegerToControlValue(4, 0, 4));
    instance.SetControlDefaultValue(9, 0);
    int32_t defaultValue = 0;
    EXPECT_EQ(Routine<109>()(kKvam, index, 3, &defaultValue), 0);
    EXPECT_EQ(defaultValue, rtas::kControlValueMax);

    unsigned char name[256] = {0};
    EXPECT_EQ(instance.GetControlNameShort(1, name), 0);
    EXPECT_EQ(Text(name), "Master Bypass");
}

TEST_F(InstanceAnswers, TheNameRoutineAsksForTheControlPanelNameAndTheWideLatencyFallsBackToTheShortOne)
{
    int32_t index = 0;
    RoutedInstance& instance = Make(kKvam, &index);
    instance.fPurposes.clear();  // the sharing service's names were asked for at creation
    unsigned char name[256] = {0};
    EXPECT_EQ(Routine<44>()(kKvam, index, 2, name), 0);
    EXPECT_EQ(Text(name), "Gain");
    EXPECT_EQ(instance.fPurposes, std::vector<uint32_t>{HostFourCC("PcTL")});

    int32_t delay = 0;
    EXPECT_EQ(Routine<145>()(kKvam, index, &delay), 0);
    EXPECT_EQ(delay, 12);

    EXPECT_EQ(Routine<130>()(kKvam, index, 0x12345678), 0);
    EXPECT_EQ(instance.GetRoutine130Value(), 0x12345678);
}

TEST_F(InstanceAnswers, TheKeyInputIsTheSideChainInputAndItsSlotCarriesTheHostsRecord)
{
    int32_t stereo = 0;
    int32_t mono = 0;
    RoutedInstance& stereoInstance = Make(kKvss, &stereo);
    RoutedInstance& monoInstance = Make(kKvmm, &mono);
    // The key input follows the audio inputs: connection 3 of a stereo instance, 2 of a mono one (0-based 2, 1).
    EXPECT_EQ(stereoInstance.GetSideChainInput(), 2);
    EXPECT_EQ(monoInstance.GetSideChainInput(), 1);

    rtas::SConnectionRecord key{};
    EXPECT_FALSE(stereoInstance.IsSideChainConnected());
    ASSERT_EQ(Routine<30>()(kKvss, stereo, 3, &key), 0);
    EXPECT_TRUE(stereoInstance.IsSideChainConnected());
    EXPECT_EQ(stereoInstance.GetInputConnection(stereoInstance.GetSideChainInput()), &key);
    ASSERT_EQ(Routine<31>()(kKvss, stereo, 3), 0);
    EXPECT_FALSE(stereoInstance.IsSideChainConnected());
    EXPECT_EQ(stereoInstance.GetInputConnection(2), nullptr);

    // A type without a key input gives its instances no side-chain input.
    CEffectTypeAS keyless(HostFourCC("Kvam"), HostFourCC("QKvp"), 2);
    keyless.SetStemFormats(1, 1, 0);
    keyless.SetProcessCreator([]() -> CProcess* { return new RoutedInstance; });
    int32_t index = 0;
    ASSERT_EQ(keyless.CreateProcess(&index), 0);
    EXPECT_EQ(static_cast<RoutedInstance*>(keyless.FindProcess(index))->GetSideChainInput(), -42);
}

TEST_F(InstanceAnswers, DiscreteControlsTravelInTheControlsStateAsLongs)
{
    // Without the host's sharing service a restored value is stored at once (with it, the host echoes it).
    CEffectTypeAS type(HostFourCC("Kvam"), HostFourCC("QKvp"), 2);
    type.SetStemFormats(1, 1, 0);
    type.SetProcessCreator([]() -> CProcess* { return new RoutedInstance; });
    int32_t index = 0;
    ASSERT_EQ(type.CreateProcess(&index), 0);
    auto& instance = *static_cast<RoutedInstance*>(type.FindProcess(index));
    const uint32_t elck = HostFourCC("elck");
    const int32_t three = rtas::IntegerToControlValue(3, 0, 4);
    ASSERT_EQ(type.UpdateControlValue(index, 3, three), 0);
    ASSERT_EQ(type.UpdateControlValue(index, 2, rtas::DoubleToControlValue(7.5, 0, 10)), 0);

    // The bypass is left out: "d_gain" (8 bytes of name, 8 of value) and "l_mode" (8 and 4) after the magic.
    int32_t size = 0;
    ASSERT_EQ(instance.GetChunkSize(elck, &size), 0);
    ASSERT_EQ(size, 56 + 4 + 16 + 12);
    std::vector<uint8_t> saved(size_t(size), 0xEE);
    auto* chunk = reinterpret_cast<SFicPlugInChunk*>(saved.data());
    ASSERT_EQ(instance.GetChunk(elck, chunk), 0);
    const uint8_t* entry = saved.data() + 56 + 4 + 16;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(entry), 8), std::string("l_mode\0\0", 8));
    EXPECT_EQ(std::vector<uint8_t>(entry + 8, entry + 12), (std::vector<uint8_t>{0, 0, 0, 3}));

    uint8_t equal = 0;
    ASSERT_EQ(instance.CompareChunk(elck, chunk, &equal), 0);
    EXPECT_EQ(equal, 1);
    ASSERT_EQ(type.UpdateControlValue(index, 3, rtas::IntegerToControlValue(1, 0, 4)), 0);
    ASSERT_EQ(instance.CompareChunk(elck, chunk, &equal), 0);
    EXPECT_EQ(equal, 0) << "another step of a discrete control is a difference";

    ASSERT_EQ(instance.SetChunk(elck, chunk), 0);
    int32_t value = 0;
    instance.GetControlValue(3, &value);
    EXPECT_EQ(value, three);
    ASSERT_EQ(instance.CompareChunk(elck, chunk, &equal), 0);
    EXPECT_EQ(equal, 1);
}

TEST_F(InstanceAnswers, SpecifierRecordsReachTheInstanceTheyName)
{
    int32_t index = 0;
    RoutedInstance& instance = Make(kKvam, &index);
    CProcessGroupInterface& group = *fGroup;
    const int16_t type = int16_t(kKvam);
    const int16_t number = int16_t(index);
    const int32_t three = rtas::IntegerToControlValue(3, 0, 4);
    // With the host's sharing service the value goes out as a request; the host's answer (routine 99) stores it.
    EXPECT_EQ(group.SetControlValueOf({type, number, 3, three}), 0);
    ASSERT_EQ(Routine<99>()(kKvam, index, 3, three), 0);
    int32_t value = 0;
    EXPECT_EQ(group.GetControlValueOf({type, number, 3}, &value), 0);
    EXPECT_EQ(value, three);
    unsigned char name[256] = {0};
    EXPECT_EQ(group.GetStemNameOf({type, number, 9}, 31, name), -7000);
    EXPECT_EQ(group.GetControlValueOf({type, int16_t(number + 1), 3}, &value), -7126);
    EXPECT_EQ(group.DeleteProcessOf({type, number}), 0);
    EXPECT_EQ(fGroup->FindProcessType(kKvam)->FindProcess(index), nullptr);
    (void)instance;
}

TEST_F(InstanceAnswers, ARealTimeOnlyInstanceKeepsTheIdentityItIsSetUpWith)
{
    MakeGroup([]() -> CProcess* { return new CEffectProcessRTAS; }, nullptr);
    ASSERT_EQ(Routine<38>()(0x51), 0);
    const int32_t index = CreateInstance(kKvms);
    auto* instance = dynamic_cast<CEffectProcessRTAS*>(fGroup->FindProcessType(kKvms)->FindProcess(index));
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(instance->GetEngineIdentity().manufacturerID, HostFourCC("Qora"));
    EXPECT_EQ(instance->GetEngineIdentity().productID, HostFourCC("QKvp"));
    EXPECT_EQ(instance->GetEngineIdentity().typeID, HostFourCC("Kvms"));
    EXPECT_EQ(instance->GetGroupWord(), 0x51);
    EXPECT_EQ(instance->GetEngineIndex(), index);
}

}  // namespace

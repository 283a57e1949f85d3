// What the group and its types answer about themselves: gestalts, stems and channel counts, names.
#include "FrameworkFixture.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CEffectProcessAS.h"

#include <stdexcept>

#include <string>

using namespace testsupport;

namespace {

// The library's AudioSuite-capable instance with a name for stem kind 1 only.
class NamedStemsInstance : public CEffectProcessAS
{
public:
    NamedStemsInstance() { StemNames().push_back({1, "left and right"}); }

protected:
    int32_t Render(bool) override { return 0; }
};

class GestaltsAndStems : public FrameworkTest
{
protected:
    int32_t Gestalt(uint32_t type, int32_t code, int32_t answer = 0)
    {
        const int32_t result = Routine<93>()(type, code, &answer);
        return result == 0 ? answer : result;
    }
    static std::string Text(const unsigned char* pascal) { return std::string(reinterpret_cast<const char*>(pascal + 1), pascal[0]); }
};

TEST_F(GestaltsAndStems, GroupAndTypesAnswerTheirGestalts)
{
    MakeGroup();
    struct Case
    {
        uint32_t type;
        int32_t code;
        int32_t expected;
    };
    const Case cases[] = {
        {kKvss, 14, 1},  // the group's own code, for every type
        {kKvmm, 7, 1},   // every effect type
        {kKvss, 8, 1},   {kKvss, 48, 1}, {kKvss, 2, 0},   {kKvas, 2, 1},  {kKvas, 48, 0},
        {kKvss, 29, 1},  // stems were set
        {kKvss, 5, 3},   // input channels + 1
        {kKvms, 5, 2},   {kKvam, 5, 3},
        {kKvss, 21, 2},  // the type setting
        {kKvss, 32, 6},  // the default setting, for a typed plug-in
        {kKvss, 99, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "type " << c.type << " code " << c.code);
        EXPECT_EQ(Gestalt(c.type, c.code), c.expected);
    }
    EXPECT_EQ(Gestalt(9, 8), -7125);
    EXPECT_EQ(Gestalt(9, 14), 1);  // the group's set is asked before any type
}

TEST_F(GestaltsAndStems, GestaltTwentyEightAsksWhetherTheHostOffersMidiAndNeverTheSet)
{
    TestEffectGroup& group = MakeGroup();
    group.AddGestalt(28);
    EXPECT_EQ(Gestalt(kKvss, 28, int32_t(HostFourCC("midi"))), 2);
    EXPECT_EQ(Gestalt(kKvss, 28, 0), 0);
    EXPECT_EQ(Gestalt(9, 28, int32_t(HostFourCC("midi"))), 2);
}

TEST_F(GestaltsAndStems, AddingGestaltFortyOneBringsItsCompanions)
{
    CEffectTypeRTAS realTime(HostFourCC("Kvss"), HostFourCC("QKvp"), 2);
    CEffectTypeAS audioSuite(HostFourCC("Kvam"), HostFourCC("QKvp"), 2);
    realTime.AddGestalt(41);
    audioSuite.AddGestalt(41);
    for (int32_t code : {41, 30, 38}) {
        int32_t answer = 0;
        realTime.GetGestalt(code, &answer);
        EXPECT_EQ(answer, 1) << code;
        audioSuite.GetGestalt(code, &answer);
        EXPECT_EQ(answer, code == 38 ? 0 : 1) << code;
    }
}

TEST_F(GestaltsAndStems, SettingsKeepTheBitsTheirKeyAllows)
{
    CEffectTypeRTAS type(HostFourCC("Kvss"), HostFourCC("QKvp"), 2);
    type.SetGestaltSetting(13, 26);
    type.SetGestaltSetting(2, 18);
    type.SetGestaltSetting(3, 21);
    type.SetGestaltSetting(-9, 29);
    type.SetGestaltSetting(40, 17);
    type.SetGestaltSettingDefault(6);
    EXPECT_EQ(type.GetGestaltSetting(26), 5);
    EXPECT_EQ(type.GetGestaltSetting(18), 0);
    EXPECT_EQ(type.GetGestaltSetting(21), 1);
    EXPECT_EQ(type.GetGestaltSetting(29), 7);
    EXPECT_EQ(type.GetGestaltSetting(17), 1);
    EXPECT_EQ(type.GetGestaltSetting(-1), 6);
}

TEST_F(GestaltsAndStems, TypesReportStemsAndChannelCounts)
{
    MakeGroup();
    struct Case
    {
        uint32_t type;
        int32_t in, out;
        int16_t inputs, outputs;
    };
    const Case cases[] = {{kKvmm, 0, 0, 1, 1}, {kKvms, 0, 1, 1, 2}, {kKvss, 1, 1, 2, 2},
                          {kKvas, 0, 0, 1, 1}, {kKvam, 1, 1, 2, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        int32_t stems[3] = {9, 9, 9};
        EXPECT_EQ(Routine<137>()(c.type, 0, stems), 0);
        EXPECT_EQ(stems[0], c.in);
        EXPECT_EQ(stems[1], c.out);
        EXPECT_EQ(stems[2], 0);
        int16_t inputs = 0;
        int16_t outputs = 0;
        EXPECT_EQ(Routine<10>()(c.type, 0, &inputs), 0);
        EXPECT_EQ(Routine<17>()(c.type, 0, &outputs), 0);
        EXPECT_EQ(inputs, c.inputs);
        EXPECT_EQ(outputs, c.outputs);
        int32_t kind = 0;
        EXPECT_EQ(Routine<92>()(c.type, 0, &kind), 0);
        EXPECT_EQ(kind, c.type <= kKvss ? 3 : 1);
    }
}

TEST_F(GestaltsAndStems, AStemCodeOutsideTheTableIsAFailure)
{
    CEffectTypeAS type(HostFourCC("Kvam"), HostFourCC("QKvp"), 2);
    try {
        type.SetStemFormats(11, 0, 0);
        FAIL() << "no failure";
    } catch (const CDAEError& error) {
        EXPECT_EQ(error.GetCode(), -7401);
    }
}

TEST_F(GestaltsAndStems, StereoTypesNameStemKindTwoWhenTheInstanceDoesNot)
{
    MakeGroup([]() -> CProcess* { return new NamedStemsInstance; },
              []() -> CProcess* { return new NamedStemsInstance; });
    const int32_t stereo = CreateInstance(kKvss);
    const int32_t mono = CreateInstance(kKvmm);
    unsigned char name[256] = {0};
    EXPECT_EQ(Routine<108>()(kKvss, stereo, 2, 31, name), 0);
    EXPECT_EQ(Text(name), "stereo mode");
    EXPECT_EQ(Routine<108>()(kKvss, stereo, 1, 31, name), 0);
    EXPECT_EQ(Text(name), "left and right");
    name[0] = 0;
    EXPECT_EQ(Routine<108>()(kKvss, stereo, 3, 31, name), -7000);
    EXPECT_EQ(Routine<108>()(kKvmm, mono, 2, 31, name), -7000);
    EXPECT_EQ(name[0], 0) << "nothing written when nothing is named";
}

TEST_F(GestaltsAndStems, NamesFitTheLengthTheHostAsksFor)
{
    MakeGroup();
    struct Case
    {
        int32_t length;
        const char* manufacturer;
        const char* type;
    };
    const Case cases[] = {{20, "QorVelmont", "Qor Kalvenor"}, {10, "QorVelmont", "Qor Kalven"},
                          {9, "Qor", "Qor Kalve"},            {3, "Qor", "Qor"},
                          {2, "Qo", "Qo"},                    {0, "", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        unsigned char name[256] = {0};
        EXPECT_EQ(Routine<12>()(c.length, name), 0);
        EXPECT_EQ(Text(name), c.manufacturer);
        EXPECT_EQ(Routine<5>()(kKvss, c.length, name), 0);
        EXPECT_EQ(Text(name), c.type);
        EXPECT_EQ(Routine<5>()(HostFourCC("????"), c.length, name), 0);
        EXPECT_EQ(Text(name), c.type);
    }
    unsigned char name[256] = {0};
    EXPECT_EQ(Routine<5>()(9, 31, name), -7125);
}

TEST_F(GestaltsAndStems, TypeIdentityWordsComeFromTheTypeAndTheGroup)
{
    MakeGroup();
    uint32_t manufacturer = 0;
    uint32_t typeID = 0;
    SFicTypeIdentity identity{};
    EXPECT_EQ(Routine<6>()(kKvas, &manufacturer, &typeID, &identity), 0);
    EXPECT_EQ(manufacturer, HostFourCC("Qora"));
    EXPECT_EQ(typeID, HostFourCC("Kvas"));
    EXPECT_EQ(identity.productID, HostFourCC("QKvp"));
    EXPECT_EQ(identity.tag, HostFourCC("grID"));
    EXPECT_EQ(Routine<6>()(0, &manufacturer, &typeID, &identity), -7125);
}

TEST(SampleRates, FamiliesByRange)
{
    struct Case
    {
        int32_t rate;
        int32_t family;
    };
    const Case cases[] = {{0, 48000}, {44100, 48000}, {51000, 48000}, {51001, 96000}, {102000, 96000},
                          {102001, 192000}, {204000, 192000}};
    for (const Case& c : cases) {
        EXPECT_EQ(SampleRateFamily(c.rate), c.family) << c.rate;
        EXPECT_EQ(SampleRateMultiple(c.rate), c.family / 48000) << c.rate;
    }
    EXPECT_EQ(SampleRateFamilyIndex(96000), 1);
    EXPECT_EQ(SampleRateFamilyIndex(192000), 2);
    EXPECT_THROW(SampleRateFamily(204001), std::runtime_error);
    EXPECT_THROW(SampleRateFamily(-1), std::runtime_error);
}

}  // namespace

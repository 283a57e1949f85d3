// The effect as a host first meets it: the entry point, the record, the identity answers and the lifetime.
#include "E2eSupport.h"

#include "effect/vst2/Opcodes.h"
#include "effect/vst2/Records.h"
#include "platform/Library.h"

#include <cstring>
#include <vector>

namespace {

using e2e::kPluginPath;
using e2e::LoadedEffect;
using vst2host::HostCall;
using vst2host::HostedEffect;

TEST_F(LoadedEffect, RecordCarriesIdentityCountsAndFlags)
{
    const EffectRecord& record = *effect.record();
    EXPECT_EQ(record.magic, kEffectMagic);
    EXPECT_EQ(record.uniqueID, fourCharCode('Q', 'K', 'v', 'p'));
    EXPECT_EQ(record.version, 1);
    EXPECT_EQ(record.flags, 0x1031);
    EXPECT_EQ(record.numPrograms, 1);
    EXPECT_EQ(record.numParams, 16);
    EXPECT_EQ(record.numInputs, 2);
    EXPECT_EQ(record.numOutputs, 2);
    EXPECT_EQ(record.initialDelay, 0);
    EXPECT_EQ(record.ioRatio, 1.0f);
    EXPECT_EQ(record.resvd1, reinterpret_cast<intptr_t>(&effect)) << "the host's own pointer, set after entry";
    EXPECT_EQ(record.resvd2, 0);
    EXPECT_NE(record.object, nullptr);
    EXPECT_NE(record.dispatcher, nullptr);
    EXPECT_NE(record.process, nullptr);
    EXPECT_NE(record.setParameter, nullptr);
    EXPECT_NE(record.getParameter, nullptr);
    EXPECT_NE(record.processReplacing, nullptr);
    EXPECT_NE(record.processDoubleReplacing, nullptr);
}

TEST_F(LoadedEffect, DispatcherAnswersIdentityRequests)
{
    EXPECT_EQ(effect.effectName(), "Qor Kalvenor");
    EXPECT_EQ(effect.productString(), "Qor Kalvenor - FET type compressor");
    const std::string vendor = effect.vendorString();
    EXPECT_FALSE(vendor.empty());
    EXPECT_LE(vendor.size(), 63u);
    EXPECT_EQ(effect.vendorVersion(), 1000);
    EXPECT_EQ(effect.category(), kPlugCategoryMastering);
    EXPECT_EQ(effect.vstVersion(), 2400);
    EXPECT_EQ(effect.dispatch(effIdentify, 7, 9, nullptr, 1.0f), kIdentifyAnswer);
    EXPECT_EQ(effect.dispatch(effGetProgram), 0);
    EXPECT_EQ(effect.dispatch(effSetProgram, 0, 5), 0);
    EXPECT_EQ(effect.dispatch(effGetProgram), 0) << "one host-visible program whatever is asked";
}

TEST_F(LoadedEffect, CanDoAnswersOnlyExactCapabilities)
{
    const struct
    {
        const char* capability;
        intptr_t answer;
    } cases[] = {
        {"offline", 1},  {"plugAsChannelInsert", 1}, {"mixDryWet", 1}, {"1in1out", 1},
        {"1in2out", 1},  {"2in2out", 1},             {"2In2Out", 0},   {"sizeWindow", 0},
        {"receiveVstEvents", 0}, {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(effect.canDo(c.capability), c.answer) << '"' << c.capability << '"';
}

TEST_F(LoadedEffect, PinPropertiesNameBothChannelsAndNoThird)
{
    for (int32_t opcode : {effGetInputProperties, effGetOutputProperties}) {
        const char* direction = opcode == effGetInputProperties ? "In" : "Out";
        for (int32_t index : {0, 1}) {
            PinProperties pin{};
            EXPECT_EQ(effect.dispatch(opcode, index, 0, &pin), 1);
            EXPECT_EQ(std::string(pin.label), "Qor Kalvenor " + std::to_string(index + 1) + " " + direction);
            EXPECT_EQ(pin.flags, kPinIsActive | kPinIsStereo);
        }
        PinProperties untouched{};
        std::memset(&untouched, 0x5A, sizeof untouched);
        PinProperties third = untouched;
        EXPECT_EQ(effect.dispatch(opcode, 2, 0, &third), 0);
        EXPECT_EQ(std::memcmp(&third, &untouched, sizeof third), 0) << direction << " pin 2 must not be written";
    }
}

TEST_F(LoadedEffect, ConstructionCallbacksArriveBeforeTheHostHoldsTheRecord)
{
    const std::vector<HostCall> calls = effect.log().calls();
    std::vector<int32_t> opcodes;
    for (const HostCall& call : calls) {
        opcodes.push_back(call.opcode);
        EXPECT_FALSE(call.fromHeldRecord) << "opcode " << call.opcode << " came from a record the host held";
    }
    // Two version questions, then selecting program 0 asks for a display update inside an edit bracket; the
    // start-up load of the stored defaults selects program 0 once more.
    EXPECT_EQ(opcodes, (std::vector<int32_t>{audioMasterVersion, audioMasterVersion, audioMasterUpdateDisplay,
                                              audioMasterBeginEdit, audioMasterEndEdit, audioMasterUpdateDisplay,
                                              audioMasterBeginEdit, audioMasterEndEdit}));
    for (const HostCall& call : calls) {
        if (call.opcode == audioMasterBeginEdit || call.opcode == audioMasterEndEdit) {
            EXPECT_EQ(call.index, 0);
        }
    }
}

TEST_F(LoadedEffect, CallbacksAfterLoadComeFromTheHeldRecord)
{
    effect.log().clear();
    ASSERT_EQ(effect.setChunk(effect.getChunk()), 0);
    const std::vector<HostCall> calls = effect.log().calls();
    ASSERT_FALSE(calls.empty()) << "loading a chunk selects a program, which updates the host's display";
    for (const HostCall& call : calls)
        EXPECT_TRUE(call.fromHeldRecord) << "opcode " << call.opcode;
    EXPECT_EQ(effect.log().callsWithOpcode(audioMasterUpdateDisplay).size(), 1u);
}

// Which version request is answered 0, and how many the entry point should have asked before giving up.
struct RefusedVersionCase
{
    int refusedRequest;
    size_t expectedRequests;
};

class RefusedHostVersion : public ::testing::TestWithParam<RefusedVersionCase>
{
};

TEST_P(RefusedHostVersion, EntryReturnsNullAndBuildsNothing)
{
    HostedEffect effect;
    int versionRequests = 0;
    const int refused = GetParam().refusedRequest;
    effect.setCallbackOverride([&](const HostCall& call) -> std::optional<intptr_t> {
        if (call.opcode != audioMasterVersion)
            return std::nullopt;
        return ++versionRequests == refused ? 0 : vst2host::kDefaultHostVersion;
    });
    EXPECT_FALSE(effect.load(kPluginPath));
    EXPECT_EQ(effect.record(), nullptr);
    EXPECT_NE(effect.error().find("returned no effect"), std::string::npos) << effect.error();
    EXPECT_EQ(effect.log().callsWithOpcode(audioMasterVersion).size(), GetParam().expectedRequests);
    // A constructed effect would select its first program and say so.
    EXPECT_EQ(effect.log().calls().size(), GetParam().expectedRequests);
    EXPECT_FALSE(platform::Library::isResident(kPluginPath));
}

INSTANTIATE_TEST_SUITE_P(EitherRequest, RefusedHostVersion,
                         ::testing::Values(RefusedVersionCase{1, 1}, RefusedVersionCase{2, 2}));

TEST(EffectLifetime, HostVersionSettingZeroGetsNoEffect)
{
    HostedEffect effect(0);
    EXPECT_FALSE(effect.load(kPluginPath));
    EXPECT_FALSE(effect.isLoaded());
    EXPECT_EQ(effect.close(), 0) << "nothing to close";
}

TEST(EffectLifetime, CloseAnswersOneAndUnloadsTheLibrary)
{
    HostedEffect effect;
    ASSERT_TRUE(effect.load(kPluginPath)) << effect.error();
    ASSERT_TRUE(platform::Library::isResident(kPluginPath));
    EXPECT_EQ(effect.close(), 1);
    EXPECT_EQ(effect.record(), nullptr);
    EXPECT_FALSE(platform::Library::isResident(kPluginPath))
        << "the plug-in library stays mapped after its only effect was closed and the host let it go";
}

TEST(EffectLifetime, ReloadAfterCloseStartsFromDefaults)
{
    HostedEffect effect;
    ASSERT_TRUE(effect.load(kPluginPath)) << effect.error();
    const std::string defaultThreshold = effect.parameterDisplay(8);
    effect.setParameter(8, 0.0f);
    ASSERT_NE(effect.parameterDisplay(8), defaultThreshold);
    effect.close();

    ASSERT_TRUE(effect.load(kPluginPath)) << effect.error();
    EXPECT_EQ(effect.parameterDisplay(8), defaultThreshold);
    EXPECT_EQ(effect.programName(), "Default");
}

TEST(EffectLifetime, TwoInstancesKeepTheirOwnParameters)
{
    HostedEffect first;
    HostedEffect second;
    ASSERT_TRUE(first.load(kPluginPath)) << first.error();
    ASSERT_TRUE(second.load(kPluginPath)) << second.error();
    first.setParameter(10, 1.0f);
    second.setParameter(10, 0.0f);
    EXPECT_EQ(first.parameterDisplay(10), "36.0");
    EXPECT_EQ(second.parameterDisplay(10), "-12.0");
    EXPECT_EQ(first.close(), 1);
    EXPECT_EQ(second.parameterDisplay(10), "-12.0") << "closing one instance must leave the other intact";
}

TEST(EffectLifetime, MissingLibraryIsAnError)
{
    HostedEffect effect;
    EXPECT_FALSE(effect.load("/nonexistent/Qor Kalvenor.so"));
    EXPECT_FALSE(effect.isLoaded());
    EXPECT_NE(effect.error().find("cannot load plug-in"), std::string::npos) << effect.error();
}

}  // namespace

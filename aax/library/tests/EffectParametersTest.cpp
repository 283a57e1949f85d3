#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "aax/library/AAX_CBinary2TaperDelegate.h"
#include "aax/library/AAX_CBinaryDisplayDelegate.h"
#include "aax/library/AAX_CBinaryTaperDelegate.h"
#include "aax/library/AAX_CEffectParameters.h"
#include "aax/library/AAX_CLinearTaperNoRounding.h"
#include "aax/library/AAX_CPacketHandler.h"
#include "aax/library/AAX_CParameter.h"
#include "aax/library/AAX_CVSTDisplayDelegate.h"
#include "aax/library/tests/ChunkBuffer.h"
#include "hosts/aax/InstanceContext.h"

namespace {

struct TextRow
{
    VSTTextCell cells[kVSTTextCells];
    TextRow()
    {
        for (int d = 0; d < kVSTTextCells; ++d)
            std::snprintf(cells[d], kVSTTextCellBytes, "%d%%", d);
    }
};

// An instance of a small product: the master bypass with its packet, two float parameters and a two-state one;
// optionally the preview parameter.
class SmallEffect final : public AAX_CEffectParameters
{
public:
    explicit SmallEffect(bool preview = false) : preview_(preview) {}

    AAX_Result SetUp() override
    {
        auto* bypass = new AAX_CParameter<bool>(kAAXMasterBypassID, AAX_CString("Master Bypass"), false,
                                                AAX_CBinaryTaperDelegate<bool>(),
                                                AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true);
        bypass->SetNumberOfSteps(2);
        bypass->SetType(AAX_eParameterType_Discrete);
        Parameters().AddParameter(bypass);
        PacketDispatcher().RegisterBypassPacket(AAX_CPacketHandler<AAX_CPacketDispatcher>(
            &PacketDispatcher(), &AAX_CPacketDispatcher::WriteParameterPacket));
        for (const char* id : {"0", "1"})
            Parameters().AddParameter(new AAX_CParameter<float>(
                id, AAX_CString(std::string(id) + ": Gain"), 0.0f, AAX_CLinearTaperNoRounding<float, -1>(0.0f, 1.0f),
                AAX_CVSTDisplayDelegate<float>(row_.cells), true));
        Parameters().AddParameter(new AAX_CParameter<bool>("2", AAX_CString("2: Link"), false,
                                                           AAX_CBinary2TaperDelegate<bool>(),
                                                           AAX_CBinaryDisplayDelegate<bool>("off", "on"), false));
        if (preview_)
            Parameters().AddParameter(new AAX_CParameter<bool>(kAAXPreviewID, AAX_CString("Preview"), false,
                                                               AAX_CBinaryTaperDelegate<bool>(),
                                                               AAX_CBinaryDisplayDelegate<bool>("off", "on"), false));
        return AAX_SUCCESS;
    }

    using AAX_CEffectParameters::Parameters;
    using AAX_CEffectParameters::PacketDispatcher;

private:
    TextRow row_;
    bool preview_;
};

// One instance on the stand-in host's context; the host applies every posted value as a host does.
struct Instance
{
    aaxkit::InstanceContext host;
    SmallEffect* effect;

    explicit Instance(bool preview = false) : effect(new SmallEffect(preview))
    {
        void* iface = nullptr;
        effect->GetPrivateUnknown()->QueryInterface(acf::kIidEffectParametersV2, &iface);
        host.automation().onPost = [this](const std::string& id, AAX_CParamValue value) {
            effect->ApplyHostParameterValue(id.c_str(), value);
        };
        EXPECT_EQ(effect->Initialise(static_cast<IACFUnknown*>(host.context())), AAX_SUCCESS);
    }
    ~Instance()
    {
        effect->Shutdown();
        effect->Release();
    }

    float floatValue(const char* id)
    {
        float v = -1.0f;
        AAX_IParameter* p = nullptr;
        effect->GetParameterObject(id, &p);
        p->GetValueAsFloat(&v);
        return v;
    }
    std::vector<uint8_t> saved()
    {
        int32_t size = 0;
        EXPECT_EQ(effect->ChunkByteCount(kAAXControlsChunkID, &size), AAX_SUCCESS);
        ChunkBuffer chunk(size_t(size), kAAXControlsChunkID);
        EXPECT_EQ(effect->WriteChunk(kAAXControlsChunkID, chunk.chunk()), AAX_SUCCESS);
        return chunk.data();
    }
};

std::vector<uint8_t> entry(const char* prefixedName, std::vector<uint8_t> value)
{
    std::vector<uint8_t> bytes(prefixedName, prefixedName + std::strlen(prefixedName) + 1);
    bytes.resize((bytes.size() + 3) & ~size_t(3), 0);
    bytes.insert(bytes.end(), value.begin(), value.end());
    return bytes;
}

}  // namespace

TEST(EffectParameters, ChunkCarriesEveryParameterButTheBypassAsTheHostSeesIt)
{
    Instance instance;
    instance.effect->SetParameterNormalised(kAAXMasterBypassID, 1.0);
    instance.effect->SetParameterNormalised("0", 0.5);
    instance.effect->SetParameterNormalised("2", 1.0);

    int32_t size = 0;
    ASSERT_EQ(instance.effect->ChunkByteCount(kAAXControlsChunkID, &size), AAX_SUCCESS);
    ChunkBuffer chunk(size_t(size), 0x12345678);
    std::memset(chunk.chunk()->name, 'x', sizeof chunk.chunk()->name);
    chunk.chunk()->version = 5;
    ASSERT_EQ(instance.effect->WriteChunk(kAAXControlsChunkID, chunk.chunk()), AAX_SUCCESS);

    std::vector<uint8_t> expected = {1, 1, 1, 1};
    for (const auto& e : {entry("d_0", {0x3F, 0xE0, 0, 0, 0, 0, 0, 0}), entry("d_1", {0, 0, 0, 0, 0, 0, 0, 0}),
                          entry("l_2", {0, 0, 0, 1})})
        expected.insert(expected.end(), e.begin(), e.end());
    EXPECT_EQ(chunk.data(), expected) << "three entries, no bypass";
    EXPECT_EQ(chunk.chunk()->size, 36);
    EXPECT_EQ(chunk.chunk()->version, -1);
    EXPECT_STREQ(chunk.chunk()->name, "Complete Controls State");
    EXPECT_EQ(chunk.chunk()->name[31], 0) << "the rest of the name field is zeroed";
    EXPECT_EQ(chunk.chunk()->identifier, 0x12345678u) << "the host's identifier is left alone";
}

TEST(EffectParameters, ChunkRestoresIntoAnotherInstanceAndComparesByValue)
{
    Instance first;
    first.effect->SetParameterNormalised("0", 0.25);
    first.effect->SetParameterNormalised("1", 0.75);
    first.effect->SetParameterNormalised("2", 1.0);
    first.effect->SetParameterNormalised(kAAXMasterBypassID, 1.0);
    const std::vector<uint8_t> data = first.saved();

    Instance second;
    ChunkBuffer chunk(data, kAAXControlsChunkID);
    AAX_CBoolean equal = 1;
    EXPECT_EQ(second.effect->CompareChunk(chunk.chunk(), &equal), AAX_SUCCESS);
    EXPECT_EQ(equal, 0);
    EXPECT_EQ(second.effect->ReadChunk(kAAXControlsChunkID, chunk.chunk()), AAX_SUCCESS);
    EXPECT_EQ(second.floatValue("0"), 0.25f);
    EXPECT_EQ(second.floatValue("1"), 0.75f);
    AAX_CParamValue n = -1;
    second.effect->GetParameterNormalised("2", &n);
    EXPECT_EQ(n, 1.0);
    second.effect->GetParameterNormalised(kAAXMasterBypassID, &n);
    EXPECT_EQ(n, 0.0) << "the bypass is not restored";
    EXPECT_EQ(second.effect->CompareChunk(chunk.chunk(), &equal), AAX_SUCCESS);
    EXPECT_EQ(equal, 1);

    // Entries the chunk lacks leave their parameters alone; other chunks compare equal.
    ChunkBuffer partial(std::vector<uint8_t>{1, 1, 1, 1, 'd', '_', '1', 0, 0x3F, 0xF0, 0, 0, 0, 0, 0, 0},
                        kAAXControlsChunkID);
    EXPECT_EQ(second.effect->ReadChunk(kAAXControlsChunkID, partial.chunk()), AAX_SUCCESS);
    EXPECT_EQ(second.floatValue("0"), 0.25f);
    EXPECT_EQ(second.floatValue("1"), 1.0f);
    EXPECT_EQ(second.effect->CompareChunk(partial.chunk(), &equal), AAX_SUCCESS);
    EXPECT_EQ(equal, 0) << "a missing entry differs";
    ChunkBuffer foreign(data, AAX_FourCC('A', 'l', 'l', ' '));
    EXPECT_EQ(second.effect->CompareChunk(foreign.chunk(), &equal), AAX_SUCCESS);
    EXPECT_EQ(equal, 1);

    // A chunk without the magic changes nothing.
    ChunkBuffer junk(std::vector<uint8_t>{'d', '_', '1', 0, 0, 0, 0, 0, 0, 0, 0, 0}, kAAXControlsChunkID);
    EXPECT_EQ(second.effect->ReadChunk(kAAXControlsChunkID, junk.chunk()), AAX_SUCCESS);
    EXPECT_EQ(second.floatValue("1"), 1.0f);
}

TEST(EffectParameters, ChunkCallsRefuseUnknownChunksAndUnqueriedSizes)
{
    Instance instance;
    const AAX_CTypeID all = AAX_FourCC('A', 'l', 'l', ' ');
    int32_t count = 0, size = 7;
    AAX_CTypeID id = 99;
    EXPECT_EQ(instance.effect->GetChunkCount(&count), AAX_SUCCESS);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(instance.effect->GetChunkID(0, &id), AAX_SUCCESS);
    EXPECT_EQ(id, kAAXControlsChunkID);
    EXPECT_EQ(instance.effect->GetChunkID(1, &id), AAX_ERROR_INVALID_CHUNK_INDEX);
    EXPECT_EQ(id, 0u);
    EXPECT_EQ(instance.effect->ChunkByteCount(all, &size), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ(size, 0);

    ChunkBuffer chunk(64, kAAXControlsChunkID);
    EXPECT_EQ(instance.effect->WriteChunk(kAAXControlsChunkID, chunk.chunk()), AAX_ERROR_INCORRECT_CHUNK_SIZE)
        << "no size query before the fetch";
    EXPECT_EQ(instance.effect->WriteChunk(all, chunk.chunk()), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ(instance.effect->ReadChunk(all, chunk.chunk()), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ(instance.effect->WriteChunk(kAAXControlsChunkID, nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(instance.effect->ReadChunk(kAAXControlsChunkID, nullptr), AAX_ERROR_NULL_OBJECT);
}

TEST(EffectParameters, UnknownIdentifiersAnswerInvalidParameter)
{
    Instance instance;
    AAX_CEffectParameters& e = *instance.effect;
    AAX_CBoolean b = 1;
    int32_t i = 0;
    AAX_CParamValue v = 0;
    AAX_EParameterType kind;
    AAX_IParameter* p = nullptr;
    AAX_CString text("old");
    const std::vector<std::function<AAX_Result(AAX_CParamID)>> calls = {
        [&](AAX_CParamID id) { return e.IsParameterAutomatable(id, &b); },
        [&](AAX_CParamID id) { return e.GetParameterStepCount(id, &i); },
        [&](AAX_CParamID id) { return e.GetParameterDefault(id, &v); },
        [&](AAX_CParamID id) { return e.SetParameterDefault(id, 0.5); },
        [&](AAX_CParamID id) { return e.GetParameterKind(id, &kind); },
        [&](AAX_CParamID id) { return e.GetParameterOrientation(id, &i); },
        [&](AAX_CParamID id) { return e.GetParameterObject(id, &p); },
        [&](AAX_CParamID id) { return e.GetParameterIndex(id, &i); },
        [&](AAX_CParamID id) { return e.ParameterTextToValue(id, &v, AAX_CString("1%")); },
        [&](AAX_CParamID id) { return e.ParameterValueToText(id, 0.5, &text, 8); },
        [&](AAX_CParamID id) { return e.GetParameterValueText(id, &text, 8); },
        [&](AAX_CParamID id) { return e.GetParameterNormalised(id, &v); },
        [&](AAX_CParamID id) { return e.SetParameterNormalised(id, 0.5); },
        [&](AAX_CParamID id) { return e.NudgeParameter(id, 0.1); },
        [&](AAX_CParamID id) { return e.BeginParameterTouch(id); },
        [&](AAX_CParamID id) { return e.EndParameterTouch(id); },
        [&](AAX_CParamID id) { return e.ApplyHostParameterValue(id, 0.5); },
        [&](AAX_CParamID id) { return e.NudgeHostParameter(id, 0.1); },
    };
    for (AAX_CParamID id : {"3", "", "0 ", "masterbypassid", static_cast<const char*>(nullptr)})
        for (size_t c = 0; c < calls.size(); ++c)
            EXPECT_EQ(calls[c](id), AAX_ERROR_INVALID_PARAMETER_ID) << "call " << c << " with " << (id ? id : "null");
    EXPECT_EQ(b, 0);
    EXPECT_EQ(p, nullptr);

    // Titles of unknown identifiers are empty with success; so are identifiers outside the table by index.
    EXPECT_EQ(e.GetParameterTitle("9", &text), AAX_SUCCESS);
    EXPECT_EQ(text.StdString(), "");
    text.Set("old");
    EXPECT_EQ(e.GetParameterShortTitle("9", &text, 4), AAX_SUCCESS);
    EXPECT_EQ(text.StdString(), "");
    EXPECT_EQ(e.GetParameterIDAt(4, &text), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ(e.GetParameterIDAt(-1, &text), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ(text.StdString(), "");
}

TEST(EffectParameters, ParametersAnswerByIdentifierAndIndex)
{
    Instance instance;
    AAX_CEffectParameters& e = *instance.effect;
    int32_t count = 0, index = -1, steps = 0;
    AAX_CString text;
    AAX_CBoolean automatable = 0;
    AAX_EParameterType kind = AAX_eParameterType_Continuous;
    EXPECT_EQ(e.GetParameterCount(&count), AAX_SUCCESS);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(e.GetMasterBypassID(&text), AAX_SUCCESS);
    EXPECT_EQ(text.StdString(), "MasterBypassID");
    EXPECT_EQ(e.GetParameterIDAt(2, &text), AAX_SUCCESS);
    EXPECT_EQ(text.StdString(), "1");
    EXPECT_EQ(e.GetParameterIndex("2", &index), AAX_SUCCESS);
    EXPECT_EQ(index, 3);
    EXPECT_EQ(e.GetParameterTitle("1", &text), AAX_SUCCESS);
    EXPECT_EQ(text.StdString(), "1: Gain");
    EXPECT_EQ(e.IsParameterAutomatable("2", &automatable), AAX_SUCCESS);
    EXPECT_EQ(automatable, 0);
    EXPECT_EQ(e.GetParameterStepCount(kAAXMasterBypassID, &steps), AAX_SUCCESS);
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(e.GetParameterKind(kAAXMasterBypassID, &kind), AAX_SUCCESS);
    EXPECT_EQ(kind, AAX_eParameterType_Discrete);

    AAX_CParamValue n = -1;
    EXPECT_EQ(e.ParameterTextToValue("0", &n, AAX_CString("40%")), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(n, double(0.4f));
    EXPECT_EQ(e.ParameterTextToValue("0", &n, AAX_CString("loud")), AAX_ERROR_INVALID_STRING_CONVERSION);
    EXPECT_EQ(e.ParameterValueToText("0", 0.57, &text, 8), AAX_SUCCESS);
    EXPECT_EQ(text.StdString(), "57%");
    EXPECT_EQ(e.ParameterValueToText("0", 0.5, nullptr, 8), AAX_ERROR_INVALID_STRING_CONVERSION);

    e.SetParameterNormalised("0", 0.3);
    EXPECT_EQ(e.GetParameterValueText("0", &text, 2), AAX_SUCCESS);
    EXPECT_EQ(text.StdString(), "30%");
    EXPECT_EQ(e.NudgeParameter("0", -2.0), AAX_SUCCESS);
    EXPECT_EQ(instance.floatValue("0"), 0.0f) << "a nudge below 0 sets 0";
    EXPECT_EQ(e.NudgeHostParameter("0", 0.75), AAX_SUCCESS);
    EXPECT_EQ(instance.floatValue("0"), 0.75f);
    EXPECT_EQ(e.NudgeHostParameter("0", 1.0), AAX_SUCCESS);
    EXPECT_EQ(instance.floatValue("0"), 1.0f);

    EXPECT_EQ(e.SetParameterDefault("1", 0.2), AAX_SUCCESS);
    EXPECT_EQ(e.GetParameterDefault("1", &n), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(n, double(0.2f));
}

TEST(EffectParameters, ShortTitleIsTheLongestVariantThatFits)
{
    Instance instance;
    AAX_IParameter* p = nullptr;
    instance.effect->GetParameterObject("1", &p);
    p->SetName(AAX_CString("Threshold\nThrs\nTh"));
    struct Case
    {
        int32_t length;
        const char* title;
    };
    const Case cases[] = {{5, "Thrs"}, {4, "Thrs"}, {3, "Th"}, {1, "T"}, {0, ""}, {-3, ""}, {9, "Threshold"},
                          {40, "Threshold"}};
    for (const Case& c : cases) {
        AAX_CString title("old");
        EXPECT_EQ(instance.effect->GetParameterShortTitle("1", &title, c.length), AAX_SUCCESS);
        EXPECT_EQ(title.StdString(), c.title) << c.length;
    }
    // Equal lengths: the first variant.
    p->SetName(AAX_CString("abc\nxyz\nlonger"));
    AAX_CString title;
    instance.effect->GetParameterShortTitle("1", &title, 3);
    EXPECT_EQ(title.StdString(), "abc");
    p->SetName(AAX_CString(""));
    title.Set("kept");
    instance.effect->GetParameterShortTitle("1", &title, 3);
    EXPECT_EQ(title.StdString(), "kept") << "an empty name leaves the text";
    EXPECT_EQ(instance.effect->GetParameterShortTitle("1", nullptr, 3), AAX_ERROR_INVALID_STRING_CONVERSION);
}

TEST(EffectParameters, HostValuesMarkPacketsCountChangesAndReachTheAudioSide)
{
    Instance instance;
    AAX_CEffectParameters& e = *instance.effect;
    int32_t changes = -1;
    e.GetChangeCount(&changes);
    const int32_t before = changes;

    EXPECT_EQ(e.SendDirtyPackets(), AAX_SUCCESS);
    ASSERT_EQ(instance.host.controller().packets.size(), 1u) << "the new bypass packet goes out once";
    EXPECT_EQ(instance.host.controller().packets[0].bytes, (std::vector<uint8_t>{0, 0, 0, 0}));

    EXPECT_EQ(e.ApplyHostParameterValue(kAAXMasterBypassID, 1.0), AAX_SUCCESS);
    EXPECT_EQ(e.ApplyHostParameterValue("0", 0.5), AAX_SUCCESS);
    e.GetChangeCount(&changes);
    EXPECT_EQ(changes, before + 2);
    e.SendDirtyPackets();
    ASSERT_EQ(instance.host.controller().packets.size(), 2u) << "only the bypass has a packet";
    EXPECT_EQ(instance.host.controller().packets[1].port, 3);
    EXPECT_EQ(instance.host.controller().packets[1].bytes, (std::vector<uint8_t>{1, 0, 0, 0}));
}

TEST(EffectParameters, PacketWriterStoresEachTypeOfValue)
{
    Instance instance;
    instance.effect->Parameters().AddParameter(new AAX_CParameter<double>(
        "d", AAX_CString("double"), 0.5, AAX_CLinearTaperNoRounding<double, -1>(0.0, 1.0),
        AAX_CVSTDisplayDelegate<double>(nullptr), true));
    instance.effect->SetParameterNormalised("0", 0.5);
    const AAX_CPacketDispatcher& dispatcher = instance.effect->PacketDispatcher();
    PortPacket packet(3);
    struct Case
    {
        const char* id;
        AAX_Result result;
        uint32_t size;
    };
    const Case cases[] = {{"d", AAX_SUCCESS, 8}, {"0", AAX_SUCCESS, 4}, {"2", AAX_SUCCESS, 4},
                          {"none", AAX_ERROR_NULL_OBJECT, 4}};
    for (const Case& c : cases) {
        EXPECT_EQ(dispatcher.WriteParameterPacket(c.id, packet), c.result) << c.id;
        EXPECT_EQ(packet.size(), c.size) << c.id;
    }
    double d = 0;
    instance.effect->PacketDispatcher().WriteParameterPacket("d", packet);
    std::memcpy(&d, packet.data(), 8);
    EXPECT_EQ(d, 0.5);
}

TEST(EffectParameters, PreviewNotificationSetsOnlyAnExistingPreviewParameter)
{
    const int32_t on = 1;
    Instance without;
    EXPECT_EQ(without.effect->OnNotification(kAAXNotificationPreview, &on, sizeof on), AAX_SUCCESS);
    Instance with(true);
    EXPECT_EQ(with.effect->OnNotification(kAAXNotificationPreview, &on, 2), AAX_SUCCESS);
    AAX_CParamValue n = -1;
    with.effect->GetParameterNormalised(kAAXPreviewID, &n);
    EXPECT_EQ(n, 0.0) << "a word shorter than 4 bytes is not read";
    EXPECT_EQ(with.effect->OnNotification(kAAXNotificationPreview, &on, sizeof on), AAX_SUCCESS);
    with.effect->GetParameterNormalised(kAAXPreviewID, &n);
    EXPECT_EQ(n, 1.0);
    EXPECT_EQ(with.effect->OnNotification(AAX_FourCC('A', 'X', 'o', 'f'), &on, sizeof on), AAX_SUCCESS);
}

TEST(EffectParameters, ShutdownDetachesFromTheHostAndTheObjectGoesWithItsLastRelease)
{
    const int32_t liveBefore = CACFUnknown::LiveObjectCount();
    {
        Instance instance;
        EXPECT_EQ(instance.host.automation().events.size(), 4u);  // one registration per parameter
        uint64_t block[2] = {~0ull, ~0ull};
        EXPECT_EQ(instance.effect->ResetPrivateData(4, block, sizeof block), AAX_SUCCESS);
        EXPECT_EQ(block[0] | block[1], 0u);

        EXPECT_EQ(instance.effect->Shutdown(), AAX_SUCCESS);
        EXPECT_EQ(instance.host.referencesHeld(), 0) << "every host interface given back";
        EXPECT_EQ(instance.host.automation().events.back().kind, "unregister");
        int32_t count = -1;
        instance.effect->GetParameterCount(&count);
        EXPECT_EQ(count, 0);
        EXPECT_EQ(instance.effect->SendDirtyPackets(), AAX_SUCCESS) << "nothing left to post, nothing touched";
    }
    EXPECT_EQ(CACFUnknown::LiveObjectCount(), liveBefore);
}

TEST(EffectParameters, HostReachesTheOperationsByTheirSlots)
{
    Instance instance;
    void* iface = nullptr;
    ASSERT_EQ(instance.effect->GetPrivateUnknown()->QueryInterface(acf::kIidEffectParameters, &iface), AAX_SUCCESS);
    EXPECT_EQ(iface, static_cast<AAX_IACFEffectParameters_V2*>(instance.effect));
    instance.effect->Release();

    int32_t count = 0;
    using GetCount = AAX_Result (*)(void*, int32_t*);
    EXPECT_EQ(acf::slot<GetCount>(iface, 6)(iface, &count), AAX_SUCCESS);
    EXPECT_EQ(count, 4);
    using ByteCount = AAX_Result (*)(void*, AAX_CTypeID, int32_t*);
    EXPECT_EQ(acf::slot<ByteCount>(iface, 35)(iface, kAAXControlsChunkID, &count), AAX_SUCCESS);
    EXPECT_EQ(count, 36);
    using Further3 = AAX_Result (*)(void*, int32_t*);
    count = 9;
    EXPECT_EQ(acf::slot<Further3>(iface, 42)(iface, &count), AAX_SUCCESS);
    EXPECT_EQ(count, 0);
    using NoArguments = AAX_Result (*)(void*);
    EXPECT_EQ(acf::slot<NoArguments>(iface, 41)(iface), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(acf::slot<NoArguments>(iface, 48)(iface), AAX_SUCCESS) << "SetUp, last";
}

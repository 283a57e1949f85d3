// Instances in the host's data-sharing service: their names and listeners, the tokens by which a control is set,
// touched, read and highlighted, the idle that stops after two host ticks, and a token left behind by an instance
// that is gone.
#include "FrameworkFixture.h"

#include "rtas/framework/CEffectProcess.h"
#include "rtas/framework/host/SharingToken.h"

#include <string>
#include <vector>

using namespace testsupport;

namespace {

class SharingProcess : public CEffectProcess
{
public:
    SharingProcess()
    {
        AddControl(new CPluginControl_OnOff(1, "Master Bypass", false, true));
        AddControl(new CPluginControl_Continuous(2, "Gain", 0, 1, 0.5, true));
        AddControl(new CPluginControl_Continuous(3, "Mix", 0, 1, 0.5, true));
        SetMasterBypassControl(1);
    }
    int32_t SetUpForRealTime(const SProcessIdentity&, HostWord, int32_t) override { return 0; }
    void RedrawControl(int32_t control) override { redrawn.push_back(control); }
    void SetControlHighlight(int32_t control, bool on, int16_t first, int16_t second, int32_t colour) override
    {
        highlight = {control, on ? 1 : 0, first, second, colour};
    }
    std::vector<int32_t> redrawn;
    std::vector<int32_t> highlight;
};

struct Token
{
    std::vector<uint8_t> bytes;
    int32_t destination() const { return int32_t(sharing::Word(bytes.data(), sharing::kDestination)); }
    uint32_t type() const { return sharing::Word(bytes.data(), sharing::kType); }
    uint32_t subtype() const { return sharing::Word(bytes.data(), sharing::kSubtype); }
    int32_t source() const { return int32_t(sharing::Word(bytes.data(), sharing::kSource)); }
    int16_t size() const { return sharing::Short(bytes.data(), sharing::kSize); }
    int32_t word(int offset) const { return int32_t(sharing::Word(bytes.data(), offset)); }
};

std::vector<Token> SentTokens(int32_t from = 0)
{
    std::vector<Token> tokens;
    for (int32_t i = from; i < QorKitSentTokenCount(); ++i) {
        Token token{std::vector<uint8_t>(size_t(sharing::kCapacity))};
        QorKitSentToken(i, token.bytes.data());
        tokens.push_back(token);
    }
    return tokens;
}

std::string PathOf(int32_t nameID)
{
    char path[256] = {};
    QorKitSharingNamePath(nameID, path, sizeof path);
    return path;
}

// A control surface's token to a name.
void Dispatch(int32_t destination, uint32_t type, uint32_t subtype, int32_t value = 0)
{
    uint8_t token[sharing::kCapacity] = {};
    sharing::PutWord(token, sharing::kDestination, uint32_t(destination));
    sharing::PutWord(token, sharing::kType, type);
    sharing::PutWord(token, sharing::kSubtype, subtype);
    sharing::PutWord(token, sharing::kPayload, uint32_t(value));
    sharing::PutShort(token, sharing::kSize, 56);
    ASSERT_EQ(FicSDSDispatchToken(token, 56), 0);
}

// A control surface's highlight request for a control's view: on, 9 at 54, 7 at 40 and the colour 0x112233 at 42,
// whatever size the token declares; the whole room of a token goes to the host.
void DispatchHighlight(int32_t destination, int16_t declaredSize)
{
    uint8_t highlight[sharing::kCapacity] = {};
    sharing::PutWord(highlight, sharing::kDestination, uint32_t(destination));
    sharing::PutWord(highlight, sharing::kType, sharing::kSetValue);
    sharing::PutWord(highlight, sharing::kSubtype, sharing::kHighlight);
    highlight[sharing::kPayload] = 1;
    sharing::PutShort(highlight, 40, 7);
    sharing::PutWord(highlight, 42, 0x112233);
    sharing::PutShort(highlight, 54, 9);
    sharing::PutShort(highlight, sharing::kSize, declaredSize);
    ASSERT_EQ(FicSDSDispatchToken(highlight, sharing::kCapacity), 0);
}

class Sharing : public FrameworkTest
{
protected:
    SharingProcess& Make(int32_t* index)
    {
        if (!fGroup)
            MakeGroup([]() -> CProcess* { return new SharingProcess; }, []() -> CProcess* { return new SharingProcess; });
        *index = CreateInstance(kKvss);
        return *static_cast<SharingProcess*>(fGroup->FindProcessType(kKvss)->FindProcess(*index));
    }
    int32_t NameOf(int32_t index, int32_t control)
    {
        int32_t name = 0;
        Routine<86>()(kKvss, index, control, &name);
        return name;
    }
};

TEST_F(Sharing, InstancesAndControlsHaveNamesAndThreeListenersEachUntilTheyGo)
{
    int32_t first = 0, second = 0;
    Make(&first);
    Make(&second);
    int32_t instanceName = 0;
    Routine<85>()(kKvss, first, &instanceName);
    EXPECT_EQ(PathOf(instanceName), "Plug-Ins/QorVelmont/Qor Kalvenor/1/Inst0");
    Routine<85>()(kKvss, second, &instanceName);
    EXPECT_EQ(PathOf(instanceName), "Plug-Ins/QorVelmont/Qor Kalvenor/1/Inst1");
    EXPECT_EQ(PathOf(NameOf(second, 2)), "Plug-Ins/QorVelmont/Qor Kalvenor/1/Inst1/Gain");
    EXPECT_EQ(NameOf(second, 4), 0) << "no control 4";
    EXPECT_EQ(QorKitLiveSharingNames(), 2 * 4);
    EXPECT_EQ(QorKitLiveListeners(), 2 * 3 * 3);

    EXPECT_EQ(Routine<20>()(kKvss, first), 0);
    EXPECT_EQ(Routine<20>()(kKvss, second), 0);
    EXPECT_EQ(QorKitLiveSharingNames(), 0);
    EXPECT_EQ(QorKitLiveListeners(), 0);
}

TEST_F(Sharing, SettingAControlAsksTheHostWhichThenSetsIt)
{
    int32_t index = 0;
    Make(&index);
    const int32_t gain = NameOf(index, 2);
    const int32_t before = QorKitSentTokenCount();
    ASSERT_EQ(Routine<46>()(kKvss, index, 2, 12345), 0);
    int32_t value = 0;
    Routine<45>()(kKvss, index, 2, &value);
    EXPECT_NE(value, 12345) << "the value waits for the host";

    const std::vector<Token> sent = SentTokens(before);
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[0].type(), sharing::kSetValue);
    EXPECT_EQ(sent[0].subtype(), sharing::kTouch);
    EXPECT_EQ(sent[0].size(), 44);
    EXPECT_EQ(sent[0].word(40), 1);
    EXPECT_EQ(sent[1].subtype(), sharing::kGiveAttention);
    EXPECT_EQ(sent[1].destination(), 1) << "to the root name";
    EXPECT_EQ(sent[1].size(), 38);
    EXPECT_EQ(sent[2].subtype(), sharing::kControlValue);
    EXPECT_EQ(sent[2].destination(), gain);
    EXPECT_EQ(sent[2].word(sharing::kPayload), 12345);
    EXPECT_EQ(sent[2].size(), 42);
    EXPECT_EQ(sent[3].subtype(), sharing::kTouch);
    EXPECT_EQ(sent[3].word(40), 0) << "released";

    int32_t name = 0, requested = 0;
    ASSERT_EQ(QorKitTakeValueRequest(&name, &requested), 1);
    EXPECT_EQ(name, gain);
    const int32_t afterRequest = QorKitSentTokenCount();
    ASSERT_EQ(Routine<99>()(kKvss, index, 2, requested), 0);
    Routine<45>()(kKvss, index, 2, &value);
    EXPECT_EQ(value, 12345);
    const std::vector<Token> report = SentTokens(afterRequest);
    ASSERT_EQ(report.size(), 1u);
    EXPECT_EQ(report[0].type(), sharing::kCurrentValue);
    EXPECT_EQ(report[0].word(sharing::kPayload), 12345);
}

TEST_F(Sharing, SurfaceTokensAreAnsweredAtIdle)
{
    int32_t index = 0;
    SharingProcess& process = Make(&index);
    Routine<99>()(kKvss, index, 3, 777);
    Dispatch(NameOf(index, 3), sharing::kGetValue, sharing::kControlValue);
    Dispatch(NameOf(index, 2), sharing::kCurrentValue, sharing::kControlValue);
    DispatchHighlight(NameOf(index, 2), 56);
    // A token nobody listens to is not queued; the value report of routine 99 reaches the instance's own listener.
    Dispatch(NameOf(index, 2), sharing::kSetValue, sharing::kTouch);
    EXPECT_EQ(QorKitQueuedTokens(), 4);

    const int32_t before = QorKitSentTokenCount();
    ASSERT_EQ(Routine<3>()(kKvss, index), 0);
    EXPECT_EQ(QorKitQueuedTokens(), 0);
    EXPECT_EQ(QorKitTakenTokens(), 0) << "every token handed back";
    const std::vector<Token> replies = SentTokens(before);
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].type(), sharing::kCurrentValue);
    EXPECT_EQ(replies[0].destination(), NameOf(index, 3));
    EXPECT_EQ(replies[0].source(), NameOf(index, 3));
    EXPECT_EQ(replies[0].word(sharing::kPayload), 777);
    // Redrawn for the report of routine 99, the surface's report, and the reply to the surface.
    EXPECT_EQ(process.redrawn, (std::vector<int32_t>{3, 2, 3}));
    EXPECT_EQ(process.highlight, (std::vector<int32_t>{2, 1, 9, 7, 0x112233}));
    EXPECT_EQ(QorKitCallCount("FicPersonalityIdle"), 1);
}

// The host's record says how long it is: a highlight request that declares less than its fields is not read past
// that size, whatever lies behind it.
TEST_F(Sharing, AHighlightRequestShorterThanItsFieldsIsDropped)
{
    int32_t index = 0;
    SharingProcess& process = Make(&index);
    for (int16_t declared : {int16_t(42), int16_t(55), int16_t(20), int16_t(56)}) {
        SCOPED_TRACE(declared);
        process.highlight.clear();
        DispatchHighlight(NameOf(index, 2), declared);
        ASSERT_EQ(Routine<3>()(kKvss, index), 0);
        EXPECT_EQ(QorKitQueuedTokens(), 0);
        if (declared >= 56)
            EXPECT_EQ(process.highlight, (std::vector<int32_t>{2, 1, 9, 7, 0x112233}));
        else
            EXPECT_TRUE(process.highlight.empty());
    }
}

TEST_F(Sharing, IdleStopsAfterTwoHostTicksAndLeavesTheRest)
{
    int32_t index = 0;
    Make(&index);
    for (int i = 0; i < 5; ++i)
        Dispatch(NameOf(index, 2), sharing::kCurrentValue, sharing::kControlValue);
    QorKitSetTickStep(1);  // every look at the clock is one tick later
    Routine<3>()(kKvss, index);
    EXPECT_EQ(QorKitQueuedTokens(), 4);
    Routine<3>()(kKvss, index);
    EXPECT_EQ(QorKitQueuedTokens(), 3);
    QorKitSetTickStep(0);
    Routine<3>()(kKvss, index);
    EXPECT_EQ(QorKitQueuedTokens(), 0);
}

// A token still queued for an instance that has gone names memory that is gone: it is not followed.
TEST_F(Sharing, ATokenForAnInstanceThatWentIsNotFollowed)
{
    int32_t first = 0, second = 0;
    Make(&first);
    Make(&second);
    Dispatch(NameOf(first, 2), sharing::kGetValue, sharing::kControlValue);
    ASSERT_EQ(Routine<20>()(kKvss, first), 0);
    const int32_t before = QorKitSentTokenCount();
    ASSERT_EQ(Routine<3>()(kKvss, second), 0);
    EXPECT_EQ(QorKitQueuedTokens(), 0);
    EXPECT_EQ(QorKitSentTokenCount(), before) << "no reply for a control of an instance that is gone";
}

}  // namespace

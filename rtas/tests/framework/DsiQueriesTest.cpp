// The card, DSP and shell queries give the same answers whether they ask the DSI or read the host's records, and
// only the DSI way reaches the DSI's functions.
#include "DspFixture.h"
#include "rtas/framework/CDAEError.h"
#include "rtas/framework/dsp/DsiQueries.h"

namespace {

using namespace rtas::dsp;
using testsupport::DspHost;
using testsupport::DsiWay;

class DsiQueries : public testing::TestWithParam<DsiWay>
{
protected:
    bool dsiMode() const { return GetParam() == DsiWay::kDsi; }
    DspHost host{GetParam()};
};

TEST_P(DsiQueries, CardRulesAgreeInBothWays)
{
    ASSERT_EQ(rtas::dsi::IsDSIMode(), dsiMode());
    const struct
    {
        int32_t type;
        int32_t revision;
        bool presto;
        bool tdm2;
        HostWord driver;
    } cases[] = {
        {10, 0, false, false, 1072},   {18, 0, false, false, 60960}, {20, 0, false, false, 61056},
        {21, 0, false, false, 61072},  {25, 0, false, true, 61120},  {26, 9, true, true, 61120},
        {28, 2, true, true, 61120},    {28, 3, false, true, 61120},  {29, 0, false, false, 61120},
        {30, 0, false, true, -1},      {31, 3, true, true, 61120},   {31, 4, false, true, 61120},
        {99, 0, false, false, -1},
    };
    for (const auto& c : cases)
    {
        const HostWord card = QorKitDsiAddCard(c.type, 0);
        const HostWord dsp = QorKitDsiAddDsp(card, c.revision, 0);
        HostWord type = 0, driver = 0;
        bool presto = !c.presto, tdm2 = !c.tdm2;
        EXPECT_EQ(GetCardTypeFromDSP(dsp, &type), 0);
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(IsPresto(dsp, &presto), 0);
        EXPECT_EQ(presto, c.presto) << c.type << " revision " << c.revision;
        EXPECT_EQ(IsTDM2(dsp, &tdm2), 0);
        EXPECT_EQ(tdm2, c.tdm2) << c.type;
        EXPECT_EQ(DSPToDriverType(dsp, &driver), 0);
        EXPECT_EQ(driver, c.driver) << c.type;
    }
    EXPECT_EQ(QorKitCallCount("DsiIsPresto") > 0, dsiMode());
    EXPECT_EQ(QorKitCallCount("DsiDSPToDriverType") > 0, dsiMode());
}

TEST_P(DsiQueries, DspFieldsReadAndWrite)
{
    const HostWord card = QorKitDsiAddCard(18, 0);
    const HostWord first = QorKitDsiAddDsp(card, 0, kDsp321Flag);
    const HostWord second = QorKitDsiAddDsp(card, 0, 0);
    reinterpret_cast<DspCardRecord*>(card)->furtherWord = 0x5A5A;

    HostWord word = 0;
    EXPECT_EQ(GetNextDSP(first, &word), 0);
    EXPECT_EQ(word, second);
    EXPECT_EQ(SetDSPClientVal(first, 0x1234), 0);
    EXPECT_EQ(GetDSPClientVal(first, &word), 0);
    EXPECT_EQ(word, 0x1234);
    const uint32_t held = reinterpret_cast<DspRecord*>(first)->clientValue;
    EXPECT_EQ(held, 0x1234u) << "the host's record holds it";
    EXPECT_EQ(GetDSPCoreType(first, &word), 0);
    EXPECT_EQ(word, HostWord(kDsp321Flag));
    bool is321 = false;
    EXPECT_EQ(IsDSP321(first, &is321), 0);
    EXPECT_TRUE(is321);
    EXPECT_EQ(IsDSP321(second, &is321), 0);
    EXPECT_FALSE(is321);

    DspInfoRecord info{};
    EXPECT_EQ(CopyDSPInfoRecord(first, &info), 0);
    EXPECT_EQ(HostWord(info.registerBlock), QorKitDsiRegisterBlock(first));
    const uint32_t kept = info.keptWordB;
    EXPECT_EQ(kept, 0xB0B0B0u);

    // The DSI has no function for the card record's further word.
    EXPECT_EQ(GetCardFurtherWord(first, &word), 0);
    EXPECT_EQ(word, dsiMode() ? 0 : 0x5A5A);
}

TEST_P(DsiQueries, ShellsAreMadeFilledAndDestroyedTheSameWay)
{
    const HostWord dsp = QorKitDsiAddDsp(QorKitDsiAddCard(18, 0), 0, 0);
    HostWord shell = 0;
    ASSERT_EQ(CreateShell(dsp, &shell), 0);
    ASSERT_NE(shell, 0);
    EXPECT_EQ(QorKitDsiLiveShells(), dsiMode() ? 1 : 0) << "outside DSI mode the record is the plug-in's own";
    bool isNull = false;
    EXPECT_EQ(ShellDSPCodeIsNULL(shell, &isNull), 0);
    EXPECT_TRUE(isNull);
    EXPECT_EQ(SetShellID(shell, HostWord(kDspShellIdentifier)), 0);
    EXPECT_EQ(SetShellIsStandard(shell, true), 0);
    EXPECT_EQ(SetShellDSPCode(shell, 0x4000), 0);
    EXPECT_EQ(SetShellHostCodeHandler(shell, 0x5000), 0);
    EXPECT_EQ(SetShellMaxLocation(shell, 77), 0);
    // The shell record is packed: its fields are copied out before comparing.
    const DspShellRecord record = *reinterpret_cast<const DspShellRecord*>(shell);
    const uint32_t identifier = record.identifier, code = record.dspCode, handler = record.hostCodeHandler,
                   maxLocation = record.maxLocation;
    const int standard = record.isStandard;
    EXPECT_EQ(identifier, kDspShellIdentifier);
    EXPECT_EQ(standard, 1);
    EXPECT_EQ(code, 0x4000u);
    EXPECT_EQ(handler, 0x5000u);
    EXPECT_EQ(maxLocation, 77u);
    EXPECT_EQ(ShellDSPCodeIsNULL(shell, &isNull), 0);
    EXPECT_FALSE(isNull);
    EXPECT_EQ(DestroyShell(shell), 0);
    EXPECT_EQ(QorKitDsiLiveShells(), 0);
}

TEST_P(DsiQueries, PresenceTests)
{
    EXPECT_FALSE(HasCardOfType(18));
    EXPECT_FALSE(HasTDM2DSP());
    EXPECT_FALSE(Has321DSP());

    const HostWord onyx = QorKitDsiAddCard(21, 0);
    QorKitDsiAddDsp(onyx, 0, 0);
    const HostWord tdm = QorKitDsiAddCard(25, 0);
    QorKitDsiAddDsp(tdm, 0, kDsp321Flag);
    EXPECT_TRUE(HasCardOfType(21));
    EXPECT_TRUE(HasCardOfType(25));
    EXPECT_FALSE(HasCardOfType(18));
    EXPECT_TRUE(HasTDM2DSP());
    EXPECT_TRUE(Has321DSP());
    EXPECT_EQ(QorKitCallCount("DsiGetNextCard") > 0, dsiMode());

    QorKitReset();
    if (!dsiMode())
        QorKitSetGestalt(18, 1);
    EXPECT_TRUE(HasCardOfType(29)) << "29 asks for any DSP on a TDM2 card";
    EXPECT_EQ(QorKitCallCount("GetCardList"), 1);
    EXPECT_EQ(QorKitCallCount("DsiGetNextCard"), 0) << "type 29 never walks the cards";
    EXPECT_EQ(QorKitCallCount("DsiGetCardType"), 0);

    QorKitDsiSetInitResult(-7);
    try
    {
        HasCardOfType(21);
        ADD_FAILURE() << "a driver that does not start is raised";
    }
    catch (const CDAEError& error)
    {
        EXPECT_EQ(error.GetCode(), -7);
    }
}

TEST_P(DsiQueries, NullRecordsAnswerAnErrorWithoutReading)
{
    HostWord word = 99;
    bool flag = true;
    DspInfoRecord info{};
    info.registerBlock = 1;
    EXPECT_NE(GetDSPClient(0, &word), 0);
    EXPECT_EQ(word, 0);
    EXPECT_NE(GetCardTypeFromDSP(0, &word), 0);
    EXPECT_NE(IsPresto(0, &flag), 0);
    EXPECT_FALSE(flag);
    EXPECT_NE(IsDSP321(0, &flag), 0);
    EXPECT_NE(CopyDSPInfoRecord(0, &info), 0);
    const uint32_t block = info.registerBlock;
    EXPECT_EQ(block, 0u);
    EXPECT_NE(SetShellID(0, 1), 0);
    // A DSP whose record names no card.
    const HostWord orphan = QorKitDsiAddDsp(0, 0, 0);
    EXPECT_NE(GetCardTypeFromDSP(orphan, &word), 0);
    EXPECT_EQ(GetCardFurtherWord(orphan, &word), dsiMode() ? 0 : -1);
}

INSTANTIATE_TEST_SUITE_P(BothWays, DsiQueries, testing::Values(DsiWay::kDirect, DsiWay::kDsi), testsupport::WayName);

}  // namespace

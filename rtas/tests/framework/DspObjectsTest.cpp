// The DSP chip objects over a host with DSP cards: which class a card gets, what attaching sets up, the host port
// in both ways, the process messages and their bounds, the access region, and the shell's callback routines.
#include "DspFixture.h"
#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CProcessGroupInterface.h"
#include "rtas/framework/ModuleState.h"
#include "rtas/framework/dsp/COnyxChipDSP.h"
#include "rtas/framework/dsp/DSPClientEntry.h"
#include "rtas/framework/dsp/DsiQueries.h"
#include "rtas/framework/dsp/GetNewCProcessDSP.h"
#include "rtas/framework/host/ToolboxServices.h"

#include <memory>
#include <stdexcept>
#include <typeinfo>

namespace {

using testsupport::Commands;
using testsupport::DspHost;
using testsupport::DsiWay;
using testsupport::SentWords;

HostWord AddressOf(const void* p)
{
    return HostWord(reinterpret_cast<uintptr_t>(p));
}

class DspObjects : public testing::TestWithParam<DsiWay>
{
protected:
    bool dsiMode() const { return GetParam() == DsiWay::kDsi; }
    DspHost host{GetParam()};
};

TEST_P(DspObjects, TheCardPicksTheChipClass)
{
    const struct
    {
        int32_t type;
        int32_t revision;
        uint32_t flags;
        const std::type_info* made;
    } cases[] = {
        {18, 0, kDsp321Flag, &typeid(CProcessDSP)},  {21, 0, 0, &typeid(COnyxChipDSP)},
        {26, 0, 0, &typeid(CPrestoChipDSP)},         {28, 2, 0, &typeid(CPrestoChipDSP)},
        {28, 3, kDsp321Flag, &typeid(C321ChipDSP)},  {31, 3, 0, &typeid(CPrestoChipDSP)},
        {31, 4, kDsp321Flag, &typeid(C321ChipDSP)},  {25, 0, 0, nullptr},
        {31, 4, 0, nullptr},
    };
    for (const auto& c : cases)
    {
        const HostWord dsp = QorKitDsiAddDsp(QorKitDsiAddCard(c.type, 0), c.revision, c.flags);
        if (c.made == nullptr)
        {
            try
            {
                delete GetNewCProcessDSP(dsp);
                ADD_FAILURE() << "card type " << c.type << " has no chip class";
            }
            catch (const std::runtime_error& error)
            {
                EXPECT_STREQ(error.what(), "unrecognized card type in GetNewCProcessDSP()");
            }
            continue;
        }
        std::unique_ptr<CProcessDSP> object(GetNewCProcessDSP(dsp));
        EXPECT_EQ(typeid(*object), *c.made) << c.type << " revision " << c.revision;
    }
    EXPECT_EQ(QorKitCallCount("DsiGetCardTypeFromDSP") > 0, dsiMode());
}

TEST_P(DspObjects, AttachMakesAStandardShellThatCallsBack)
{
    const HostWord dsp = QorKitDsiAddDsp(QorKitDsiAddCard(18, 0), 0, 0);
    auto* block = reinterpret_cast<DspRegisterBlock*>(QorKitDsiRegisterBlock(dsp));
    block->control = 0x19;
    {
        CProcessDSP object;
        ASSERT_EQ(object.Attach(dsp), 0);
        EXPECT_EQ(object.IsDSIMode(), dsiMode());
        EXPECT_EQ(object.GetRegisterBlock(), dsiMode() ? 0 : AddressOf(block)) << "no port of its own in DSI mode";
        EXPECT_EQ(block->control, dsiMode() ? 0x19 : 0x18) << "bit 0 is cleared when the port is bound";
        EXPECT_EQ(object.GetKeptInfoWords()[1], 0xA0A0A0u);
        EXPECT_EQ(object.GetKeptInfoWords()[3], 0xC0C0C0u);
        EXPECT_TRUE(object.IsProcessCardKind());
        EXPECT_TRUE(object.IsCardKindB());
        EXPECT_EQ(object.GetCommandBase(), 18);

        ASSERT_NE(object.GetShell(), 0);
        const DspShellRecord shell = *reinterpret_cast<const DspShellRecord*>(object.GetShell());
        const uint32_t identifier = shell.identifier, handler = shell.hostCodeHandler, code = shell.dspCode,
                       maxLocation = shell.maxLocation;
        const int standard = shell.isStandard;
        EXPECT_EQ(identifier, kDspShellIdentifier);
        EXPECT_EQ(standard, 1);
        EXPECT_EQ(code, 0u);
        EXPECT_EQ(maxLocation, 0u);
        EXPECT_EQ(HostWord(handler), AddressOf(reinterpret_cast<const void*>(&DSPClientEntry)));
        EXPECT_EQ(QorKitDsiLiveShells(), dsiMode() ? 1 : 0);
    }
    EXPECT_EQ(QorKitDsiLiveShells(), 0) << "the shell goes with its object";
}

TEST_P(DspObjects, DetachHandsTheDspBackToTheStandardShell)
{
    const HostWord dsp = QorKitDsiAddDsp(QorKitDsiAddCard(18, 0), 0, 0);
    CProcessDSP object;
    object.Attach(dsp);
    rtas::dsp::SetDSPClientVal(dsp, AddressOf(&object));
    QorKitDsiSetHostBit(dsp, 10, 1);
    EXPECT_EQ(object.Detach(), 0);
    EXPECT_EQ(QorKitCallCount("DsiLoadShell"), 1);
    HostWord value = 1;
    rtas::dsp::GetDSPClientVal(dsp, &value);
    EXPECT_EQ(value, 0);
    // Outside DSI mode bit 10 lies beyond the control byte and is left alone.
    EXPECT_EQ(QorKitDsiHostBit(dsp, 10), dsiMode() ? 0 : 1);

    QorKitDsiSetLoadShellResult(-7061);
    try
    {
        object.Detach();
        ADD_FAILURE() << "a shell that does not load is raised";
    }
    catch (const CDAEError& error)
    {
        EXPECT_EQ(error.GetCode(), -7061);
    }
}

INSTANTIATE_TEST_SUITE_P(BothWays, DspObjects, testing::Values(DsiWay::kDirect, DsiWay::kDsi), testsupport::WayName);

TEST(DspPort, DirectAccessGoesThroughTheRegisterBlock)
{
    DspHost host(DsiWay::kDirect);
    const HostWord dsp = QorKitDsiAddDsp(QorKitDsiAddCard(18, 0), 0, 0);
    auto* block = reinterpret_cast<volatile DspRegisterBlock*>(QorKitDsiRegisterBlock(dsp));
    block->status = 0x07 | 0x08;  // receive full, transmit empty, port empty; host flag 2
    CProcessDSP object;
    object.Attach(dsp);

    EXPECT_EQ(object.HostCommand(5), 0);
    EXPECT_EQ(block->command, 5 + 18 + 0x80);
    EXPECT_EQ(object.SendWord(int32_t(0xFF123456u)), 0);
    EXPECT_EQ(block->dataHigh, 0x12);
    EXPECT_EQ(block->dataMiddle, 0x34);
    EXPECT_EQ(block->dataLow, 0x56);
    block->dataHigh = 0x80;
    block->dataMiddle = 0x00;
    block->dataLow = 0x01;
    EXPECT_EQ(object.ReceiveWord(), int32_t(0xFF800001u)) << "bit 23 is the sign";
    block->dataHigh = 0x7F;
    EXPECT_EQ(object.ReceiveWord(), 0x7F0001);

    object.SetHostFlag(0, true);
    object.SetHostFlag(1, true);
    EXPECT_EQ(block->control & 0x18, 0x18);
    EXPECT_TRUE(object.GetHostFlag(0));
    EXPECT_TRUE(object.GetHostFlag(2));
    EXPECT_FALSE(object.GetHostFlag(3));
    object.SetHostFlag(1, false);
    EXPECT_EQ(block->control & 0x18, 0x08);
    const uint8_t control = block->control;
    object.SetHostBit(10, true);
    object.SetHostBit(-1, true);
    object.SetHostFlag(7, true);
    EXPECT_EQ(block->control, control) << "numbers outside the control byte change nothing";
    EXPECT_FALSE(object.GetHostFlag(4));
    EXPECT_FALSE(object.GetHostFlag(-1));
    EXPECT_EQ(QorKitCallCount("DsiSetHostBit") + QorKitCallCount("DsiDoHostCommand"), 0);
}

TEST(DspPort, DsiModeHostFlagsUseTheDsisNumbers)
{
    DspHost host(DsiWay::kDsi);
    const HostWord dsp = QorKitDsiAddDsp(QorKitDsiAddCard(18, 0), 0, kDsp321Flag);
    CProcessDSP object;
    object.Attach(dsp);
    object.SetHostFlag(0, true);
    object.SetHostFlag(1, true);
    EXPECT_EQ(QorKitDsiHostBit(dsp, 4), 1);
    EXPECT_EQ(QorKitDsiHostBit(dsp, 5), 1);
    QorKitDsiSetHostBit(dsp, 7, 1);
    EXPECT_TRUE(object.GetHostFlag(3));
    EXPECT_FALSE(object.GetHostFlag(2));

    C321ChipDSP chip;
    chip.Attach(dsp);
    chip.LowerFlagA();
    EXPECT_FALSE(chip.TestFlagA());
    chip.RaiseFlagA();
    EXPECT_TRUE(chip.TestFlagA());
    EXPECT_TRUE(chip.TestFlagB());
}

class ProcessMessages : public testing::Test
{
protected:
    DspHost host{DsiWay::kDsi};
    HostWord dsp = QorKitDsiAddDsp(QorKitDsiAddCard(18, 0), 0, 0);
    CProcessDSP object;
    void SetUp() override { object.Attach(dsp); }
    void Queue(std::initializer_list<int32_t> words) { QorKitDsiQueueWords(dsp, words.begin(), int32_t(words.size())); }
};

TEST_F(ProcessMessages, WordsAndCommandsOfTheMessages)
{
    Queue({0x000042});
    EXPECT_EQ(object.ReadWordAt(4, 5), 0x42);
    EXPECT_EQ(Commands(dsp), std::vector<int32_t>({13 + 18}));
    EXPECT_EQ(SentWords(dsp), std::vector<int32_t>({13, 4, 5}));

    object.PlaceBlock(2, 1, 2, 3, 0x10);
    object.PlaceBlockInDefaultArea(1, 1, 2, 3);
    object.SetSavedAddresses(0x20, 0x30);
    int32_t a = 0, b = 0;
    object.GetSavedAddresses(&a, &b);
    EXPECT_EQ(a, 0x20);
    EXPECT_EQ(b, 0x30);
    const std::vector<int32_t> sent = SentWords(dsp);
    const std::vector<int32_t> expected = {13,     4,      5,  2, 1, 2, 3, 0xFFD0, 1, 1, 2, 3, 0xFFC0 + 63,
                                           8,      0xFFFFFF, 0xFFFFFF, 0xFFC0 + 0x20, 0xFFC0 + 0x30};
    EXPECT_EQ(sent, expected) << "sent words keep their low 24 bits";
    EXPECT_FALSE(object.IsBusy());
}

TEST_F(ProcessMessages, TimeOfDay)
{
    Queue({0x000001, 0x000002});
    int64_t value = 0;
    object.GetCurrentTimeOfDay(&value);
    EXPECT_EQ(value, (int64_t(1) << 24) + 2);

    Queue({0xFFFFFF, 0x000003});
    object.GetCurrentTimeOfDay(&value);
    EXPECT_EQ(value, -(int64_t(1) << 24) + 3);
    EXPECT_EQ(QorKitCallCount("DsiPrintf CProcessDSP::GetCurrentTimeOfDay TODHi is negative!;g"), 1);

    Queue({0xFFFFFF});
    EXPECT_EQ(object.SetTimeOfDay(0x01000005, 2, 3), -7433) << "the DSP is not ready";
    Queue({0});
    EXPECT_EQ(object.SetTimeOfDay(0x01000005, 2, 3), 0);
    const std::vector<int32_t> sent = SentWords(dsp);
    const std::vector<int32_t> tail(sent.end() - 7, sent.end());
    EXPECT_EQ(tail, std::vector<int32_t>({11, 0xFFFFFF, 0xFFFFFF, 3, 2, 1, 5}));
}

TEST_F(ProcessMessages, StateDataIsBoundedByBothMemories)
{
    HostHandle three = NewHandle(12);
    HostHandle two = NewHandle(8);
    for (int i = 0; i < 3; ++i)
        reinterpret_cast<int32_t*>(*three)[i] = 0x100 + i;
    for (int i = 0; i < 2; ++i)
        reinterpret_cast<int32_t*>(*two)[i] = 0x200 + i;
    const struct
    {
        const char* name;
        HostHandle first;
        int32_t firstCount;
        HostHandle second;
        int32_t secondCount;
        int32_t result;
        const char* text;
    } cases[] = {
        {"no first memory", nullptr, 1, two, 2, -108, "CProcessDSP::SetStateData anXStateMem == NULL."},
        {"first too small", two, 3, two, 2, -108, "CProcessDSP::SetStateData anXStateMem valid, but too small!"},
        {"negative first count", three, -1, two, 2, -108, "CProcessDSP::SetStateData anXStateMem valid, but too small!"},
        {"second too small", three, 3, two, 3, -108, nullptr},
        {"no second memory", three, 3, nullptr, 1, -108, nullptr},
        {"negative second count", three, 3, two, -2, -108, nullptr},
    };
    for (const auto& c : cases)
    {
        QorKitReset();
        EXPECT_EQ(object.SetStateData(c.first, c.firstCount, c.second, c.secondCount, 7, 4, 5, 6, 9), c.result)
            << c.name;
        EXPECT_TRUE(SentWords(dsp).empty()) << c.name << ": nothing is sent";
        if (c.text != nullptr) {
            EXPECT_EQ(QorKitCallCount((std::string("DsiPrintf ") + c.text).c_str()), 1) << c.name;
        }
    }
    EXPECT_EQ(object.SetStateData(three, 3, two, 2, 7, 4, 5, 6, 9), 0);
    EXPECT_EQ(SentWords(dsp), std::vector<int32_t>({9, 6, 9, 5, 3, 4, 0x100, 0x101, 0x102, 2, 7, 0x200, 0x201}));
    DisposeHandle(three);
    DisposeHandle(two);
}

TEST_F(ProcessMessages, BadCountsSendNothing)
{
    int32_t words[2] = {1, 2};
    EXPECT_EQ(object.CommandThenRead(13, -1, words, 2, words), -1);
    EXPECT_EQ(object.CommandThenRead(13, 1, nullptr, 2, words), -1);
    EXPECT_EQ(object.SendThenCommand(13, 0, nullptr, -3, words), -1);
    EXPECT_EQ(object.SendThenCommand(13, 0, nullptr, 2, nullptr), -1);
    EXPECT_EQ(object.SendWords(words, -1), -1);
    EXPECT_EQ(object.ReceiveWords(nullptr, 2), -1);
    EXPECT_TRUE(SentWords(dsp).empty());
    EXPECT_TRUE(Commands(dsp).empty());

    CProcessDSP unbound;
    EXPECT_EQ(unbound.HostCommand(1), -1);
    EXPECT_EQ(unbound.ReceiveWord(), -1);
    EXPECT_EQ(unbound.GetXWord(0, nullptr), -1);
}

TEST(DspAccess, TheRegionIsNamedAfterTheDspsProgram)
{
    const struct
    {
        int32_t version;
        const char* codeName;
        int32_t locks;
        const char* lockName;
    } cases[] = {
        {0, "Comp", 0, nullptr},
        {1, "Comp", 1, nullptr},
        {2, "Comp", 1, "CProcessDSP<Comp> cr"},
        {2, "", 1, "CProcessDSP <unknown> cr"},
        {2, nullptr, 1, "CProcessDSP <unknown> cr"},
    };
    for (const auto& c : cases)
    {
        DspHost host(DsiWay::kDsi);
        QorKitSetLockServiceVersion(c.version);
        const HostWord dsp = QorKitDsiAddDsp(QorKitDsiAddCard(18, 0), 0, 0);
        QorKitDsiSetCodeName(dsp, c.codeName);
        const std::string nameBefore = QorKitLastLockName();
        {
            CProcessDSP object;
            object.Attach(dsp);
            EXPECT_EQ(QorKitLiveLocks(), c.locks) << c.version;
            // No name: no named lock was made.
            EXPECT_EQ(QorKitLastLockName(), std::string(c.lockName != nullptr ? c.lockName : nameBefore.c_str()));
            const int32_t uses = object.GetUseCount();
            EXPECT_TRUE(object.BeginAccess()) << "the flag was clear";
            EXPECT_EQ(QorKitLockDepth(), c.locks);
            EXPECT_FALSE(object.BeginAccess()) << "already busy";
            object.EndAccess();
            object.EndAccess();
            EXPECT_EQ(QorKitLockDepth(), 0);
            EXPECT_EQ(object.GetUseCount(), uses + 2);
        }
        EXPECT_EQ(QorKitLiveLocks(), 0) << "the region goes with its object";
    }
}

class CountingGroup : public CProcessGroupInterface
{
public:
    int32_t Lock() override { return ++depth; }
    int32_t Unlock() override { return --depth; }
    int32_t depth = 0;
    int32_t maxDepth = 0;
};

TEST(DspClientEntry, OnlyTheShellsSelectorsHaveRoutines)
{
    for (HostWord selector : {HostWord(-1), HostWord(0), HostWord(255), HostWord(274), HostWord(100000)})
        EXPECT_EQ(DSPClientEntry(selector), 0) << selector;
    for (HostWord selector = 256; selector <= 273; ++selector)
        EXPECT_NE(DSPClientEntry(selector), 0) << selector;
}

TEST(DspClientEntry, RoutinesReachOnlyALiveRegisteredObject)
{
    DspHost host(DsiWay::kDsi);
    const HostWord dsp = QorKitDsiAddDsp(QorKitDsiAddCard(18, 0), 0, 0);
    auto routine = [](HostWord selector) { return reinterpret_cast<DSPClientRoutine>(DSPClientEntry(selector)); };
    HostWord word = 0;
    EXPECT_EQ(routine(256)(dsp, 0x10, AddressOf(&word), 0), rtas::kMissingObject) << "no object registered";
    EXPECT_EQ(routine(256)(0, 0x10, AddressOf(&word), 0), rtas::kMissingObject);

    CountingGroup group;
    rtas::SetModuleGroup(&group);
    auto object = std::make_unique<CProcessDSP>();
    object->Attach(dsp);
    rtas::dsp::SetDSPClientVal(dsp, AddressOf(object.get()));
    EXPECT_EQ(routine(256)(dsp, 0x10, AddressOf(&word), 0), 0);
    EXPECT_EQ(word, 0x10);
    EXPECT_EQ(QorKitCallCount("SGetXWord"), 1);
    EXPECT_EQ(routine(259)(dsp, 1, 2, 3), 0);
    EXPECT_EQ(QorKitCallCount("SChangeXBits"), 1);
    EXPECT_EQ(group.depth, 0) << "the group lock is left again";
    EXPECT_EQ(routine(272)(dsp, 0, 0, 0), 0);
    EXPECT_EQ(QorKitCallCount("SUpdateDSPPeripheral"), 1);
    // Init and start are the process's own start and stop commands.
    routine(266)(dsp, 0, 0, 0);
    routine(267)(dsp, 0, 0, 0);
    EXPECT_EQ(Commands(dsp), std::vector<int32_t>({18, 19}));
    char info[33] = {};
    QorKitDsiSetCodeName(dsp, "Comp");
    EXPECT_EQ(routine(273)(dsp, 0, AddressOf(info), 0), 0);
    EXPECT_STREQ(info, "Comp");

    // The value stays in the host's record after the object is gone: it must not be called through.
    object.reset();
    EXPECT_EQ(routine(262)(dsp, 0, 0, 0), rtas::kMissingObject);
    EXPECT_EQ(QorKitCallCount("SExecute"), 0);
    rtas::dsp::ClientHostCommand(dsp, 3);
    EXPECT_EQ(rtas::dsp::ClientReceiveWord(dsp), 0);
    EXPECT_EQ(Commands(dsp).size(), 2u);
    rtas::SetModuleGroup(nullptr);
}

TEST(OnyxPort, FiveRegistersAndTheirBits)
{
    DspHost host(DsiWay::kDirect);
    const HostWord dsp = QorKitDsiAddDsp(QorKitDsiAddCard(21, 0), 0, 0);
    volatile uint32_t registers[5] = {};
    DspRecordWord list[5];
    for (int i = 0; i < 5; ++i)
        list[i] = DspRecordWord(AddressOf(const_cast<uint32_t*>(&registers[i])));
    reinterpret_cast<DspRecord*>(dsp)->info.registerBlock = DspRecordWord(AddressOf(list));
    volatile uint32_t& control = registers[0];
    volatile uint32_t& status = registers[1];
    volatile uint32_t& command = registers[2];
    volatile uint32_t& transmit = registers[3];
    volatile uint32_t& receive = registers[4];

    COnyxChipDSP chip;
    chip.Attach(dsp);
    EXPECT_EQ(chip.RegisterAddress(COnyxChipDSP::kStatus), AddressOf(const_cast<uint32_t*>(&status)));
    EXPECT_EQ(chip.RegisterAddress(5), 0);
    status = 0x1 | 0x4;
    EXPECT_EQ(chip.SendWord(int32_t(0xFFABCDEFu)), 0);
    EXPECT_EQ(transmit, 0xABCDEFu);
    receive = 0x00800000;
    EXPECT_EQ(chip.ReceiveWord(), -8388608);
    chip.SetControlFlags(8 | 32);
    EXPECT_EQ(control, 40u);
    EXPECT_TRUE(chip.TestControlFlags(8 | 32));
    chip.ClearControlFlags(8);
    EXPECT_FALSE(chip.TestControlFlags(8 | 32));
    EXPECT_EQ(control, 32u);
    command = 0;
    chip.HostCommand(3);
    EXPECT_EQ(command, uint32_t(((3 + 58) << 1) + 1));

    status = 0;
    int32_t word = 7;
    EXPECT_FALSE(chip.TryReceive(&word));
    EXPECT_EQ(word, 7);
    EXPECT_FALSE(chip.TrySend(1));
    EXPECT_EQ(chip.ReceiveWord(), -1) << "the receive bit never came";
}

TEST(OnyxPort, PrestoSendsItsCommandsShiftedThroughTheDsi)
{
    DspHost host(DsiWay::kDsi);
    const HostWord dsp = QorKitDsiAddDsp(QorKitDsiAddCard(26, 0), 0, 0);
    std::unique_ptr<CProcessDSP> chip(GetNewCProcessDSP(dsp));
    ASSERT_EQ(typeid(*chip), typeid(CPrestoChipDSP));
    chip->Attach(dsp);
    chip->HostCommand(2);
    EXPECT_EQ(Commands(dsp), std::vector<int32_t>({(2 + 74) << 1}));
    EXPECT_EQ(chip->GetAddressOffset(), 0x801800);
}

}  // namespace

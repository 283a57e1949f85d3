#include "rtas/framework/dsp/CDSP.h"

#include "rtas/framework/ErrorHelpers.h"
#include "rtas/framework/ModuleInformation.h"
#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/dsp/DspCodeArray.h"
#include "rtas/framework/dsp/DSPClientEntry.h"
#include "rtas/framework/dsp/DsiQueries.h"
#include "rtas/framework/host/DspSystemServices.h"

#include <set>

namespace {

constexpr int32_t kPollLimit = 1000000;
constexpr HostWord kPortTimeout = 1000000000;
constexpr HostWord kBlockTimeout = 2000000000;
constexpr uint8_t kCommandPending = 0x80;
constexpr uint8_t kReceiveFull = 0x01;
constexpr uint8_t kTransmitEmpty = 0x02;
constexpr uint8_t kPortEmpty = 0x04;
// The DSI's numbers of host flags 0 to 3.
constexpr HostWord kDsiFlagBit[4] = {4, 5, 6, 7};
// The host bit a detached DSP's standard shell expects clear.
constexpr int32_t kDetachHostBit = 10;
constexpr const char* kDspCodeResourceType = "DSPCODE";
constexpr int16_t kNoDspCode = -7061;

std::set<const CDSP*>& liveObjects()
{
    static std::set<const CDSP*> objects;
    return objects;
}

HostWord addressOf(const void* p)
{
    return HostWord(reinterpret_cast<uintptr_t>(p));
}

}  // namespace

CDSP::CDSP() : CDSP(18) {}

CDSP::CDSP(int32_t commandBase) : fCommandBase(commandBase)
{
    liveObjects().insert(this);
}

CDSP::~CDSP()
{
    liveObjects().erase(this);
    if (fShell != 0)
        rtas::dsp::DestroyShell(fShell, fShellMadeInDSIMode);
}

CDSP* CDSP::FindLive(HostWord address)
{
    auto* candidate = reinterpret_cast<CDSP*>(address);
    return liveObjects().count(candidate) != 0 ? candidate : nullptr;
}

int32_t CDSP::Attach(HostWord dsp)
{
    fNesting = 0;
    fDSP = dsp;
    if (dsp == 0)
        return 0;
    fDSIMode = rtas::dsi::IsDSIMode();
    DspInfoRecord info{};
    int32_t result = int32_t(rtas::dsp::CopyDSPInfoRecord(dsp, &info, fDSIMode));
    BindPort(fDSIMode ? 0 : HostWord(info.registerBlock));
    fKeptInfo[0] = info.registerBlock;
    fKeptInfo[1] = info.keptWordA;
    fKeptInfo[2] = info.keptWordB;
    fKeptInfo[3] = info.keptWordC;
    if (fShell == 0)
    {
        HostWord shell = 0;
        const HostWord created = rtas::dsp::CreateShell(dsp, &shell, fDSIMode);
        if (result == 0)
            result = int32_t(created);
        fShell = shell;
        fShellMadeInDSIMode = fDSIMode;
    }
    if (fShell != 0)
    {
        rtas::dsp::SetShellID(fShell, HostWord(kDspShellIdentifier), fDSIMode);
        rtas::dsp::SetShellIsStandard(fShell, true, fDSIMode);
        rtas::dsp::SetShellDSPCode(fShell, 0, fDSIMode);
        rtas::dsp::SetShellHostCodeHandler(fShell, addressOf(reinterpret_cast<const void*>(&DSPClientEntry)),
                                           fDSIMode);
        rtas::dsp::SetShellMaxLocation(fShell, 0, fDSIMode);
    }
    return result;
}

int32_t CDSP::Detach()
{
    if (fDSP == 0)
        return -1;
    SetHostBit(kDetachHostBit, false);
    HostWord standardList = 0;
    GetShellList(&standardList);
    rtas::ThrowIfError(int32_t(DsiLoadShell(fDSP, standardList, 0)));
    rtas::dsp::SetDSPClientVal(fDSP, 0, fDSIMode);
    return 0;
}

HostWord CDSP::FindFreeDSP()
{
    HostWord dsp = 0;
    GetDSPList(&dsp);
    while (dsp != 0)
    {
        HostWord client = 0;
        if (rtas::dsi::GetDSPClient(dsp, addressOf(&client)) == 0 && client == 0)
            return dsp;
        HostWord next = 0;
        if (rtas::dsi::GetNextDSP(dsp, addressOf(&next)) != 0)
            return 0;
        dsp = next;
    }
    return 0;
}

int32_t CDSP::LoadCode(void* module, int32_t codeIdentifier)
{
    if (fDSP == 0 || fShell == 0)
        throw CDAEError(rtas::kMissingObject);
    uint32_t size = 0;
    const auto* resource =
        static_cast<const uint8_t*>(rtas::FindResourceData(module, kDspCodeResourceType, codeIdentifier, &size));
    if (resource == nullptr)
        throw CDAEError(kNoDspCode);
    std::vector<uint32_t> code = rtas::dsp::MakeCodeByteArray(resource, size);
    rtas::dsp::SetShellDSPCode(fShell, addressOf(code.data()), fDSIMode);
    fCode.swap(code);

    HostWord standardList = 0;
    GetShellList(&standardList);
    HostWord current = 0;
    rtas::dsp::GetDSPShell(fDSP, &current, fDSIMode);
    if (current != standardList) {
        // Another client's shell runs there: take the DSP back to the standard list before loading ours.
        rtas::dsp::SetDSPClientVal(fDSP, 0, fDSIMode);
        rtas::ThrowIfError(int32_t(ResetDSP(fDSP)));
        rtas::ThrowIfError(int32_t(DsiLoadShell(fDSP, standardList, 0)));
    }
    rtas::dsp::SetDSPClientVal(fDSP, addressOf(this), fDSIMode);
    rtas::ThrowIfError(int32_t(DsiLoadShell(fDSP, fShell, 0)));
    return 0;
}

void CDSP::SyncPort()
{
    if (fDSIMode || fDSP == 0)
        return;
    const auto* card = reinterpret_cast<const DspCardRecord*>(uintptr_t(reinterpret_cast<const DspRecord*>(fDSP)->card));
    if (card != nullptr && card->syncAddress != 0)
        (void)*reinterpret_cast<const volatile uint32_t*>(uintptr_t(card->syncAddress));
    else if (fRegisters != nullptr)
        (void)fRegisters->dummy;
}

void CDSP::BindPort(HostWord registerBlock)
{
    fRegisters = reinterpret_cast<volatile DspRegisterBlock*>(registerBlock);
    fCardKindA = false;
    fCardKindB = false;
    HostWord cardType = 0;
    if (fDSP != 0 && rtas::dsp::GetCardTypeFromDSP(fDSP, &cardType, fDSIMode) == 0)
    {
        fCardKindA = cardType == 18;
        fCardKindB = cardType == 18 || cardType == 19;
    }
    if (fRegisters != nullptr)
    {
        SyncPort();
        fRegisters->control = uint8_t(fRegisters->control & ~1u);
    }
}

void CDSP::PollStatus(uint8_t mask)
{
    for (int32_t i = 0; i < kPollLimit; ++i)
    {
        SyncPort();
        if ((fRegisters->status & mask) != 0)
            return;
    }
}

int32_t CDSP::HostCommand(int32_t vector)
{
    if (fDSP == 0)
        return -1;
    if (fDSIMode)
        return int32_t(rtas::dsi::DoHostCommand(fDSP, vector + fCommandBase, kPortTimeout));
    if (fRegisters == nullptr)
        return -1;
    for (int32_t i = 0; i < kPollLimit; ++i)
    {
        SyncPort();
        if ((fRegisters->command & kCommandPending) == 0)
            break;
    }
    SyncPort();
    fRegisters->command = uint8_t(vector + fCommandBase + kCommandPending);
    return 0;
}

int32_t CDSP::HostCommandOnEmptyPort(int32_t vector)
{
    if (fDSP == 0)
        return -1;
    if (fDSIMode)
        return int32_t(rtas::dsi::DoHostCommandOnEmptyHostPort(fDSP, vector + fCommandBase, kPortTimeout));
    if (fRegisters == nullptr)
        return -1;
    PollStatus(kPortEmpty);
    return HostCommand(vector);
}

int32_t CDSP::ReceiveWord()
{
    if (fDSP == 0)
        return -1;
    if (fDSIMode)
    {
        int32_t word = 0;
        rtas::dsi::GetLo24ofS32(fDSP, addressOf(&word), kPortTimeout);
        return word;
    }
    if (fRegisters == nullptr)
        return -1;
    PollStatus(kReceiveFull);
    SyncPort();
    const uint32_t high = fRegisters->dataHigh;
    SyncPort();
    const uint32_t middle = fRegisters->dataMiddle;
    SyncPort();
    const uint32_t low = fRegisters->dataLow;
    return SignExtend24((high << 16) | (middle << 8) | low);
}

int32_t CDSP::SendWord(int32_t word)
{
    if (fDSP == 0)
        return -1;
    if (fDSIMode)
        return int32_t(rtas::dsi::SendLo24of32(fDSP, word, kPortTimeout));
    if (fRegisters == nullptr)
        return -1;
    PollStatus(kTransmitEmpty);
    SyncPort();
    fRegisters->dataHigh = uint8_t(uint32_t(word) >> 16);
    SyncPort();
    fRegisters->dataMiddle = uint8_t(uint32_t(word) >> 8);
    SyncPort();
    fRegisters->dataLow = uint8_t(word);
    return 0;
}

int32_t CDSP::SendWords(const int32_t* words, int32_t count)
{
    if (fDSP == 0 || count < 0 || (count > 0 && words == nullptr))
        return -1;
    if (fDSIMode)
        return int32_t(rtas::dsi::SendLo24of32Check(fDSP, addressOf(words), count, kBlockTimeout));
    for (int32_t i = 0; i < count; ++i)
        if (SendWord(words[i]) != 0)
            return -1;
    return 0;
}

int32_t CDSP::ReceiveWords(int32_t* words, int32_t count)
{
    if (fDSP == 0 || count < 0 || (count > 0 && words == nullptr))
        return -1;
    if (fDSIMode)
        return int32_t(rtas::dsi::GetLo24ofS32Check(fDSP, addressOf(words), count, kBlockTimeout));
    for (int32_t i = 0; i < count; ++i)
        words[i] = ReceiveWord();
    return 0;
}

int32_t CDSP::CommandThenRead(int32_t vector, int32_t readCount, int32_t* out, int32_t sendCount,
                              const int32_t* words)
{
    if (fDSP == 0 || readCount < 0 || sendCount < 0 || (readCount > 0 && out == nullptr) ||
        (sendCount > 0 && words == nullptr))
        return -1;
    if (fDSIMode)
        return int32_t(rtas::dsi::DoHostCommandWithDataList(fDSP, vector + fCommandBase, 0, readCount,
                                                            addressOf(out), sendCount, addressOf(words)));
    HostCommand(vector);
    SendWords(words, sendCount);
    return ReceiveWords(out, readCount);
}

int32_t CDSP::SendThenCommand(int32_t vector, int32_t readCount, int32_t* out, int32_t sendCount,
                              const int32_t* words)
{
    if (fDSP == 0 || readCount < 0 || sendCount < 0 || (readCount > 0 && out == nullptr) ||
        (sendCount > 0 && words == nullptr))
        return -1;
    if (fDSIMode)
        return int32_t(rtas::dsi::DoHostCommandWithDataList(fDSP, vector + fCommandBase, 1, readCount,
                                                            addressOf(out), sendCount, addressOf(words)));
    SendWords(words, sendCount);
    HostCommand(vector);
    return ReceiveWords(out, readCount);
}

HostWord CDSP::GetCoreType()
{
    HostWord coreType = 0;
    if (fDSP == 0 || rtas::dsp::GetDSPCoreType(fDSP, &coreType, fDSIMode) != 0)
        return -1;
    return coreType;
}

bool CDSP::GetHostFlag(int32_t flag)
{
    if (fDSP == 0 || flag < 0 || flag > 3)
        return false;
    if (fDSIMode)
    {
        HostWord value = 0;
        return rtas::dsi::GetHostBit(fDSP, kDsiFlagBit[flag], addressOf(&value)) == 0 && value != 0;
    }
    if (fRegisters == nullptr)
        return false;
    SyncPort();
    const uint8_t reg = flag < 2 ? fRegisters->control : fRegisters->status;
    return (reg >> (3 + flag % 2) & 1u) != 0;
}

void CDSP::SetHostFlag(int32_t flag, bool on)
{
    if (flag < 0 || flag > 1)
        return;
    if (fDSIMode)
    {
        if (fDSP != 0)
            rtas::dsi::SetHostBit(fDSP, kDsiFlagBit[flag], on ? 1 : 0);
        return;
    }
    SetHostBit(3 + flag, on);
}

void CDSP::SetHostBit(int32_t bit, bool on)
{
    if (fDSP == 0)
        return;
    if (fDSIMode)
    {
        rtas::dsi::SetHostBit(fDSP, bit, on ? 1 : 0);
        return;
    }
    if (fRegisters == nullptr || bit < 0 || bit > 7)
        return;
    SyncPort();
    const uint8_t mask = uint8_t(1u << bit);
    fRegisters->control = uint8_t(on ? (fRegisters->control | mask) : (fRegisters->control & ~mask));
}

// ---- The DSI's shell calls ----

#define QOR_SHELL_CALL(call)            \
    if (fDSP == 0)                      \
        return -1;                      \
    BeginAccess();                      \
    const HostWord result = call;       \
    EndAccess();                        \
    return int16_t(result)

int16_t CDSP::GetXWord(HostWord address, HostWord* word) { QOR_SHELL_CALL(SGetXWord(fDSP, address, addressOf(word))); }
int16_t CDSP::GetYWord(HostWord address, HostWord* word) { QOR_SHELL_CALL(SGetYWord(fDSP, address, addressOf(word))); }
int16_t CDSP::GetPWord(HostWord address, HostWord* word) { QOR_SHELL_CALL(SGetPWord(fDSP, address, addressOf(word))); }
int16_t CDSP::ChangeXBits(HostWord address, HostWord mask, HostWord bits) { QOR_SHELL_CALL(SChangeXBits(fDSP, address, mask, bits)); }
int16_t CDSP::ChangeYBits(HostWord address, HostWord mask, HostWord bits) { QOR_SHELL_CALL(SChangeYBits(fDSP, address, mask, bits)); }
int16_t CDSP::ChangePBits(HostWord address, HostWord mask, HostWord bits) { QOR_SHELL_CALL(SChangePBits(fDSP, address, mask, bits)); }
int16_t CDSP::Execute(HostWord address) { QOR_SHELL_CALL(SExecute(fDSP, address)); }
int16_t CDSP::SetLeftRightBit(HostWord bit) { QOR_SHELL_CALL(SSetLeftRightBit(fDSP, bit)); }
int16_t CDSP::GetControlLatch(HostWord latch) { QOR_SHELL_CALL(SGetControlLatch(fDSP, latch)); }
int16_t CDSP::SetControlLatch(HostWord latch) { QOR_SHELL_CALL(SSetControlLatch(fDSP, latch)); }
int16_t CDSP::InitShell() { QOR_SHELL_CALL(SInitShell(fDSP)); }
int16_t CDSP::StartShell() { QOR_SHELL_CALL(SStartShell(fDSP)); }
int16_t CDSP::PauseShell() { QOR_SHELL_CALL(SPauseShell(fDSP)); }
int16_t CDSP::ResumeShell() { QOR_SHELL_CALL(SResumeShell(fDSP)); }
int16_t CDSP::SetInputDelay(HostWord delay) { QOR_SHELL_CALL(SSetInputDelay(fDSP, delay)); }
int16_t CDSP::SetOutputDelay(HostWord delay) { QOR_SHELL_CALL(SSetOutputDelay(fDSP, delay)); }
int16_t CDSP::UpdatePeripheral() { QOR_SHELL_CALL(SUpdateDSPPeripheral(fDSP)); }
int16_t CDSP::GetCodeInfo(HostWord codeIdentifier, HostWord info) { QOR_SHELL_CALL(SGetDSPCodeInfo(fDSP, codeIdentifier, info)); }

#undef QOR_SHELL_CALL

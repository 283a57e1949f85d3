#include "rtas/framework/dsp/COnyxChipDSP.h"

#include "rtas/framework/dsp/DsiEntryPoints.h"
#include "rtas/framework/host/ToolboxServices.h"

namespace {

constexpr uint32_t kWaitTicks = 30;
constexpr int32_t kPortTimedOut = -7218;
constexpr int32_t kNoDSP = -7201;
constexpr uint32_t kTransmitReady = 0;
constexpr uint32_t kTransmitEmpty = 1;
constexpr uint32_t kReceiveReady = 2;
constexpr HostWord kPortTimeout = 1000000000;

HostWord addressOf(const void* p)
{
    return HostWord(reinterpret_cast<uintptr_t>(p));
}

// DSI host bits of control masks 8, 16 and 32.
HostWord dsiBitOfMask(uint32_t mask)
{
    return mask == 8 ? 4 : mask == 16 ? 5 : 6;
}

}  // namespace

COnyxChipDSP::COnyxChipDSP() : COnyxChipDSP(58, 0x8001C0, 63, 63) {}

COnyxChipDSP::COnyxChipDSP(int32_t commandBase, int32_t addressOffset, int32_t firstArea, int32_t secondArea)
    : CGenericDSP(commandBase, addressOffset, firstArea, secondArea)
{
}

CPrestoChipDSP::CPrestoChipDSP() : COnyxChipDSP(74, 0x801800, 511, 510) {}

void COnyxChipDSP::BindPort(HostWord registerList)
{
    CDSP::BindPort(0);
    const auto* list = reinterpret_cast<const DspRecordWord*>(registerList);
    for (int i = 0; i < kRegisterCount; ++i)
        fPort[i] = list != nullptr ? reinterpret_cast<volatile uint32_t*>(uintptr_t(list[i])) : nullptr;
}

HostWord COnyxChipDSP::RegisterAddress(int index) const
{
    return index >= 0 && index < kRegisterCount ? addressOf(const_cast<const uint32_t*>(fPort[index])) : 0;
}

uint32_t COnyxChipDSP::ReadRegister(Register which)
{
    if (fPort[which] == nullptr)
        return 0;
    SyncPort();
    const uint32_t value = *fPort[which];
    SyncPort();
    return value;
}

void COnyxChipDSP::WriteRegister(Register which, uint32_t value)
{
    if (fPort[which] == nullptr)
        return;
    SyncPort();
    *fPort[which] = value;
    SyncPort();
}

int32_t COnyxChipDSP::WaitForStatus(uint32_t bit)
{
    if (fDSP == 0)
        return kNoDSP;
    const uint32_t start = TickCount();
    while ((ReadRegister(kStatus) >> bit & 1u) == 0)
        if (TickCount() - start > kWaitTicks)
            return kPortTimedOut;
    return 0;
}

int32_t COnyxChipDSP::HostCommand(int32_t vector)
{
    if (fDSP == 0)
        return kNoDSP;
    if (fDSIMode)
        return int32_t(rtas::dsi::DoHostCommand(fDSP, (vector + fCommandBase) << 1, kPortTimeout));
    auto waitForCommandClear = [this] {
        const uint32_t start = TickCount();
        while ((ReadRegister(kCommand) & 1u) != 0 && TickCount() - start <= kWaitTicks)
        {
        }
    };
    waitForCommandClear();
    WriteRegister(kCommand, (uint32_t(vector + fCommandBase) << 1) + 1);
    waitForCommandClear();
    return 0;
}

int32_t COnyxChipDSP::HostCommandOnEmptyPort(int32_t vector)
{
    if (fDSP == 0)
        return kNoDSP;
    if (fDSIMode)
        return int32_t(rtas::dsi::DoHostCommandOnEmptyHostPort(fDSP, (vector + fCommandBase) << 1, kPortTimeout));
    const int32_t waited = WaitForStatus(kTransmitReady);
    if (waited != 0)
        return waited;
    return HostCommand(vector);
}

int32_t COnyxChipDSP::SendWord(int32_t word)
{
    if (fDSIMode)
        return CDSP::SendWord(word);
    int32_t result = WaitForStatus(kTransmitReady);
    if (result != 0)
        return result;
    WriteRegister(kTransmit, uint32_t(word) & 0xFFFFFF);
    return WaitForStatus(kTransmitReady);
}

int32_t COnyxChipDSP::ReceiveWord()
{
    if (fDSIMode)
        return CDSP::ReceiveWord();
    if (WaitForStatus(kReceiveReady) != 0)
        return -1;
    return SignExtend24(ReadRegister(kReceive) & 0xFFFFFF);
}

int32_t COnyxChipDSP::SendWords(const int32_t* words, int32_t count)
{
    if (fDSIMode || count < 0 || (count > 0 && words == nullptr))
        return CDSP::SendWords(words, count);
    for (int32_t i = 0; i < count; ++i)
    {
        // The third word and every sixth after it, and the last, wait for the port; the others go straight in
        // while the transmitter is empty and are dropped while it is not.
        const bool waits = i == count - 1 || (i >= 2 && (i - 2) % 6 == 0);
        if (waits)
        {
            const int32_t result = SendWord(words[i]);
            if (result != 0)
                return result;
        }
        else if ((ReadRegister(kStatus) >> kTransmitEmpty & 1u) != 0)
        {
            WriteRegister(kTransmit, uint32_t(words[i]) & 0xFFFFFF);
        }
    }
    return 0;
}

int32_t COnyxChipDSP::ReceiveWords(int32_t* words, int32_t count)
{
    if (fDSIMode || count < 0 || (count > 0 && words == nullptr))
        return CDSP::ReceiveWords(words, count);
    for (int32_t i = 0; i < count; ++i)
        words[i] = ReceiveWord();
    return 0;
}

bool COnyxChipDSP::TrySend(int32_t word)
{
    if (fDSP == 0)
        return false;
    if (fDSIMode)
        return rtas::dsi::SendLo24of32(fDSP, word, 0) == 0;
    if ((ReadRegister(kStatus) >> kTransmitEmpty & 1u) == 0)
        return false;
    WriteRegister(kTransmit, uint32_t(word) & 0xFFFFFF);
    return true;
}

bool COnyxChipDSP::TryReceive(int32_t* word)
{
    if (fDSP == 0)
        return false;
    if (fDSIMode)
    {
        int32_t received = 0;
        const bool ok = rtas::dsi::GetLo24ofS32(fDSP, addressOf(&received), 0) == 0;
        if (ok && word != nullptr)
            *word = received;
        return ok;
    }
    if ((ReadRegister(kStatus) >> kReceiveReady & 1u) == 0)
        return false;
    const int32_t received = SignExtend24(ReadRegister(kReceive) & 0xFFFFFF);
    if (word != nullptr)
        *word = received;
    return true;
}

void COnyxChipDSP::SetControlFlags(uint32_t mask)
{
    if (fDSIMode)
    {
        for (uint32_t m : {8u, 16u, 32u})
            if ((mask & m) != 0 && fDSP != 0)
                rtas::dsi::SetHostBit(fDSP, dsiBitOfMask(m), 1);
        return;
    }
    WriteRegister(kControl, ReadRegister(kControl) | (mask & 56u));
}

void COnyxChipDSP::ClearControlFlags(uint32_t mask)
{
    if (fDSIMode)
    {
        for (uint32_t m : {8u, 16u, 32u})
            if ((mask & m) != 0 && fDSP != 0)
                rtas::dsi::SetHostBit(fDSP, dsiBitOfMask(m), 0);
        return;
    }
    WriteRegister(kControl, ReadRegister(kControl) & ~(mask & 56u));
}

bool COnyxChipDSP::TestControlFlags(uint32_t mask)
{
    if (fDSIMode)
    {
        for (uint32_t m : {8u, 16u, 32u})
        {
            if ((mask & m) == 0)
                continue;
            HostWord value = 0;
            if (fDSP == 0 || rtas::dsi::GetHostBit(fDSP, dsiBitOfMask(m), addressOf(&value)) != 0 || value == 0)
                return false;
        }
        return true;
    }
    return (ReadRegister(kControl) & (mask & 56u)) == (mask & 56u);
}

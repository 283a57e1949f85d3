#include "rtas/framework/dsp/CProcessDSP.h"

#include "rtas/framework/HostLockService.h"
#include "rtas/framework/dsp/DsiEntryPoints.h"
#include "rtas/framework/host/DspSystemServices.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int32_t kParameterError = -108;
constexpr int32_t kNotReady = -7433;
constexpr size_t kRegionNameLimit = 127;
constexpr size_t kCodeInfoNameBytes = 32;

HostWord addressOf(const void* p)
{
    return HostWord(reinterpret_cast<uintptr_t>(p));
}

// The host's debug output takes length-prefixed texts.
void debugText(const char* text)
{
    unsigned char buffer[256];
    const size_t length = std::min<size_t>(std::strlen(text), 255);
    buffer[0] = uint8_t(length);
    std::memcpy(buffer + 1, text, length);
    DsiPrintf(reinterpret_cast<const char*>(buffer));
}

bool holdsWords(HostHandle memory, int32_t count)
{
    return memory != nullptr && *memory != nullptr && count >= 0 && GetHandleSize(memory) / 4 >= count;
}

}  // namespace

CProcessDSP::CProcessDSP() : CProcessDSP(18, 0xFFC0, 63, 63) {}

CProcessDSP::CProcessDSP(int32_t commandBase, int32_t addressOffset, int32_t firstArea, int32_t secondArea)
    : CDSP(commandBase), fAddressOffset(addressOffset), fFirstArea(firstArea), fSecondArea(secondArea)
{
}

CProcessDSP::~CProcessDSP()
{
    FicLockService* service = rtas::GetHostLockService();
    if (fRegion != 0 && service != nullptr && service->version() > 0)
        service->deleteLock(fRegion);
}

int32_t CProcessDSP::Attach(HostWord dsp)
{
    const int32_t result = CDSP::Attach(dsp);
    FicLockService* service = rtas::GetHostLockService();
    if (fRegion != 0 || service == nullptr)
        return result;
    const int32_t version = service->version();
    if (version < 1)
        return result;
    if (version == 1)
    {
        fRegion = service->newLock();
        return result;
    }
    char info[kCodeInfoNameBytes + 1] = {};
    std::string name;
    if (dsp != 0 && GetCodeInfo(0, addressOf(info)) == 0 && info[0] != '\0')
        name = "CProcessDSP<" + std::string(info) + "> cr";
    else
        name = "CProcessDSP <unknown> cr";
    if (name.size() > kRegionNameLimit)
        name.resize(kRegionNameLimit);
    fRegion = service->newNamedLock(name.c_str());
    return result;
}

bool CProcessDSP::BeginAccess()
{
    FicLockService* service = rtas::GetHostLockService();
    if (fRegion != 0 && service != nullptr && service->version() > 0)
        service->enter(fRegion);
    ++fUseCount;
    const bool wasClear = !fBusy;
    fBusy = true;
    return wasClear;
}

void CProcessDSP::EndAccess()
{
    fBusy = false;
    FicLockService* service = rtas::GetHostLockService();
    if (fRegion != 0 && service != nullptr && service->version() > 0)
        service->leave(fRegion);
}

int16_t CProcessDSP::InitShell()
{
    return int16_t(HostCommand(fStartVector));
}

int16_t CProcessDSP::StartShell()
{
    return int16_t(HostCommand(fStopVector));
}

int16_t CProcessDSP::GetCodeInfo(HostWord codeIdentifier, HostWord info)
{
    // A process keeps no code information of its own here, so the first query always answers "none" (-7026) and the
    // DSI's answer stands.
    return CDSP::GetCodeInfo(codeIdentifier, info);
}

int32_t CProcessDSP::Message(std::initializer_list<int32_t> words, int32_t readCount, int32_t* out)
{
    BeginAccess();
    const int32_t result = CommandThenRead(fMessageVector, readCount, out, words);
    EndAccess();
    return result;
}

int32_t CProcessDSP::ReadFirstWord()
{
    int32_t word = 0;
    Message({0, -1, -1}, 1, &word);
    Message({0, -1, -1}, 0, nullptr);
    return word;
}

int32_t CProcessDSP::PlaceBlock(int32_t which, int32_t a, int32_t b, int32_t c, int32_t d)
{
    Message({which, a, b, c, d + fAddressOffset}, 0, nullptr);
    return 0;
}

int32_t CProcessDSP::PlaceBlockInDefaultArea(int32_t which, int32_t a, int32_t b, int32_t c)
{
    return PlaceBlock(which, a, b, c, which == 1 ? fFirstArea : fSecondArea);
}

int32_t CProcessDSP::SendTriple(int32_t which, int32_t a, int32_t b, int32_t c)
{
    Message({which, a, b, c}, 0, nullptr);
    return 0;
}

int32_t CProcessDSP::SendFlagged(int32_t which, int32_t a, int32_t b, bool flag)
{
    Message({which, a, b, flag ? 0xFFFFFF : 0}, 0, nullptr);
    return 0;
}

void CProcessDSP::SetSavedAddress(int32_t a)
{
    fSavedA = a;
    Message({7, -1, -1, a + fAddressOffset}, 0, nullptr);
}

void CProcessDSP::SetSavedAddresses(int32_t a, int32_t b)
{
    fSavedA = a;
    fSavedB = b;
    Message({8, -1, -1, a + fAddressOffset, b + fAddressOffset}, 0, nullptr);
}

void CProcessDSP::GetSavedAddresses(int32_t* a, int32_t* b) const
{
    if (a != nullptr)
        *a = fSavedA;
    if (b != nullptr)
        *b = fSavedB;
}

int32_t CProcessDSP::SetStateData(HostHandle firstMemory, int32_t firstCount, HostHandle secondMemory,
                                  int32_t secondCount, int32_t thirdValue, int32_t d, int32_t e, int32_t f, int32_t g)
{
    if (firstMemory == nullptr)
    {
        debugText("CProcessDSP::SetStateData anXStateMem == NULL.");
        return kParameterError;
    }
    if (!holdsWords(firstMemory, firstCount))
    {
        debugText("CProcessDSP::SetStateData anXStateMem valid, but too small!");
        return kParameterError;
    }
    // The second memory is read just like the first, so it is held to the same bound.
    if (secondCount < 0 || (secondCount > 0 && !holdsWords(secondMemory, secondCount)))
        return kParameterError;
    std::vector<int32_t> words = {9, f, g, e, firstCount, d};
    const auto* first = reinterpret_cast<const int32_t*>(*firstMemory);
    words.insert(words.end(), first, first + firstCount);
    words.push_back(secondCount);
    words.push_back(thirdValue);
    if (secondCount > 0)
    {
        const auto* second = reinterpret_cast<const int32_t*>(*secondMemory);
        words.insert(words.end(), second, second + secondCount);
    }
    BeginAccess();
    CommandThenRead(fMessageVector, 0, nullptr, int32_t(words.size()), words.data());
    EndAccess();
    return 0;
}

int32_t CProcessDSP::SetTimeOfDay(int32_t a, int32_t b, int32_t c)
{
    if (QueryReady() == -1)
        return kNotReady;
    Message({11, -1, -1, c, b, a >> 24, a & 0xFFFFFF}, 0, nullptr);
    return 0;
}

int32_t CProcessDSP::ReadWordAt(int32_t a, int32_t b)
{
    int32_t word = 0;
    Message({13, a, b}, 1, &word);
    return word;
}

int32_t CProcessDSP::QueryReady()
{
    int32_t word = 0;
    Message({12, -1, -1}, 1, &word);
    return word;
}

void CProcessDSP::SendMessage14()
{
    Message({14, -1, -1}, 0, nullptr);
}

void CProcessDSP::SetRunFlag(bool flag)
{
    int32_t discarded[2] = {};
    Message({15, -1, -1, flag ? 1 : 0}, 2, discarded);
}

void CProcessDSP::GetCombined(int32_t a, int32_t b, bool flag, int64_t* value)
{
    if (b == -1)
        return;
    int32_t words[2] = {};
    BeginAccess();
    const int32_t first[] = {15, a, b};
    CommandThenRead(fMessageVector, 0, nullptr, 3, first);
    CommandThenRead(fMessageVector, 2, words, {15, a, b, flag ? 1 : 0});
    EndAccess();
    if (value != nullptr)
        *value = int64_t(words[0]) * (int64_t(1) << 24) + (words[1] & 0xFFFFFF);
}

void CProcessDSP::GetCurrentTimeOfDay(int64_t* value)
{
    int32_t words[2] = {};
    Message({16, -1, -1}, 2, words);
    if (words[0] < 0)
        debugText("CProcessDSP::GetCurrentTimeOfDay TODHi is negative!;g");
    if (value != nullptr)
        *value = int64_t(words[0]) * (int64_t(1) << 24) + (words[1] & 0xFFFFFF);
}

void CProcessDSP::TouchRegion()
{
    BeginAccess();
    EndAccess();
}

bool CProcessDSP::TrySend(int32_t word)
{
    SendWord(word);
    return true;
}

bool CProcessDSP::TryReceive(int32_t* word)
{
    const int32_t received = ReceiveWord();
    if (word != nullptr)
        *word = received;
    return true;
}

// ---- C321ChipDSP ----

C321ChipDSP::C321ChipDSP() : CGenericDSP(58, 0x801800, 511, 510) {}

namespace {

bool dsiBit(HostWord dsp, HostWord bit)
{
    HostWord value = 0;
    return dsp != 0 && rtas::dsi::GetHostBit(dsp, bit, addressOf(&value)) == 0 && value != 0;
}

}  // namespace

bool C321ChipDSP::TestFlagA()
{
    return dsiBit(fDSP, 5);
}

bool C321ChipDSP::TestFlagB()
{
    return dsiBit(fDSP, 7);
}

void C321ChipDSP::RaiseFlagA()
{
    if (fDSP != 0)
        rtas::dsi::SetHostBit(fDSP, 5, 1);
}

void C321ChipDSP::LowerFlagA()
{
    if (fDSP != 0)
        rtas::dsi::SetHostBit(fDSP, 5, 0);
}

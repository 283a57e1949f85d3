// The stand-in DSI.dll: a host with the DSP cards and DSPs a test gives it (none by default). Cards and DSPs are kept
// as the host lays out its records (DspSystemRecords.h), so a plug-in that reads them directly and one that asks
// through these functions see the same host. Records the kit does not know answer -1 (no such object); every call
// is recorded. Getters write through their last argument; a null record asked for its next one answers 0 with 0.
#include "hosts/rtas/KitDspControl.h"
#include "hosts/rtas/KitExport.h"
#include "hosts/rtas/KitLog.h"
#include "rtas/framework/host/DspSystemRecords.h"
#include "rtas/framework/host/DspSystemServices.h"

#include <cstring>
#include <deque>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr HostWord kNoSuchObject = -1;

struct Card
{
    DspCardRecord record{};
};

struct Dsp
{
    DspRecord record{};
    DspRegisterBlock registers{};
    std::deque<int32_t> toPlugIn;
    std::vector<int32_t> sent;
    std::vector<int32_t> commands;
    uint32_t hostBits = 0;
    bool hasCodeName = true;
    std::string codeName;
    std::vector<uint8_t> loadedCode;
};

struct Host
{
    Host() { standardList.isStandard = 1; }
    std::vector<std::unique_ptr<Card>> cards;
    std::vector<std::unique_ptr<Dsp>> dsps;
    std::set<DspShellRecord*> shells;
    // The standard shell list every DSP runs when no client has loaded its own shell.
    DspShellRecord standardList{};
    HostWord initResult = 0;
    HostWord loadShellResult = 0;
    HostWord resetResult = 0;
};

Host& host()
{
    static Host instance;
    return instance;
}

HostWord address(const void* record)
{
    return HostWord(reinterpret_cast<uintptr_t>(record));
}

Card* findCard(HostWord handle)
{
    for (auto& card : host().cards)
        if (address(&card->record) == handle)
            return card.get();
    return nullptr;
}

Dsp* findDsp(HostWord handle)
{
    for (auto& dsp : host().dsps)
        if (address(&dsp->record) == handle)
            return dsp.get();
    return nullptr;
}

DspShellRecord* findShell(HostWord handle)
{
    auto found = host().shells.find(reinterpret_cast<DspShellRecord*>(handle));
    return found == host().shells.end() ? nullptr : *found;
}

Card* cardOf(const Dsp* dsp)
{
    return dsp != nullptr ? findCard(HostWord(dsp->record.card)) : nullptr;
}

// Writes an answer through a getter's out argument.
HostWord answer(HostWord out, HostWord value)
{
    if (out == 0)
        return kNoSuchObject;
    *reinterpret_cast<HostWord*>(out) = value;
    return 0;
}

HostWord answerOfDsp(HostWord dspHandle, HostWord out, HostWord (*field)(const Dsp&))
{
    const Dsp* dsp = findDsp(dspHandle);
    return dsp != nullptr ? answer(out, field(*dsp)) : kNoSuchObject;
}

int32_t cardType(const Dsp& dsp)
{
    const Card* card = cardOf(&dsp);
    return card != nullptr ? int32_t(card->record.cardType) : -1;
}

bool isPresto(const Dsp& dsp)
{
    const int32_t type = cardType(dsp);
    const int32_t revision = int32_t(dsp.record.cardRevision);
    return type == 26 || (type == 28 && revision < 3) || (type == 31 && revision <= 3);
}

bool isTDM2(int32_t type)
{
    return type == 25 || type == 26 || type == 28 || type == 30 || type == 31;
}

int32_t signExtend24(int32_t word)
{
    return int32_t(uint32_t(word) << 8) >> 8;
}

int32_t takeWord(Dsp& dsp, bool* had)
{
    *had = !dsp.toPlugIn.empty();
    if (!*had)
        return 0;
    const int32_t word = signExtend24(dsp.toPlugIn.front());
    dsp.toPlugIn.pop_front();
    return word;
}

HostWord firstOf(HostWord* first, HostWord value)
{
    if (first != nullptr)
        *first = value;
    return 0;
}

// The shell calls of a loaded DSP: 0 for a DSP the host knows.
HostWord shellCall(const char* name, HostWord dsp)
{
    qorkit::record(name);
    return findDsp(dsp) != nullptr ? 0 : kNoSuchObject;
}

}  // namespace

extern "C" {

// ---- Linked at load time ----

QOR_KIT_EXPORT HostWord QOR_HOST_CALL ResetDSP(HostWord dsp)
{
    qorkit::record("ResetDSP");
    Dsp* found = findDsp(dsp);
    if (found == nullptr)
        return kNoSuchObject;
    if (host().resetResult != 0)
        return host().resetResult;
    found->record.shell = 0;
    found->record.client = 0;
    found->loadedCode.clear();
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL GetDSPList(HostWord* first)
{
    qorkit::record("GetDSPList");
    return firstOf(first, host().dsps.empty() ? 0 : address(&host().dsps.front()->record));
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL GetShellList(HostWord* first)
{
    qorkit::record("GetShellList");
    return firstOf(first, address(&host().standardList));
}

// (DSP, shell or shell list, flags): the shell becomes the DSP's current shell. The standard list frees the DSP;
// any other shell is the host's record or one the plug-in laid out itself (direct mode), so it is read as a record:
// it becomes the DSP's client and its DSP code, a byte count and the bytes, is copied into the DSP.
QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiLoadShell(HostWord dsp, HostWord shell, HostWord)
{
    qorkit::record("DsiLoadShell");
    Dsp* found = findDsp(dsp);
    if (found == nullptr || shell == 0)
        return kNoSuchObject;
    if (host().loadShellResult != 0)
        return host().loadShellResult;
    found->record.shell = DspRecordWord(shell);
    found->loadedCode.clear();
    if (shell == address(&host().standardList)) {
        found->record.client = 0;
        return 0;
    }
    found->record.client = DspRecordWord(shell);
    const auto* record = reinterpret_cast<const DspShellRecord*>(shell);
    DspRecordWord code = 0;
    std::memcpy(&code, &record->dspCode, sizeof code);
    if (code != 0) {
        uint32_t count = 0;
        std::memcpy(&count, reinterpret_cast<const void*>(uintptr_t(code)), sizeof count);
        const auto* bytes = reinterpret_cast<const uint8_t*>(uintptr_t(code)) + sizeof count;
        found->loadedCode.assign(bytes, bytes + count);
    }
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL InitSADriver(void)
{
    qorkit::record("InitSADriver");
    return host().initResult;
}

// (DSP, address, out word): the word read is the address itself, so a test sees which address was asked.
QOR_KIT_EXPORT HostWord QOR_HOST_CALL SGetXWord(HostWord dsp, HostWord at, HostWord out)
{
    return shellCall("SGetXWord", dsp) == 0 ? answer(out, at) : kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SGetYWord(HostWord dsp, HostWord at, HostWord out)
{
    return shellCall("SGetYWord", dsp) == 0 ? answer(out, at) : kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SGetPWord(HostWord dsp, HostWord at, HostWord out)
{
    return shellCall("SGetPWord", dsp) == 0 ? answer(out, at) : kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SChangeXBits(HostWord dsp, HostWord, HostWord, HostWord)
{
    return shellCall("SChangeXBits", dsp);
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SChangeYBits(HostWord dsp, HostWord, HostWord, HostWord)
{
    return shellCall("SChangeYBits", dsp);
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SChangePBits(HostWord dsp, HostWord, HostWord, HostWord)
{
    return shellCall("SChangePBits", dsp);
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SExecute(HostWord dsp, HostWord)
{
    return shellCall("SExecute", dsp);
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SSetLeftRightBit(HostWord dsp, HostWord)
{
    return shellCall("SSetLeftRightBit", dsp);
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SGetControlLatch(HostWord dsp, HostWord)
{
    return shellCall("SGetControlLatch", dsp);
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SSetControlLatch(HostWord dsp, HostWord)
{
    return shellCall("SSetControlLatch", dsp);
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SInitShell(HostWord dsp)
{
    return shellCall("SInitShell", dsp);
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SStartShell(HostWord dsp)
{
    return shellCall("SStartShell", dsp);
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SPauseShell(HostWord dsp)
{
    return shellCall("SPauseShell", dsp);
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SResumeShell(HostWord dsp)
{
    return shellCall("SResumeShell", dsp);
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SSetInputDelay(HostWord dsp, HostWord)
{
    return shellCall("SSetInputDelay", dsp);
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SSetOutputDelay(HostWord dsp, HostWord)
{
    return shellCall("SSetOutputDelay", dsp);
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SUpdateDSPPeripheral(HostWord dsp)
{
    return shellCall("SUpdateDSPPeripheral", dsp);
}

// (DSP, code identifier, out record): the record starts with the program's name, 32 bytes, NUL-terminated.
QOR_KIT_EXPORT HostWord QOR_HOST_CALL SGetDSPCodeInfo(HostWord dsp, HostWord, HostWord info)
{
    qorkit::record("SGetDSPCodeInfo");
    const Dsp* found = findDsp(dsp);
    if (found == nullptr || !found->hasCodeName || info == 0)
        return kNoSuchObject;
    char* name = reinterpret_cast<char*>(info);
    std::memset(name, 0, 32);
    std::strncpy(name, found->codeName.c_str(), 31);
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSendMsg(HostWord)
{
    qorkit::record("DsiSendMsg");
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL GetClientList(HostWord* first)
{
    qorkit::record("GetClientList");
    return firstOf(first, 0);
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL GetCardList(HostWord* first)
{
    qorkit::record("GetCardList");
    return firstOf(first, host().cards.empty() ? 0 : address(&host().cards.front()->record));
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiPrintf(const char* text)
{
    // A length-prefixed text, as every debug text of the plug-in's DSP layer is.
    std::string line = "DsiPrintf ";
    if (text != nullptr)
        line.append(text + 1, uint8_t(text[0]));
    qorkit::record(line.c_str());
    return 0;
}

// ---- Fetched by name ----

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiIsDSP321(HostWord dsp, HostWord out)
{
    qorkit::record("DsiIsDSP321");
    return answerOfDsp(dsp, out, [](const Dsp& d) { return HostWord((d.record.flags & kDsp321Flag) != 0); });
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetDSPCardIndex(HostWord dsp, HostWord out)
{
    qorkit::record("DsiGetDSPCardIndex");
    const Dsp* found = findDsp(dsp);
    if (found == nullptr)
        return kNoSuchObject;
    HostWord index = 0;
    for (auto& card : host().cards)
    {
        if (address(&card->record) == HostWord(found->record.card))
            return answer(out, index);
        ++index;
    }
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiIsPresto(HostWord dsp, HostWord out)
{
    qorkit::record("DsiIsPresto");
    return answerOfDsp(dsp, out, [](const Dsp& d) { return HostWord(isPresto(d)); });
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiIsTDM2(HostWord dsp, HostWord out)
{
    qorkit::record("DsiIsTDM2");
    return answerOfDsp(dsp, out, [](const Dsp& d) { return HostWord(isTDM2(cardType(d))); });
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetCardTypeFromDSP(HostWord dsp, HostWord out)
{
    qorkit::record("DsiGetCardTypeFromDSP");
    const Dsp* found = findDsp(dsp);
    if (found == nullptr || cardOf(found) == nullptr)
        return kNoSuchObject;
    return answer(out, HostWord(cardType(*found)));
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiDSPToDriverType(HostWord dsp, HostWord out)
{
    qorkit::record("DsiDSPToDriverType");
    return answerOfDsp(dsp, out, [](const Dsp& d) {
        switch (cardType(d))
        {
        case 10: return HostWord(1072);
        case 18: return HostWord(60960);
        case 20: return HostWord(61056);
        case 21: return HostWord(61072);
        case 25: case 26: case 28: case 29: case 31: return HostWord(61120);
        default: return HostWord(-1);
        }
    });
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetNextDSP(HostWord dsp, HostWord out)
{
    qorkit::record("DsiGetNextDSP");
    if (dsp == 0)
        return out != 0 ? answer(out, 0) : 0;
    return answerOfDsp(dsp, out, [](const Dsp& d) { return HostWord(d.record.nextDsp); });
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetDSPClient(HostWord dsp, HostWord out)
{
    qorkit::record("DsiGetDSPClient");
    return answerOfDsp(dsp, out, [](const Dsp& d) { return HostWord(d.record.client); });
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetDSPClientVal(HostWord dsp, HostWord out)
{
    qorkit::record("DsiGetDSPClientVal");
    return answerOfDsp(dsp, out, [](const Dsp& d) { return HostWord(d.record.clientValue); });
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSetDSPClientVal(HostWord dsp, HostWord value)
{
    qorkit::record("DsiSetDSPClientVal");
    Dsp* found = findDsp(dsp);
    if (found == nullptr)
        return kNoSuchObject;
    found->record.clientValue = DspRecordWord(value);
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetDSPShell(HostWord dsp, HostWord out)
{
    qorkit::record("DsiGetDSPShell");
    return answerOfDsp(dsp, out, [](const Dsp& d) { return HostWord(d.record.shell); });
}

// (DSP, out buffer of 80 bytes).
QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetDSPInfoRecord(HostWord dsp, HostWord out)
{
    qorkit::record("DsiGetDSPInfoRecord");
    const Dsp* found = findDsp(dsp);
    if (found == nullptr || out == 0)
        return kNoSuchObject;
    std::memcpy(reinterpret_cast<void*>(out), &found->record.info, sizeof(DspInfoRecord));
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetDSPCoreType(HostWord dsp, HostWord out)
{
    qorkit::record("DsiGetDSPCoreType");
    return answerOfDsp(dsp, out, [](const Dsp& d) { return HostWord(d.record.flags); });
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetNextCard(HostWord card, HostWord out)
{
    qorkit::record("DsiGetNextCard");
    if (card == 0)
        return out != 0 ? answer(out, 0) : 0;
    const Card* found = findCard(card);
    return found != nullptr ? answer(out, HostWord(found->record.nextCard)) : kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetCardClient(HostWord card, HostWord out)
{
    qorkit::record("DsiGetCardClient");
    const Card* found = findCard(card);
    return found != nullptr ? answer(out, HostWord(found->record.client)) : kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSetCardClient(HostWord card, HostWord value)
{
    qorkit::record("DsiSetCardClient");
    Card* found = findCard(card);
    if (found == nullptr)
        return kNoSuchObject;
    found->record.client = DspRecordWord(value);
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetCardClientVal(HostWord card, HostWord out)
{
    qorkit::record("DsiGetCardClientVal");
    const Card* found = findCard(card);
    return found != nullptr ? answer(out, HostWord(found->record.clientValue)) : kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSetCardClientVal(HostWord card, HostWord value)
{
    qorkit::record("DsiSetCardClientVal");
    Card* found = findCard(card);
    if (found == nullptr)
        return kNoSuchObject;
    found->record.clientValue = DspRecordWord(value);
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetCardType(HostWord card, HostWord out)
{
    qorkit::record("DsiGetCardType");
    const Card* found = findCard(card);
    return found != nullptr ? answer(out, HostWord(found->record.cardType)) : kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetFirstDSPOnCard(HostWord card, HostWord out)
{
    qorkit::record("DsiGetFirstDSPOnCard");
    if (findCard(card) == nullptr)
        return kNoSuchObject;
    for (auto& dsp : host().dsps)
        if (HostWord(dsp->record.card) == card)
            return answer(out, address(&dsp->record));
    return answer(out, 0);
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetNumDSPsOnCard(HostWord card, HostWord out)
{
    qorkit::record("DsiGetNumDSPsOnCard");
    if (findCard(card) == nullptr)
        return kNoSuchObject;
    HostWord count = 0;
    for (auto& dsp : host().dsps)
        count += HostWord(dsp->record.card) == card;
    return answer(out, count);
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiIsCardTDM2(HostWord card, HostWord out)
{
    qorkit::record("DsiIsCardTDM2");
    const Card* found = findCard(card);
    return found != nullptr ? answer(out, HostWord(isTDM2(int32_t(found->record.cardType)))) : kNoSuchObject;
}

// (DSP, vector, time-out).
QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiDoHostCommand(HostWord dsp, HostWord vector, HostWord)
{
    qorkit::record("DsiDoHostCommand");
    Dsp* found = findDsp(dsp);
    if (found == nullptr)
        return kNoSuchObject;
    found->commands.push_back(int32_t(vector));
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiDoHostCommandOnEmptyHostPort(HostWord dsp, HostWord vector, HostWord)
{
    qorkit::record("DsiDoHostCommandOnEmptyHostPort");
    Dsp* found = findDsp(dsp);
    if (found == nullptr)
        return kNoSuchObject;
    found->commands.push_back(int32_t(vector));
    return 0;
}

// (DSP, vector, order: 0 command first or 1 words first, read count, read buffer, send count, send words). The
// reads come after both. A read the DSP has no word for answers -1 and leaves the rest of the buffer as it was.
QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiDoHostCommandWithDataList(HostWord dsp, HostWord vector, HostWord order,
                                                                   HostWord readCount, HostWord readBuffer,
                                                                   HostWord sendCount, HostWord sendWords)
{
    qorkit::record("DsiDoHostCommandWithDataList");
    Dsp* found = findDsp(dsp);
    if (found == nullptr || readCount < 0 || sendCount < 0)
        return kNoSuchObject;
    auto sendAll = [&] {
        const int32_t* words = reinterpret_cast<const int32_t*>(sendWords);
        for (HostWord i = 0; i < sendCount; ++i)
            found->sent.push_back(words[i] & 0xFFFFFF);
    };
    if (order != 0)
        sendAll();
    found->commands.push_back(int32_t(vector));
    if (order == 0)
        sendAll();
    int32_t* reads = reinterpret_cast<int32_t*>(readBuffer);
    for (HostWord i = 0; i < readCount; ++i)
    {
        bool had = false;
        const int32_t word = takeWord(*found, &had);
        if (!had)
            return kNoSuchObject;
        reads[i] = word;
    }
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiWaitHostBit(HostWord dsp, HostWord bit, HostWord value, HostWord)
{
    qorkit::record("DsiWaitHostBit");
    const Dsp* found = findDsp(dsp);
    if (found == nullptr || bit < 0 || bit > 31)
        return kNoSuchObject;
    return HostWord((found->hostBits >> bit) & 1u) == (value != 0 ? 1 : 0) ? 0 : kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSendLo24of32(HostWord dsp, HostWord word, HostWord)
{
    qorkit::record("DsiSendLo24of32");
    Dsp* found = findDsp(dsp);
    if (found == nullptr)
        return kNoSuchObject;
    found->sent.push_back(int32_t(word) & 0xFFFFFF);
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetLo24ofS32(HostWord dsp, HostWord out, HostWord)
{
    qorkit::record("DsiGetLo24ofS32");
    Dsp* found = findDsp(dsp);
    if (found == nullptr || out == 0)
        return kNoSuchObject;
    bool had = false;
    const int32_t word = takeWord(*found, &had);
    if (!had)
        return kNoSuchObject;
    *reinterpret_cast<int32_t*>(out) = word;
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSendLo24of32Check(HostWord dsp, HostWord words, HostWord count, HostWord)
{
    qorkit::record("DsiSendLo24of32Check");
    Dsp* found = findDsp(dsp);
    if (found == nullptr || count < 0)
        return kNoSuchObject;
    for (HostWord i = 0; i < count; ++i)
        found->sent.push_back(reinterpret_cast<const int32_t*>(words)[i] & 0xFFFFFF);
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetLo24ofS32Check(HostWord dsp, HostWord words, HostWord count, HostWord)
{
    qorkit::record("DsiGetLo24ofS32Check");
    Dsp* found = findDsp(dsp);
    if (found == nullptr || count < 0)
        return kNoSuchObject;
    for (HostWord i = 0; i < count; ++i)
    {
        bool had = false;
        const int32_t word = takeWord(*found, &had);
        if (!had)
            return kNoSuchObject;
        reinterpret_cast<int32_t*>(words)[i] = word;
    }
    return 0;
}

// (DSP, bit, value).
QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSetHostBit(HostWord dsp, HostWord bit, HostWord value)
{
    qorkit::record("DsiSetHostBit");
    Dsp* found = findDsp(dsp);
    if (found == nullptr || bit < 0 || bit > 31)
        return kNoSuchObject;
    if (value != 0)
        found->hostBits |= 1u << bit;
    else
        found->hostBits &= ~(1u << bit);
    return 0;
}

// (DSP, bit, out value).
QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetHostBit(HostWord dsp, HostWord bit, HostWord out)
{
    qorkit::record("DsiGetHostBit");
    const Dsp* found = findDsp(dsp);
    if (found == nullptr || bit < 0 || bit > 31)
        return kNoSuchObject;
    return answer(out, HostWord((found->hostBits >> bit) & 1u));
}

// (the DSP the shell is for): answers the new shell record, or 0.
QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiCreateShell(HostWord)
{
    qorkit::record("DsiCreateShell");
    auto* shell = new DspShellRecord();
    host().shells.insert(shell);
    return address(shell);
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiDestroyShell(HostWord shell)
{
    qorkit::record("DsiDestroyShell");
    DspShellRecord* found = findShell(shell);
    if (found == nullptr)
        return kNoSuchObject;
    host().shells.erase(found);
    delete found;
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetShellClient(HostWord shell, HostWord out)
{
    qorkit::record("DsiGetShellClient");
    const DspShellRecord* found = findShell(shell);
    return found != nullptr ? answer(out, HostWord(found->client)) : kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetShellClientVal(HostWord shell, HostWord out)
{
    qorkit::record("DsiGetShellClientVal");
    const DspShellRecord* found = findShell(shell);
    return found != nullptr ? answer(out, HostWord(found->clientValue)) : kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSetShellID(HostWord shell, HostWord identifier)
{
    qorkit::record("DsiSetShellID");
    DspShellRecord* found = findShell(shell);
    if (found == nullptr)
        return kNoSuchObject;
    found->identifier = DspRecordWord(identifier);
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetShellID(HostWord shell, HostWord out)
{
    qorkit::record("DsiGetShellID");
    const DspShellRecord* found = findShell(shell);
    return found != nullptr ? answer(out, HostWord(found->identifier)) : kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSetShellIsStandard(HostWord shell, HostWord standard)
{
    qorkit::record("DsiSetShellIsStandard");
    DspShellRecord* found = findShell(shell);
    if (found == nullptr)
        return kNoSuchObject;
    found->isStandard = uint8_t(standard != 0);
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSetShellMaxLocation(HostWord shell, HostWord location)
{
    qorkit::record("DsiSetShellMaxLocation");
    DspShellRecord* found = findShell(shell);
    if (found == nullptr)
        return kNoSuchObject;
    found->maxLocation = DspRecordWord(location);
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSetShellDSPCode(HostWord shell, HostWord code)
{
    qorkit::record("DsiSetShellDSPCode");
    DspShellRecord* found = findShell(shell);
    if (found == nullptr)
        return kNoSuchObject;
    found->dspCode = DspRecordWord(code);
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiShellDSPCodeIsNULL(HostWord shell, HostWord out)
{
    qorkit::record("DsiShellDSPCodeIsNULL");
    if (shell == 0)
        return 0;
    const DspShellRecord* found = findShell(shell);
    return found != nullptr ? answer(out, HostWord(found->dspCode == 0)) : kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSetShellHostCodeHandler(HostWord shell, HostWord handler)
{
    qorkit::record("DsiSetShellHostCodeHandler");
    DspShellRecord* found = findShell(shell);
    if (found == nullptr)
        return kNoSuchObject;
    found->hostCodeHandler = DspRecordWord(handler);
    return 0;
}

// ---- The kit's controls ----

QOR_KIT_EXPORT void QorKitDsiReset(void)
{
    Host& h = host();
    h.dsps.clear();
    h.cards.clear();
    for (DspShellRecord* shell : h.shells)
        delete shell;
    h.shells.clear();
    h.initResult = 0;
    h.loadShellResult = 0;
    h.resetResult = 0;
    h.standardList = DspShellRecord{};
    h.standardList.isStandard = 1;
}

QOR_KIT_EXPORT HostWord QorKitDsiAddCard(int32_t type, int32_t revision)
{
    auto card = std::make_unique<Card>();
    card->record.cardType = DspRecordWord(type);
    card->record.revision = DspRecordWord(revision);
    if (!host().cards.empty())
        host().cards.back()->record.nextCard = DspRecordWord(address(&card->record));
    host().cards.push_back(std::move(card));
    return address(&host().cards.back()->record);
}

QOR_KIT_EXPORT HostWord QorKitDsiAddDsp(HostWord card, int32_t revision, uint32_t flags)
{
    auto dsp = std::make_unique<Dsp>();
    dsp->record.card = DspRecordWord(card);
    dsp->record.cardRevision = DspRecordWord(revision);
    dsp->record.flags = flags;
    dsp->record.info.registerBlock = DspRecordWord(address(&dsp->registers));
    dsp->record.info.keptWordA = 0xA0A0A0;
    dsp->record.info.keptWordB = 0xB0B0B0;
    dsp->record.info.keptWordC = 0xC0C0C0;
    dsp->record.shell = DspRecordWord(address(&host().standardList));
    if (!host().dsps.empty())
        host().dsps.back()->record.nextDsp = DspRecordWord(address(&dsp->record));
    host().dsps.push_back(std::move(dsp));
    return address(&host().dsps.back()->record);
}

QOR_KIT_EXPORT HostWord QorKitDsiRegisterBlock(HostWord dsp)
{
    Dsp* found = findDsp(dsp);
    return found != nullptr ? address(&found->registers) : 0;
}

QOR_KIT_EXPORT void QorKitDsiSetInitResult(int32_t result)
{
    host().initResult = result;
}

QOR_KIT_EXPORT void QorKitDsiSetLoadShellResult(int32_t result)
{
    host().loadShellResult = result;
}

QOR_KIT_EXPORT void QorKitDsiSetCodeName(HostWord dsp, const char* name)
{
    Dsp* found = findDsp(dsp);
    if (found == nullptr)
        return;
    found->hasCodeName = name != nullptr;
    found->codeName = name != nullptr ? name : "";
}

QOR_KIT_EXPORT void QorKitDsiQueueWords(HostWord dsp, const int32_t* words, int32_t count)
{
    Dsp* found = findDsp(dsp);
    for (int32_t i = 0; found != nullptr && i < count; ++i)
        found->toPlugIn.push_back(words[i] & 0xFFFFFF);
}

static int32_t copyOut(const std::vector<int32_t>& from, int32_t* to, int32_t capacity)
{
    for (int32_t i = 0; i < capacity && size_t(i) < from.size(); ++i)
        to[i] = from[size_t(i)];
    return int32_t(from.size());
}

QOR_KIT_EXPORT int32_t QorKitDsiSentWords(HostWord dsp, int32_t* words, int32_t capacity)
{
    const Dsp* found = findDsp(dsp);
    return found != nullptr ? copyOut(found->sent, words, capacity) : 0;
}

QOR_KIT_EXPORT int32_t QorKitDsiCommands(HostWord dsp, int32_t* vectors, int32_t capacity)
{
    const Dsp* found = findDsp(dsp);
    return found != nullptr ? copyOut(found->commands, vectors, capacity) : 0;
}

QOR_KIT_EXPORT int32_t QorKitDsiHostBit(HostWord dsp, int32_t bit)
{
    const Dsp* found = findDsp(dsp);
    return found != nullptr && bit >= 0 && bit < 32 ? int32_t((found->hostBits >> bit) & 1u) : 0;
}

QOR_KIT_EXPORT void QorKitDsiSetHostBit(HostWord dsp, int32_t bit, int32_t value)
{
    DsiSetHostBit(dsp, bit, value);
}

QOR_KIT_EXPORT int32_t QorKitDsiLiveShells(void)
{
    return int32_t(host().shells.size());
}

QOR_KIT_EXPORT HostWord QorKitDsiStandardShellList(void)
{
    return address(&host().standardList);
}

QOR_KIT_EXPORT void QorKitDsiSetResetResult(int32_t result)
{
    host().resetResult = result;
}

QOR_KIT_EXPORT int32_t QorKitDsiLoadedCode(HostWord dsp, uint8_t* bytes, int32_t capacity)
{
    const Dsp* found = findDsp(dsp);
    if (found == nullptr)
        return 0;
    for (int32_t i = 0; bytes != nullptr && i < capacity && size_t(i) < found->loadedCode.size(); ++i)
        bytes[i] = found->loadedCode[size_t(i)];
    return int32_t(found->loadedCode.size());
}

}  // extern "C"

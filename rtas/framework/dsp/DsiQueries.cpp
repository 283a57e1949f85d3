#include "rtas/framework/dsp/DsiQueries.h"

#include "rtas/framework/ErrorHelpers.h"
#include "rtas/framework/host/DspSystemServices.h"

namespace rtas::dsp {

namespace {

constexpr HostWord kNoSuchObject = -1;

DspRecord* dspRecord(HostWord dsp)
{
    return reinterpret_cast<DspRecord*>(dsp);
}

DspCardRecord* cardOf(HostWord dsp)
{
    return reinterpret_cast<DspCardRecord*>(uintptr_t(dspRecord(dsp)->card));
}

DspShellRecord* shellRecord(HostWord shell)
{
    return reinterpret_cast<DspShellRecord*>(shell);
}

HostWord wordAddress(HostWord* word)
{
    return HostWord(reinterpret_cast<uintptr_t>(word));
}

// A DSI answer through a word, taken as a flag.
HostWord flagFromDsi(HostWord (*entry)(HostWord, HostWord), HostWord dsp, bool* flag)
{
    HostWord answer = 0;
    const HostWord result = entry(dsp, wordAddress(&answer));
    *flag = answer != 0;
    return result;
}

template <typename Field>
HostWord readDsp(HostWord dsp, HostWord* out, bool dsiMode, HostWord (*entry)(HostWord, HostWord), Field field)
{
    *out = 0;
    if (dsiMode)
        return entry(dsp, wordAddress(out));
    if (dsp == 0)
        return kNoSuchObject;
    *out = field(*dspRecord(dsp));
    return 0;
}

// The card-type rules need the card record; a DSP without one answers -1.
HostWord cardTypeAndRevision(HostWord dsp, int32_t* type, int32_t* revision)
{
    if (dsp == 0 || cardOf(dsp) == nullptr)
        return kNoSuchObject;
    *type = int32_t(cardOf(dsp)->cardType);
    *revision = int32_t(dspRecord(dsp)->cardRevision);
    return 0;
}

template <typename Apply>
HostWord writeShell(HostWord shell, bool dsiMode, HostWord (*entry)(HostWord, HostWord), HostWord value, Apply apply)
{
    if (dsiMode)
        return entry(shell, value);
    if (shell == 0)
        return kNoSuchObject;
    apply(*shellRecord(shell));
    return 0;
}

}  // namespace

bool IsPrestoCard(int32_t cardType, int32_t revision)
{
    return cardType == 26 || (cardType == 28 && revision < 3) || (cardType == 31 && revision <= 3);
}

bool IsTDM2Card(int32_t cardType)
{
    return cardType == 25 || cardType == 26 || cardType == 28 || cardType == 30 || cardType == 31;
}

int32_t DriverTypeOfCard(int32_t cardType)
{
    switch (cardType)
    {
    case 10: return 1072;
    case 18: return 60960;
    case 20: return 61056;
    case 21: return 61072;
    case 25: case 26: case 28: case 29: case 31: return 61120;
    default: return -1;
    }
}

bool IsOnyxCardType(int32_t cardType)
{
    return cardType == kCardTypeOnyx;
}

bool IsProcessCardType(int32_t cardType)
{
    return cardType == kCardTypeProcess;
}

HostWord CopyDSPInfoRecord(HostWord dsp, DspInfoRecord* info, bool dsiMode)
{
    *info = DspInfoRecord{};
    if (dsiMode)
        return dsi::GetDSPInfoRecord(dsp, HostWord(reinterpret_cast<uintptr_t>(info)));
    if (dsp == 0)
        return kNoSuchObject;
    *info = dspRecord(dsp)->info;
    return 0;
}

HostWord GetDSPClientVal(HostWord dsp, HostWord* value, bool dsiMode)
{
    return readDsp(dsp, value, dsiMode, dsi::GetDSPClientVal, [](const DspRecord& r) { return HostWord(r.clientValue); });
}

HostWord SetDSPClientVal(HostWord dsp, HostWord value, bool dsiMode)
{
    if (dsiMode)
        return dsi::SetDSPClientVal(dsp, value);
    if (dsp == 0)
        return kNoSuchObject;
    dspRecord(dsp)->clientValue = DspRecordWord(value);
    return 0;
}

HostWord GetDSPClient(HostWord dsp, HostWord* client, bool dsiMode)
{
    return readDsp(dsp, client, dsiMode, dsi::GetDSPClient, [](const DspRecord& r) { return HostWord(r.client); });
}

HostWord GetCardTypeFromDSP(HostWord dsp, HostWord* type, bool dsiMode)
{
    *type = 0;
    if (dsiMode)
        return dsi::GetCardTypeFromDSP(dsp, wordAddress(type));
    int32_t cardType = 0, revision = 0;
    const HostWord result = cardTypeAndRevision(dsp, &cardType, &revision);
    *type = cardType;
    return result;
}

HostWord GetCardFurtherWord(HostWord dsp, HostWord* word, bool dsiMode)
{
    *word = 0;
    if (dsiMode)
        return 0;
    if (dsp == 0 || cardOf(dsp) == nullptr)
        return kNoSuchObject;
    *word = HostWord(cardOf(dsp)->furtherWord);
    return 0;
}

HostWord GetNextDSP(HostWord dsp, HostWord* next, bool dsiMode)
{
    return readDsp(dsp, next, dsiMode, dsi::GetNextDSP, [](const DspRecord& r) { return HostWord(r.nextDsp); });
}

HostWord GetDSPShell(HostWord dsp, HostWord* shell, bool dsiMode)
{
    return readDsp(dsp, shell, dsiMode, dsi::GetDSPShell, [](const DspRecord& r) { return HostWord(r.shell); });
}

HostWord GetDSPCoreType(HostWord dsp, HostWord* coreType, bool dsiMode)
{
    return readDsp(dsp, coreType, dsiMode, dsi::GetDSPCoreType, [](const DspRecord& r) { return HostWord(r.flags); });
}

HostWord IsDSP321(HostWord dsp, bool* is321, bool dsiMode)
{
    *is321 = false;
    if (dsiMode)
        return flagFromDsi(dsi::IsDSP321, dsp, is321);
    if (dsp == 0)
        return kNoSuchObject;
    *is321 = (dspRecord(dsp)->flags & kDsp321Flag) != 0;
    return 0;
}

HostWord IsPresto(HostWord dsp, bool* isPresto, bool dsiMode)
{
    *isPresto = false;
    if (dsiMode)
        return flagFromDsi(dsi::IsPresto, dsp, isPresto);
    int32_t type = 0, revision = 0;
    const HostWord result = cardTypeAndRevision(dsp, &type, &revision);
    *isPresto = result == 0 && IsPrestoCard(type, revision);
    return result;
}

HostWord IsTDM2(HostWord dsp, bool* isTDM2, bool dsiMode)
{
    *isTDM2 = false;
    if (dsiMode)
        return flagFromDsi(dsi::IsTDM2, dsp, isTDM2);
    int32_t type = 0, revision = 0;
    const HostWord result = cardTypeAndRevision(dsp, &type, &revision);
    *isTDM2 = result == 0 && IsTDM2Card(type);
    return result;
}

HostWord DSPToDriverType(HostWord dsp, HostWord* driverType, bool dsiMode)
{
    *driverType = -1;
    if (dsiMode)
        return dsi::DSPToDriverType(dsp, wordAddress(driverType));
    int32_t type = 0, revision = 0;
    const HostWord result = cardTypeAndRevision(dsp, &type, &revision);
    if (result == 0)
        *driverType = DriverTypeOfCard(type);
    return result;
}

HostWord CreateShell(HostWord dsp, HostWord* shell, bool dsiMode)
{
    if (dsiMode)
    {
        *shell = dsi::CreateShell(dsp);
        if (*shell == -1)
            *shell = 0;
        return *shell != 0 ? 0 : kNoSuchObject;
    }
    *shell = HostWord(reinterpret_cast<uintptr_t>(new DspShellRecord()));
    return 0;
}

HostWord DestroyShell(HostWord shell, bool dsiMode)
{
    if (dsiMode)
        return dsi::DestroyShell(shell);
    delete shellRecord(shell);
    return 0;
}

HostWord SetShellID(HostWord shell, HostWord identifier, bool dsiMode)
{
    return writeShell(shell, dsiMode, dsi::SetShellID, identifier,
                      [&](DspShellRecord& r) { r.identifier = DspRecordWord(identifier); });
}

HostWord SetShellIsStandard(HostWord shell, bool standard, bool dsiMode)
{
    return writeShell(shell, dsiMode, dsi::SetShellIsStandard, standard ? 1 : 0,
                      [&](DspShellRecord& r) { r.isStandard = standard ? 1 : 0; });
}

HostWord SetShellMaxLocation(HostWord shell, HostWord location, bool dsiMode)
{
    return writeShell(shell, dsiMode, dsi::SetShellMaxLocation, location,
                      [&](DspShellRecord& r) { r.maxLocation = DspRecordWord(location); });
}

HostWord SetShellDSPCode(HostWord shell, HostWord code, bool dsiMode)
{
    return writeShell(shell, dsiMode, dsi::SetShellDSPCode, code,
                      [&](DspShellRecord& r) { r.dspCode = DspRecordWord(code); });
}

HostWord SetShellHostCodeHandler(HostWord shell, HostWord handler, bool dsiMode)
{
    return writeShell(shell, dsiMode, dsi::SetShellHostCodeHandler, handler,
                      [&](DspShellRecord& r) { r.hostCodeHandler = DspRecordWord(handler); });
}

HostWord ShellDSPCodeIsNULL(HostWord shell, bool* isNull, bool dsiMode)
{
    *isNull = false;
    if (dsiMode)
        return flagFromDsi(dsi::ShellDSPCodeIsNULL, shell, isNull);
    if (shell == 0)
        return kNoSuchObject;
    *isNull = shellRecord(shell)->dspCode == 0;
    return 0;
}

bool HasCardOfType(int16_t cardType)
{
    ThrowIfError(int32_t(InitSADriver()));
    HostWord card = 0;
    GetCardList(&card);
    if (cardType == kCardTypeTDM2Probe)
        return HasTDM2DSP();
    const bool dsiMode = dsi::IsDSIMode();
    while (card != 0)
    {
        HostWord type = 0;
        HostWord next = 0;
        if (dsiMode)
        {
            dsi::GetCardType(card, wordAddress(&type));
            dsi::GetNextCard(card, wordAddress(&next));
        }
        else
        {
            const auto* record = reinterpret_cast<const DspCardRecord*>(card);
            type = HostWord(record->cardType);
            next = HostWord(record->nextCard);
        }
        if (type == cardType)
            return true;
        card = next;
    }
    return false;
}

namespace {

// The first DSP of the host's list for which the test answers true.
template <typename Test>
bool anyDsp(Test test)
{
    HostWord dsp = 0;
    GetDSPList(&dsp);
    while (dsp != 0)
    {
        bool found = false;
        test(dsp, &found);
        if (found)
            return true;
        HostWord next = 0;
        if (GetNextDSP(dsp, &next) != 0)
            return false;
        dsp = next;
    }
    return false;
}

}  // namespace

bool HasTDM2DSP()
{
    return anyDsp([](HostWord dsp, bool* found) { IsTDM2(dsp, found); });
}

bool Has321DSP()
{
    return anyDsp([](HostWord dsp, bool* found) { IsDSP321(dsp, found); });
}

}  // namespace rtas::dsp

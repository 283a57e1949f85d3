// The stand-in DSI.dll: a host without DSP cards. The lists are empty, the driver starts, a shell can be made and
// destroyed, and everything that names a DSP or card answers -1 (no such object). Every call is recorded.
#include "hosts/rtas/KitExport.h"
#include "hosts/rtas/KitLog.h"
#include "rtas/framework/host/DspSystemServices.h"

namespace {

constexpr HostWord kNoSuchObject = -1;

// A shell record of our own: big enough for every field a plug-in may set through the shell setters.
struct Shell
{
    HostWord fields[16] = {};
};

}  // namespace

extern "C" {

QOR_KIT_EXPORT HostWord QOR_HOST_CALL ResetDSP(HostWord a0)
{
    qorkit::record("ResetDSP");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL GetDSPList(HostWord* first)
{
    qorkit::record("GetDSPList");
    if (first != nullptr)
        *first = 0;
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL GetShellList(HostWord* first)
{
    qorkit::record("GetShellList");
    if (first != nullptr)
        *first = 0;
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiLoadShell(HostWord a0, HostWord a1, HostWord a2)
{
    qorkit::record("DsiLoadShell");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL InitSADriver(void)
{
    qorkit::record("InitSADriver");
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SGetXWord(HostWord a0, HostWord a1, HostWord a2)
{
    qorkit::record("SGetXWord");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SGetYWord(HostWord a0, HostWord a1, HostWord a2)
{
    qorkit::record("SGetYWord");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SGetPWord(HostWord a0, HostWord a1, HostWord a2)
{
    qorkit::record("SGetPWord");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SChangeXBits(HostWord a0, HostWord a1, HostWord a2, HostWord a3)
{
    qorkit::record("SChangeXBits");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SChangeYBits(HostWord a0, HostWord a1, HostWord a2, HostWord a3)
{
    qorkit::record("SChangeYBits");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SChangePBits(HostWord a0, HostWord a1, HostWord a2, HostWord a3)
{
    qorkit::record("SChangePBits");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SExecute(HostWord a0, HostWord a1)
{
    qorkit::record("SExecute");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SSetLeftRightBit(HostWord a0, HostWord a1)
{
    qorkit::record("SSetLeftRightBit");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SGetControlLatch(HostWord a0, HostWord a1)
{
    qorkit::record("SGetControlLatch");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SSetControlLatch(HostWord a0, HostWord a1)
{
    qorkit::record("SSetControlLatch");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SInitShell(HostWord a0)
{
    qorkit::record("SInitShell");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SStartShell(HostWord a0)
{
    qorkit::record("SStartShell");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SPauseShell(HostWord a0)
{
    qorkit::record("SPauseShell");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SResumeShell(HostWord a0)
{
    qorkit::record("SResumeShell");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SSetInputDelay(HostWord a0, HostWord a1)
{
    qorkit::record("SSetInputDelay");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SSetOutputDelay(HostWord a0, HostWord a1)
{
    qorkit::record("SSetOutputDelay");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SUpdateDSPPeripheral(HostWord a0)
{
    qorkit::record("SUpdateDSPPeripheral");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL SGetDSPCodeInfo(HostWord a0, HostWord a1, HostWord a2)
{
    qorkit::record("SGetDSPCodeInfo");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSendMsg(HostWord a0)
{
    qorkit::record("DsiSendMsg");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL GetClientList(HostWord* first)
{
    qorkit::record("GetClientList");
    if (first != nullptr)
        *first = 0;
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL GetCardList(HostWord* first)
{
    qorkit::record("GetCardList");
    if (first != nullptr)
        *first = 0;
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiPrintf(const char* text)
{
    qorkit::record("DsiPrintf");
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiIsDSP321(HostWord a0, HostWord a1)
{
    qorkit::record("DsiIsDSP321");
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetDSPCardIndex(HostWord a0, HostWord a1)
{
    qorkit::record("DsiGetDSPCardIndex");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiIsPresto(HostWord a0, HostWord a1)
{
    qorkit::record("DsiIsPresto");
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiIsTDM2(HostWord a0, HostWord a1)
{
    qorkit::record("DsiIsTDM2");
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetCardTypeFromDSP(HostWord a0, HostWord a1)
{
    qorkit::record("DsiGetCardTypeFromDSP");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiDSPToDriverType(HostWord a0, HostWord a1)
{
    qorkit::record("DsiDSPToDriverType");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetNextDSP(HostWord a0, HostWord a1)
{
    qorkit::record("DsiGetNextDSP");
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetDSPClient(HostWord a0, HostWord a1)
{
    qorkit::record("DsiGetDSPClient");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetDSPClientVal(HostWord a0, HostWord a1)
{
    qorkit::record("DsiGetDSPClientVal");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSetDSPClientVal(HostWord a0, HostWord a1)
{
    qorkit::record("DsiSetDSPClientVal");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetDSPShell(HostWord a0, HostWord a1)
{
    qorkit::record("DsiGetDSPShell");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetDSPInfoRecord(HostWord a0, HostWord a1)
{
    qorkit::record("DsiGetDSPInfoRecord");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetDSPCoreType(HostWord a0, HostWord a1)
{
    qorkit::record("DsiGetDSPCoreType");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetNextCard(HostWord a0, HostWord a1)
{
    qorkit::record("DsiGetNextCard");
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetCardClient(HostWord a0, HostWord a1)
{
    qorkit::record("DsiGetCardClient");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSetCardClient(HostWord a0, HostWord a1)
{
    qorkit::record("DsiSetCardClient");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetCardClientVal(HostWord a0, HostWord a1)
{
    qorkit::record("DsiGetCardClientVal");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSetCardClientVal(HostWord a0, HostWord a1)
{
    qorkit::record("DsiSetCardClientVal");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetCardType(HostWord a0, HostWord a1)
{
    qorkit::record("DsiGetCardType");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetFirstDSPOnCard(HostWord a0, HostWord a1)
{
    qorkit::record("DsiGetFirstDSPOnCard");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetNumDSPsOnCard(HostWord a0, HostWord a1)
{
    qorkit::record("DsiGetNumDSPsOnCard");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiIsCardTDM2(HostWord a0, HostWord a1)
{
    qorkit::record("DsiIsCardTDM2");
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiDoHostCommand(HostWord a0, HostWord a1, HostWord a2)
{
    qorkit::record("DsiDoHostCommand");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiDoHostCommandOnEmptyHostPort(HostWord a0, HostWord a1, HostWord a2)
{
    qorkit::record("DsiDoHostCommandOnEmptyHostPort");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiDoHostCommandWithDataList(HostWord a0, HostWord a1, HostWord a2, HostWord a3, HostWord a4, HostWord a5, HostWord a6)
{
    qorkit::record("DsiDoHostCommandWithDataList");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiWaitHostBit(HostWord a0, HostWord a1, HostWord a2, HostWord a3)
{
    qorkit::record("DsiWaitHostBit");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSendLo24of32(HostWord a0, HostWord a1, HostWord a2)
{
    qorkit::record("DsiSendLo24of32");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetLo24ofS32(HostWord a0, HostWord a1, HostWord a2)
{
    qorkit::record("DsiGetLo24ofS32");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSendLo24of32Check(HostWord a0, HostWord a1, HostWord a2, HostWord a3)
{
    qorkit::record("DsiSendLo24of32Check");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetLo24ofS32Check(HostWord a0, HostWord a1, HostWord a2, HostWord a3)
{
    qorkit::record("DsiGetLo24ofS32Check");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSetHostBit(HostWord a0, HostWord a1, HostWord a2)
{
    qorkit::record("DsiSetHostBit");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetHostBit(HostWord a0, HostWord a1, HostWord a2)
{
    qorkit::record("DsiGetHostBit");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiCreateShell(HostWord a0)
{
    qorkit::record("DsiCreateShell");
    return HostWord(new Shell);
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiDestroyShell(HostWord a0)
{
    qorkit::record("DsiDestroyShell");
    delete reinterpret_cast<Shell*>(a0);
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetShellClient(HostWord a0, HostWord a1)
{
    qorkit::record("DsiGetShellClient");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetShellClientVal(HostWord a0, HostWord a1)
{
    qorkit::record("DsiGetShellClientVal");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSetShellID(HostWord a0, HostWord a1)
{
    qorkit::record("DsiSetShellID");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiGetShellID(HostWord a0, HostWord a1)
{
    qorkit::record("DsiGetShellID");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSetShellIsStandard(HostWord a0, HostWord a1)
{
    qorkit::record("DsiSetShellIsStandard");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSetShellMaxLocation(HostWord a0, HostWord a1)
{
    qorkit::record("DsiSetShellMaxLocation");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSetShellDSPCode(HostWord a0, HostWord a1)
{
    qorkit::record("DsiSetShellDSPCode");
    return kNoSuchObject;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiShellDSPCodeIsNULL(HostWord a0, HostWord a1)
{
    qorkit::record("DsiShellDSPCodeIsNULL");
    return 0;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL DsiSetShellHostCodeHandler(HostWord a0, HostWord a1)
{
    qorkit::record("DsiSetShellHostCodeHandler");
    return kNoSuchObject;
}

}  // extern "C"

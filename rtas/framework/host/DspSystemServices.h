// What the plug-in imports from the host's DSP system interface DSI.dll. Twenty-seven functions are linked at load
// time (import library made from DSI.def); the forty-three others are fetched by name at every group set-up, under
// their decorated names (kDsiNamedEntries), and called through the ...Proc types. Every argument is one 32-bit word
// (a DSP, card or shell record, a number or an address); every result is a DSI code (0 success, -1 no such object or
// entry) or the word asked for. Main thread.
#pragma once

#include "rtas/framework/host/HostCall.h"

extern "C" {

HostWord QOR_HOST_CALL ResetDSP(HostWord a0);  // _ResetDSP@4
HostWord QOR_HOST_CALL GetDSPList(HostWord* first);  // _GetDSPList@4
HostWord QOR_HOST_CALL GetShellList(HostWord* first);  // _GetShellList@4
HostWord QOR_HOST_CALL DsiLoadShell(HostWord a0, HostWord a1, HostWord a2);  // _DsiLoadShell@12
HostWord QOR_HOST_CALL InitSADriver(void);  // _InitSADriver@0
HostWord QOR_HOST_CALL SGetXWord(HostWord a0, HostWord a1, HostWord a2);  // _SGetXWord@12
HostWord QOR_HOST_CALL SGetYWord(HostWord a0, HostWord a1, HostWord a2);  // _SGetYWord@12
HostWord QOR_HOST_CALL SGetPWord(HostWord a0, HostWord a1, HostWord a2);  // _SGetPWord@12
HostWord QOR_HOST_CALL SChangeXBits(HostWord a0, HostWord a1, HostWord a2, HostWord a3);  // _SChangeXBits@16
HostWord QOR_HOST_CALL SChangeYBits(HostWord a0, HostWord a1, HostWord a2, HostWord a3);  // _SChangeYBits@16
HostWord QOR_HOST_CALL SChangePBits(HostWord a0, HostWord a1, HostWord a2, HostWord a3);  // _SChangePBits@16
HostWord QOR_HOST_CALL SExecute(HostWord a0, HostWord a1);  // _SExecute@8
HostWord QOR_HOST_CALL SSetLeftRightBit(HostWord a0, HostWord a1);  // _SSetLeftRightBit@8
HostWord QOR_HOST_CALL SGetControlLatch(HostWord a0, HostWord a1);  // _SGetControlLatch@8
HostWord QOR_HOST_CALL SSetControlLatch(HostWord a0, HostWord a1);  // _SSetControlLatch@8
HostWord QOR_HOST_CALL SInitShell(HostWord a0);  // _SInitShell@4
HostWord QOR_HOST_CALL SStartShell(HostWord a0);  // _SStartShell@4
HostWord QOR_HOST_CALL SPauseShell(HostWord a0);  // _SPauseShell@4
HostWord QOR_HOST_CALL SResumeShell(HostWord a0);  // _SResumeShell@4
HostWord QOR_HOST_CALL SSetInputDelay(HostWord a0, HostWord a1);  // _SSetInputDelay@8
HostWord QOR_HOST_CALL SSetOutputDelay(HostWord a0, HostWord a1);  // _SSetOutputDelay@8
HostWord QOR_HOST_CALL SUpdateDSPPeripheral(HostWord a0);  // _SUpdateDSPPeripheral@4
HostWord QOR_HOST_CALL SGetDSPCodeInfo(HostWord a0, HostWord a1, HostWord a2);  // _SGetDSPCodeInfo@12
HostWord QOR_HOST_CALL DsiSendMsg(HostWord a0);  // _DsiSendMsg@4
HostWord QOR_HOST_CALL GetClientList(HostWord* first);  // _GetClientList@4
HostWord QOR_HOST_CALL GetCardList(HostWord* first);  // _GetCardList@4
HostWord QOR_HOST_CALL DsiPrintf(const char* text);  // _DsiPrintf@4

}  // extern "C"

// The entries fetched by name, in the order the plug-in binds them.
constexpr const char* kDsiNamedEntries[] = {
    "_DsiIsDSP321@8",
    "_DsiGetDSPCardIndex@8",
    "_DsiIsPresto@8",
    "_DsiIsTDM2@8",
    "_DsiGetCardTypeFromDSP@8",
    "_DsiDSPToDriverType@8",
    "_DsiGetNextDSP@8",
    "_DsiGetDSPClient@8",
    "_DsiGetDSPClientVal@8",
    "_DsiSetDSPClientVal@8",
    "_DsiGetDSPShell@8",
    "_DsiGetDSPInfoRecord@8",
    "_DsiGetDSPCoreType@8",
    "_DsiGetNextCard@8",
    "_DsiGetCardClient@8",
    "_DsiSetCardClient@8",
    "_DsiGetCardClientVal@8",
    "_DsiSetCardClientVal@8",
    "_DsiGetCardType@8",
    "_DsiGetFirstDSPOnCard@8",
    "_DsiGetNumDSPsOnCard@8",
    "_DsiIsCardTDM2@8",
    "_DsiDoHostCommand@12",
    "_DsiDoHostCommandOnEmptyHostPort@12",
    "_DsiDoHostCommandWithDataList@28",
    "_DsiWaitHostBit@16",
    "_DsiSendLo24of32@12",
    "_DsiGetLo24ofS32@12",
    "_DsiSendLo24of32Check@16",
    "_DsiGetLo24ofS32Check@16",
    "_DsiSetHostBit@12",
    "_DsiGetHostBit@12",
    "_DsiCreateShell@4",
    "_DsiDestroyShell@4",
    "_DsiGetShellClient@8",
    "_DsiGetShellClientVal@8",
    "_DsiSetShellID@8",
    "_DsiGetShellID@8",
    "_DsiSetShellIsStandard@8",
    "_DsiSetShellMaxLocation@8",
    "_DsiSetShellDSPCode@8",
    "_DsiShellDSPCodeIsNULL@8",
    "_DsiSetShellHostCodeHandler@8",
};
constexpr int kDsiNamedEntryCount = int(sizeof(kDsiNamedEntries) / sizeof(kDsiNamedEntries[0]));

using DsiProc1 = HostWord(QOR_HOST_CALL*)(HostWord);
using DsiProc2 = HostWord(QOR_HOST_CALL*)(HostWord, HostWord);
using DsiProc3 = HostWord(QOR_HOST_CALL*)(HostWord, HostWord, HostWord);
using DsiProc4 = HostWord(QOR_HOST_CALL*)(HostWord, HostWord, HostWord, HostWord);
using DsiProc7 = HostWord(QOR_HOST_CALL*)(HostWord, HostWord, HostWord, HostWord, HostWord, HostWord, HostWord);

// The host library's file name.
constexpr const char* kDspSystemLibraryName = "DSI.dll";

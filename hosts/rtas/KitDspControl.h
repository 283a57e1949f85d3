// How a test gives the stand-in DSI.dll and DSPManager.dll DSP cards, DSPs and a DSP manager, and reads what the
// plug-in did with them. The kit's own exports (plain C names). Main thread.
#pragma once

#include "hosts/rtas/KitExport.h"
#include "rtas/framework/host/HostCall.h"

#include <cstdint>

extern "C" {

// ---- DSI.dll ----

// Back to a host without cards: every card, DSP and shell freed, the driver starts (InitSADriver answers 0), shells
// load (DsiLoadShell answers 0).
QOR_KIT_EXPORT void QorKitDsiReset(void);
// A new card at the end of the card list; answers its card record (laid out as DspCardRecord).
QOR_KIT_EXPORT HostWord QorKitDsiAddCard(int32_t cardType, int32_t revision);
// A new DSP on that card at the end of the DSP list, with its own register block; answers its DSP record.
// revision is the card revision the DSP record carries; flags its flags word.
QOR_KIT_EXPORT HostWord QorKitDsiAddDsp(HostWord card, int32_t revision, uint32_t flags);
// The DSP's register block (the address its information record names).
QOR_KIT_EXPORT HostWord QorKitDsiRegisterBlock(HostWord dsp);
// What InitSADriver and DsiLoadShell answer from now on.
QOR_KIT_EXPORT void QorKitDsiSetInitResult(int32_t result);
QOR_KIT_EXPORT void QorKitDsiSetLoadShellResult(int32_t result);
// The program name SGetDSPCodeInfo reports for the DSP ("" by default); a null name makes the query fail.
QOR_KIT_EXPORT void QorKitDsiSetCodeName(HostWord dsp, const char* name);
// Words the DSP will send the plug-in through the DSI's port functions (24-bit values, sign-extended on reading).
QOR_KIT_EXPORT void QorKitDsiQueueWords(HostWord dsp, const int32_t* words, int32_t count);
// Words the plug-in sent and command vectors it issued through the DSI, in order; answer the full count and copy
// at most capacity of them.
QOR_KIT_EXPORT int32_t QorKitDsiSentWords(HostWord dsp, int32_t* words, int32_t capacity);
QOR_KIT_EXPORT int32_t QorKitDsiCommands(HostWord dsp, int32_t* vectors, int32_t capacity);
// A DSI host bit of the DSP (0 or 1), and setting one as the DSP would.
QOR_KIT_EXPORT int32_t QorKitDsiHostBit(HostWord dsp, int32_t bit);
QOR_KIT_EXPORT void QorKitDsiSetHostBit(HostWord dsp, int32_t bit, int32_t value);
// Shells made through DsiCreateShell and not destroyed.
QOR_KIT_EXPORT int32_t QorKitDsiLiveShells(void);
// The host's standard shell list (what GetShellList answers): every new DSP starts with it loaded, and loading it
// makes the DSP free again (client 0). Loading any other shell makes that shell the DSP's client and copies the
// shell's DSP code (a 32-bit byte count, then the bytes) into the DSP.
QOR_KIT_EXPORT HostWord QorKitDsiStandardShellList(void);
// What ResetDSP answers from now on (0 by default; a failing reset changes nothing).
QOR_KIT_EXPORT void QorKitDsiSetResetResult(int32_t result);
// The code bytes the DSP's last shell load brought in: answers their full count and copies at most capacity.
QOR_KIT_EXPORT int32_t QorKitDsiLoadedCode(HostWord dsp, uint8_t* bytes, int32_t capacity);

// ---- DSPManager.dll ----

// Whether GetDSPManager answers a manager, and whether that manager answers the plug-in's manager interface.
QOR_KIT_EXPORT void QorKitDspManagerOffer(int32_t offered, int32_t answersInterface);
// References held on the manager and on its interface object by anyone (0 when both are gone).
QOR_KIT_EXPORT int32_t QorKitDspManagerReferences(void);
// A DSP the manager hands out room on, with its free capacity in percent (withdrawing the offer forgets them all,
// with every registration and reservation).
QOR_KIT_EXPORT void QorKitDspManagerAddDsp(HostWord dsp, int32_t capacityPercent);
// The DSP's free capacity now; -1 for a DSP the manager does not manage.
QOR_KIT_EXPORT int32_t QorKitDspManagerFreeCapacity(HostWord dsp);
// Instances registered with the manager, and instances holding room on a DSP.
QOR_KIT_EXPORT int32_t QorKitDspManagerRegistered(void);
QOR_KIT_EXPORT int32_t QorKitDspManagerReservations(void);

}  // extern "C"

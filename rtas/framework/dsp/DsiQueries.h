// What the DSP layer asks about the host's cards, DSPs and shells, the same in both ways of asking: in DSI mode each
// wrapper calls its DSI function with the same arguments and answers that function's result; otherwise it reads or
// writes the host's record itself and answers 0. A null record answers -1 without reading anything, and an answer
// word is cleared before asking, so an unbound DSI entry never leaves it undefined. The last argument picks the way
// (default: the global choice; a DSP object passes the choice it took at attach). Main thread.
#pragma once

#include "rtas/framework/dsp/DsiEntryPoints.h"
#include "rtas/framework/host/DspSystemRecords.h"

#include <cstdint>

namespace rtas::dsp {

HostWord CopyDSPInfoRecord(HostWord dsp, DspInfoRecord* info, bool dsiMode = dsi::IsDSIMode());
HostWord GetDSPClientVal(HostWord dsp, HostWord* value, bool dsiMode = dsi::IsDSIMode());
HostWord SetDSPClientVal(HostWord dsp, HostWord value, bool dsiMode = dsi::IsDSIMode());
HostWord GetDSPClient(HostWord dsp, HostWord* client, bool dsiMode = dsi::IsDSIMode());
HostWord GetCardTypeFromDSP(HostWord dsp, HostWord* type, bool dsiMode = dsi::IsDSIMode());
// The further word of the DSP's card record; the DSI has no function for it, so it reads 0 in DSI mode.
HostWord GetCardFurtherWord(HostWord dsp, HostWord* word, bool dsiMode = dsi::IsDSIMode());
HostWord GetNextDSP(HostWord dsp, HostWord* next, bool dsiMode = dsi::IsDSIMode());
HostWord GetDSPShell(HostWord dsp, HostWord* shell, bool dsiMode = dsi::IsDSIMode());
// The flags word of the DSP record.
HostWord GetDSPCoreType(HostWord dsp, HostWord* coreType, bool dsiMode = dsi::IsDSIMode());
HostWord IsDSP321(HostWord dsp, bool* is321, bool dsiMode = dsi::IsDSIMode());
HostWord IsPresto(HostWord dsp, bool* isPresto, bool dsiMode = dsi::IsDSIMode());
HostWord IsTDM2(HostWord dsp, bool* isTDM2, bool dsiMode = dsi::IsDSIMode());
// -1 in *driverType for a card type without a driver.
HostWord DSPToDriverType(HostWord dsp, HostWord* driverType, bool dsiMode = dsi::IsDSIMode());

// A new shell for the DSP (a 286-byte record of ours outside DSI mode), and its end. Destroy a shell the same way it
// was made.
HostWord CreateShell(HostWord dsp, HostWord* shell, bool dsiMode = dsi::IsDSIMode());
HostWord DestroyShell(HostWord shell, bool dsiMode = dsi::IsDSIMode());
HostWord SetShellID(HostWord shell, HostWord identifier, bool dsiMode = dsi::IsDSIMode());
HostWord SetShellIsStandard(HostWord shell, bool standard, bool dsiMode = dsi::IsDSIMode());
HostWord SetShellMaxLocation(HostWord shell, HostWord location, bool dsiMode = dsi::IsDSIMode());
HostWord SetShellDSPCode(HostWord shell, HostWord code, bool dsiMode = dsi::IsDSIMode());
HostWord SetShellHostCodeHandler(HostWord shell, HostWord handler, bool dsiMode = dsi::IsDSIMode());
HostWord ShellDSPCodeIsNULL(HostWord shell, bool* isNull, bool dsiMode = dsi::IsDSIMode());

// The rules outside DSI mode, from a card type and revision.
bool IsPrestoCard(int32_t cardType, int32_t revision);
bool IsTDM2Card(int32_t cardType);
int32_t DriverTypeOfCard(int32_t cardType);
bool IsOnyxCardType(int32_t cardType);
bool IsProcessCardType(int32_t cardType);

// Starts the host's stand-alone driver (a failure is raised as CDAEError) and answers whether a card of that type is
// present; type 29 means any DSP on a TDM2 card.
bool HasCardOfType(int16_t cardType);
bool HasTDM2DSP();
bool Has321DSP();

}  // namespace rtas::dsp

// The host-code handler of the library's DSP shells: the DSI asks it for the routine of a selector (256 to 273) and
// calls that routine with the DSP's client record (the DSP record) and up to three words. Each routine finds the
// chip object registered as the DSP's client value and calls one of its shell operations. Called by the DSI on the
// host's thread; routines 256 to 261 take the plug-in group's context lock when a group exists.
#pragma once

#include "rtas/framework/host/HostCall.h"

using DSPClientRoutine = HostWord(QOR_HOST_CALL*)(HostWord clientRecord, HostWord a, HostWord b, HostWord c);

// The routine of a selector, or 0 for any other selector.
extern "C" HostWord QOR_HOST_CALL DSPClientEntry(HostWord selector);

namespace rtas::dsp {

// The three helpers on a client record's chip object; without a record or a live object they do nothing (0).
void ClientHostCommand(HostWord clientRecord, int32_t vector);
int32_t ClientReceiveWord(HostWord clientRecord);
void ClientSendWord(HostWord clientRecord, int32_t word);

}  // namespace rtas::dsp

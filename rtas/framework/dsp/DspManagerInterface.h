// The host's DSP manager interface, asked of DSPManager.dll once and kept for the module's life. The kept pointer
// holds a reference of its own, released at module teardown, so it cannot outlive the manager behind it. Main
// thread, under the group's context lock.
#pragma once

namespace rtas::dsp {

// The kept interface; while none is kept, each call asks the host again. Null when the host has no manager or the
// manager does not offer the interface.
void* GetDSPManagerInterface();
// Releases the kept interface and forgets it (module teardown); the next call asks the host again.
void ReleaseDSPManagerInterface();

}  // namespace rtas::dsp

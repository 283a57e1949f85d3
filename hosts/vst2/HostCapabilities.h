// What this host claims it can do when an effect asks (host opcode 37).
#pragma once

namespace vst2host {

// True only for exact, case-sensitive matches of the host's capability table. A null text is no capability.
bool hostCanDo(const char* capability);

}  // namespace vst2host

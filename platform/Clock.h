// Millisecond tick count and sleeping, as the editor's idle pacing uses them.
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since an arbitrary start; wraps like the Windows tick count.
uint32_t tickCount();
void sleepMs(uint32_t ms);

}  // namespace platform

#include "platform/Clock.h"

#include <windows.h>

namespace platform {

uint32_t tickCount() { return GetTickCount(); }

void sleepMs(uint32_t ms) { Sleep(ms); }

}  // namespace platform

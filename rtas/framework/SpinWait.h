// Busy-waits n units of the host's free-running counter; never sleeps. Used between commands to DSP hardware.
#pragma once

#include <cstdint>

namespace rtas {

void SpinWait(uint32_t n);

}  // namespace rtas

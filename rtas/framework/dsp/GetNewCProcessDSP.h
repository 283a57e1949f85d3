// Picks the chip class of a DSP from its card: card type 18 a process DSP, 21 an Onyx chip, a Presto card a Presto
// chip, a 321 DSP a 321 chip. Any other card throws std::runtime_error "unrecognized card type in
// GetNewCProcessDSP()". The new, unattached object is the caller's. Main thread.
#pragma once

#include "rtas/framework/dsp/CProcessDSP.h"

CProcessDSP* GetNewCProcessDSP(HostWord dsp);

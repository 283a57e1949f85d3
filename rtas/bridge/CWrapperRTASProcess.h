// The real-time instance: renders each host buffer in blocks of the host's quantum, the effect running whether
// bypassed or not, so that switching the bypass never interrupts its state.
#pragma once

#include "rtas/bridge/CWrapperProcess.h"

class CWrapperRTASProcess : public CWrapperProcess
{
public:
    using CWrapperProcess::CWrapperProcess;

    // Main thread, under the context lock.
    int32_t SetViewPort(OpaqueGrafPtr port) override;
    // Audio thread: the dry input, delayed by the latency, to the outputs without calling the effect.
    void PassThrough();

protected:
    // Audio thread (the engine's render callback through the adaptor plug-in).
    int32_t Render(bool bypassed) override;
};

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

private:
    // The host buffer in blocks of the quantum: the rings always, the effect when asked; bypassed, the outputs get
    // the delayed dry input.
    int32_t RenderBlocks(bool bypassed, bool runEffect);
};

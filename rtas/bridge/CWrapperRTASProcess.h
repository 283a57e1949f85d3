// The real-time instance: renders each host buffer in blocks of the host's quantum, the effect running whether
// bypassed or not, so that switching the bypass never interrupts its state.
#pragma once

#include "rtas/bridge/CWrapperProcess.h"

class CWrapperRTASProcess : public CWrapperProcess
{
public:
    using CWrapperProcess::CWrapperProcess;
    // Main thread. Stops the render and withdraws the engine's road to it before any part of the instance goes.
    ~CWrapperRTASProcess() override;

    // Main thread, under the context lock.
    int32_t SetViewPort(OpaqueGrafPtr port) override;
    // Audio thread: the dry input, delayed by the latency, to the outputs without calling the effect; answers the
    // samples it gave.
    int32_t PassThrough();

protected:
    // Audio thread (the engine's render callback through the adaptor plug-in). Without an effect it is the
    // pass-through.
    int32_t Render(bool bypassed) override;
    // Audio thread: the library's pass-through request (routine 104) runs the pass-through.
    int32_t AnswerBeforeRender(bool bypassed) override;

private:
    // The host buffer in blocks of the quantum: the rings always, the effect when asked; bypassed, the outputs get
    // the delayed dry input. The caller holds the render gate.
    int32_t RenderBlocks(bool bypassed, bool runEffect);
};

// The AudioSuite (offline) instance. The host renders a file in buffers: the first render after a connection reset
// primes the effect with its latency's worth of input and reports no output; from then on the host asks for its
// input one latency ahead of the output (routine 103), so the output lines up with the input sample for sample.
#pragma once

#include "rtas/bridge/CWrapperProcess.h"

class CWrapperASPProcess : public CWrapperProcess
{
public:
    explicit CWrapperASPProcess(const char* effectFileName = kEffectLibraryName);
    // Main thread. Stops the render before any part of the instance goes.
    ~CWrapperASPProcess() override;

    bool IsAudioSuiteInstance() const override { return true; }

    // Main thread, under the context lock. A connection reset: priming starts again.
    int32_t PropagateConnectionInfo(HostWord record) override;
    // Main thread, under the context lock. The input position for an output position: record points to two 32-bit
    // words {input connection number (1-based), position}; the position gets the offset added when that input
    // connection exists.
    int32_t Routine103(HostWord record) override;

    int32_t GetPositionOffset() const { return fPositionOffset; }
    bool IsPriming() const { return fPriming; }

protected:
    // Main thread (the host's offline render).
    int32_t Render(bool bypassed) override;

private:
    int32_t fPositionOffset = 0;
    bool fPriming = false;
};

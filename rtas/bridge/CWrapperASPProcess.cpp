#include "rtas/bridge/CWrapperASPProcess.h"

#include "rtas/framework/ResultCodes.h"

#include <algorithm>

CWrapperASPProcess::CWrapperASPProcess(const char* effectFileName)
    : CWrapperProcess(effectFileName), fPriming(fLatency >= 1)
{
}

CWrapperASPProcess::~CWrapperASPProcess() { Shutdown(); }

int32_t CWrapperASPProcess::PropagateConnectionInfo(HostWord record)
{
    fPositionOffset = 0;
    fPriming = fLatency > 0;
    return CWrapperProcess::PropagateConnectionInfo(record);
}

int32_t CWrapperASPProcess::Routine103(HostWord record)
{
    auto* words = reinterpret_cast<int32_t*>(record);
    if (words == nullptr)
        return rtas::kMissingObject;
    if (GetInputConnection(words[0] - 1) != nullptr)
        words[1] += fPositionOffset;
    return 0;
}

int32_t CWrapperASPProcess::Render(bool bypassed)
{
    RenderGateEntry entry(fGate);
    if (!entry.Entered())
        return RenderStopped();
    const Buffers buffers = GatherBuffers();
    int32_t produced = buffers.samples;
    if (!HasEffect() || bypassed) {
        CopyInputsToOutputs(buffers);
    } else {
        // Priming takes the latency's worth of input, however short the first buffer is: what it lacks comes with
        // the next buffer, still reported as no output.
        const int32_t count = fPriming ? std::min(fLatency - fPositionOffset, buffers.samples) : buffers.samples;
        for (int32_t from = 0; from < count; from += fQuantum) {
            const int32_t block = std::min(fQuantum, count - from);
            CopyToRows(buffers, from, block);
            ProcessRows(buffers, block);
            CopyFromRows(buffers, from, block);
        }
        if (fPriming) {
            fPositionOffset += count;
            fPriming = fPositionOffset < fLatency;
            produced = 0;
        } else {
            produced = count;
        }
    }
    SettleCounts(produced);
    return produced;
}

#include "rtas/bridge/CWrapperRTASProcess.h"

#include <algorithm>
#include <cstdio>

int32_t CWrapperRTASProcess::SetViewPort(OpaqueGrafPtr port)
{
    std::fprintf(stderr, "CWrapperRTASProcess::SetViewPort\n");
    return CWrapperProcess::SetViewPort(port);
}

int32_t CWrapperRTASProcess::Render(bool bypassed)
{
    fProcessing.store(1, std::memory_order_release);
    const Buffers buffers = GatherBuffers();
    for (int32_t from = 0; from < buffers.samples; from += fQuantum) {
        const int32_t count = std::min(fQuantum, buffers.samples - from);
        CopyToRows(buffers, from, count);
        DelayThroughRings(buffers, from, count, bypassed);
        if (fWrapper) {
            ProcessRows(buffers, count);
            if (!bypassed)
                CopyFromRows(buffers, from, count);
        }
    }
    SettleCounts(buffers.samples);
    fProcessing.store(0, std::memory_order_release);
    return buffers.samples;
}

void CWrapperRTASProcess::PassThrough()
{
    fProcessing.store(1, std::memory_order_release);
    const Buffers buffers = GatherBuffers();
    for (int32_t from = 0; from < buffers.samples; from += fQuantum) {
        const int32_t count = std::min(fQuantum, buffers.samples - from);
        CopyToRows(buffers, from, count);
        DelayThroughRings(buffers, from, count, true);
    }
    SettleCounts(buffers.samples);
    fProcessing.store(0, std::memory_order_release);
}

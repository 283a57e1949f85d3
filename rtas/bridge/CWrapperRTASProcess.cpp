#include "rtas/bridge/CWrapperRTASProcess.h"

#include <algorithm>
#include <cstdio>

CWrapperRTASProcess::~CWrapperRTASProcess() { Shutdown(); }

int32_t CWrapperRTASProcess::SetViewPort(OpaqueGrafPtr port)
{
    std::fprintf(stderr, "CWrapperRTASProcess::SetViewPort\n");
    return CWrapperProcess::SetViewPort(port);
}

int32_t CWrapperRTASProcess::Render(bool bypassed)
{
    RenderGateEntry entry(fGate);
    if (!entry.Entered())
        return RenderStopped();
    // An instance whose effect did not load passes its input (its latency is 0).
    return HasEffect() ? RenderBlocks(bypassed, true) : RenderBlocks(true, false);
}

int32_t CWrapperRTASProcess::AnswerBeforeRender(bool) { return PassThrough(); }

int32_t CWrapperRTASProcess::PassThrough()
{
    RenderGateEntry entry(fGate);
    if (!entry.Entered())
        return RenderStopped();
    return RenderBlocks(true, false);
}

int32_t CWrapperRTASProcess::RenderBlocks(bool bypassed, bool runEffect)
{
    const Buffers buffers = GatherBuffers();
    for (int32_t from = 0; from < buffers.samples; from += fQuantum) {
        const int32_t count = std::min(fQuantum, buffers.samples - from);
        CopyToRows(buffers, from, count);
        DelayThroughRings(buffers, from, count, bypassed);
        if (runEffect) {
            ProcessRows(buffers, count);
            if (!bypassed)
                CopyFromRows(buffers, from, count);
        }
    }
    SettleCounts(buffers.samples);
    return buffers.samples;
}

// A worker: one render callback of a plug-in object, with the data blocks and ports it works on, as the host's
// engine learns them from the worker's record. Made and described on a host thread inside the group's context lock;
// the engine calls the callback on its audio thread.
#pragma once

#include "rtas/framework/CObjectList.h"
#include "rtas/framework/host/HostCall.h"

#include <cstddef>
#include <cstdint>

class CPlugIn;

// The engine's render context, of which the render callbacks read three words.
struct SRenderContext
{
    int32_t hostWords[3];
    float* buffer;  // where outputs point when the plug-in did not render
    int32_t moreHostWords[17];
    int32_t value;    // handed to a variable-layout render
    int32_t quantum;  // samples in this call when the plug-in runs at the host's quantum
};
#if defined(__i386__)
static_assert(offsetof(SRenderContext, buffer) == 12, "buffer pointer at byte 12");
static_assert(offsetof(SRenderContext, value) == 84, "render value at byte 84");
static_assert(offsetof(SRenderContext, quantum) == 88, "current quantum at byte 88");
#endif

// Called by the engine once per block with the worker's block (word 2: the data block's shared block; words 3 on:
// the addresses of the host's buffer-pointer slots) and the render context. Answers 0 when the plug-in rendered,
// else the number of outputs it pointed at the context's buffer.
using RenderCallback = int32_t(QOR_HOST_CALL*)(HostWord* workerBlock, SRenderContext* context);

class CPlugInWorker
{
public:
    // Registers with the host (kind 7) and enters the owner's worker list. name: kept as a pointer, the text is the
    // caller's.
    CPlugInWorker(CPlugIn* owner, RenderCallback callback, const char* name);
    virtual ~CPlugInWorker();
    CPlugInWorker(const CPlugInWorker&) = delete;
    CPlugInWorker& operator=(const CPlugInWorker&) = delete;

    // Hands the record {1, callback, 4, data list, input list, output list, fourth list, name, flags} to the host.
    virtual int32_t Describe();

    CObjectList& DataList() { return fData; }
    CObjectList& InputList() { return fInputs; }
    CObjectList& OutputList() { return fOutputs; }
    CObjectList& FourthList() { return fFourth; }
    void SetCallback(RenderCallback callback) { fCallback = callback; }
    RenderCallback GetCallback() const { return fCallback; }

private:
    CObjectList fData;
    CObjectList fInputs;
    CObjectList fOutputs;
    CObjectList fFourth;
    CPlugIn* fOwner;
    RenderCallback fCallback;
    const char* fName;
    int32_t fFlags = 0;
};

// The plug-in object through which the host's real-time engine renders one instance: it describes the instance's
// input and output ports, its worker (the render callback) and its data block to the host's object registry, and
// the callback points the instance's connection records at the host's buffers and runs the instance's render.
//
// Made by the instance's real-time set-up right after the type created the instance, which then stores it and
// calls PublishPlugIn; deleted with the instance. Construction, publishing and deletion run on a host thread inside
// the group's context lock; the render callbacks run on the audio thread (AdaptorRenderCallbacks.h).
#pragma once

#include "rtas/framework/AudioSuiteSupport.h"
#include "rtas/framework/CPlugIn.h"
#include "rtas/framework/CPlugInWorker.h"
#include "rtas/framework/S_RTASP_CustomDataAdmin.h"

#include <cstdint>

class CProcess;
class CProcessType;

class CAdaptorPlugIn : public CPlugIn
{
public:
    static constexpr int32_t kMaxNameLength = 64;

    // identity: manufacturer, product and type IDs, the type's group word and the instance index.
    // type: the real-time type that made the instance (its name and gestalts shape the ports; null throws -9060).
    // process: the instance the callbacks render. inputSlots, outputSlots: the instance's two arrays of 48
    // connection-record pointers. inputCount, outputCount: the instance's audio inputs and outputs.
    // callback: a render callback of the caller's; null takes the standard one (or the variable-layout one when the
    // type answers gestalt 38).
    // Throws CDAEError (-9060, -9006), std::bad_alloc or the 16-bit value -1; Create turns them into codes.
    CAdaptorPlugIn(const SPlugInIdentity& identity, CProcessType* type, CProcess* process,
                   rtas::SConnectionRecord** inputSlots, rtas::SConnectionRecord** outputSlots, int32_t inputCount,
                   int32_t outputCount, RenderCallback callback = nullptr);
    // Deletes the ports, empties the worker's lists, publishes once more, then lets the data block and the worker go.
    ~CAdaptorPlugIn() override;

    // Makes the adaptor and answers 0, -9006 when memory runs out, or the code that construction threw. It does not
    // publish: the caller stores the adaptor first, then calls PublishPlugIn.
    static int32_t Create(const SPlugInIdentity& identity, CProcessType* type, CProcess* process,
                          rtas::SConnectionRecord** inputSlots, rtas::SConnectionRecord** outputSlots,
                          int32_t inputCount, int32_t outputCount, CAdaptorPlugIn** adaptor,
                          RenderCallback callback = nullptr);

    CPlugInWorker& Worker() { return fWorker; }
    S_RTASP_CustomDataAdmin& DataBlock() { return fData; }
    int32_t CountInputPorts() const { return fInputPorts; }
    int32_t CountAudioOutputs() const { return fOutputCount; }
    const char* GetName() const { return fName; }

private:
    void DeletePorts();

    char fName[kMaxNameLength + 1] = {0};
    CPlugInWorker fWorker;
    S_RTASP_CustomDataAdmin fData;
    int16_t fInputPorts = 0;
    int16_t fOutputCount = 0;
};

// The host controller of one instance as the library sees it: sample rate, stem formats, latency and the posting of
// data packets, and the host's further operations, which the library only passes through (HostOperationN is the
// host's operation N; this plug-in calls none of them). AAX_VController is the proxy of the host's; the operations
// other than PostPacket have bodies that answer like a proxy without the host's interfaces, so small stand-ins need
// only what they use.
#pragma once

#include <cstdint>

#include "aax/library/AAX_Types.h"

class AAX_IController
{
public:
    virtual ~AAX_IController() = default;
    virtual AAX_Result HostOperation3(void* a) { return AAX_ERROR_NULL_OBJECT; }
    virtual AAX_Result QuerySampleRate(float* rate) const { return AAX_ERROR_NULL_OBJECT; }
    virtual AAX_Result QueryInputStem(uint32_t* stem) const { return AAX_ERROR_NULL_OBJECT; }
    virtual AAX_Result QueryOutputStem(uint32_t* stem) const { return AAX_ERROR_NULL_OBJECT; }
    virtual AAX_Result HostOperation7(void* a) { return AAX_ERROR_NULL_OBJECT; }
    virtual AAX_Result HostOperation8(void* a) { return AAX_ERROR_NULL_OBJECT; }
    virtual AAX_Result HostOperation9(void* a) { return AAX_ERROR_NULL_OBJECT; }
    virtual AAX_Result ReportLatency(int32_t samples) { return AAX_ERROR_NULL_OBJECT; }
    virtual AAX_Result HostOperation11(void* a) { return AAX_ERROR_NULL_OBJECT; }
    // Hands a data packet of the component's data port to the host's audio side.
    virtual AAX_Result PostPacket(AAX_CFieldIndex port, const void* data, uint32_t size) = 0;
    virtual AAX_Result HostOperation20(void* a) { return AAX_ERROR_UNIMPLEMENTED; }
    virtual AAX_Result HostOperation13(void* a) { return AAX_ERROR_NULL_OBJECT; }
    virtual AAX_Result HostOperation14(void* a) { return AAX_ERROR_NULL_OBJECT; }
    virtual AAX_Result HostOperation15(void* a) { return AAX_ERROR_NULL_OBJECT; }
    virtual AAX_Result HostOperation18(void* a) { return AAX_ERROR_NULL_OBJECT; }
    virtual AAX_Result HostOperation16(void* a) { return AAX_ERROR_NULL_OBJECT; }
    virtual AAX_Result HostOperation17(void* a) { return AAX_ERROR_NULL_OBJECT; }
    virtual AAX_Result HostOperation19(void* a) { return AAX_ERROR_NULL_OBJECT; }
    virtual AAX_Result HostOperation21(void* a) { return AAX_ERROR_UNIMPLEMENTED; }
    // Answers an interface pointer through out; without the host's interface a null one.
    virtual AAX_Result HostOperation22(void** out)
    {
        if (out != nullptr)
            *out = nullptr;
        return AAX_ERROR_UNIMPLEMENTED;
    }
    virtual AAX_Result HostOperation23(void* a) { return AAX_ERROR_UNIMPLEMENTED; }
};

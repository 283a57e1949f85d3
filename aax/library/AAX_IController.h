// The host controller of one instance as the library sees it: sample rate, stem formats, latency and the posting of
// data packets. AAX_VController is the proxy of the host's; the operations other than PostPacket have bodies that
// answer like a proxy without the host's interface, so small stand-ins need only what they use.
#pragma once

#include <cstdint>

#include "aax/library/AAX_Types.h"

class AAX_IController
{
public:
    virtual ~AAX_IController() = default;
    virtual AAX_Result QuerySampleRate(float* rate) const { return AAX_ERROR_NULL_OBJECT; }
    virtual AAX_Result QueryInputStem(uint32_t* stem) const { return AAX_ERROR_NULL_OBJECT; }
    virtual AAX_Result QueryOutputStem(uint32_t* stem) const { return AAX_ERROR_NULL_OBJECT; }
    virtual AAX_Result ReportLatency(int32_t samples) { return AAX_ERROR_NULL_OBJECT; }
    // Hands a data packet of the component's data port to the host's audio side.
    virtual AAX_Result PostPacket(AAX_CFieldIndex port, const void* data, uint32_t size) = 0;
};

#include "aax/library/AAX_VTransport.h"

#include "aax/library/HostInterface.h"

AAX_VTransport::AAX_VTransport(void* hostContext)
{
    hostref::query(hostContext, acf::kIidTransport, &transport_);
    hostref::query(hostContext, acf::kIidTransport2, &transport2_);
}

AAX_VTransport::~AAX_VTransport()
{
    hostref::release(transport2_);
    hostref::release(transport_);
}

AAX_Result AAX_VTransport::QueryTempo(double* beatsPerMinute) const
{
    return transport_ ? table().getTempo(transport_, beatsPerMinute) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::QueryMeter(int32_t* numerator, int32_t* denominator) const
{
    return transport_ ? table().getMeter(transport_, numerator, denominator) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::QueryPlaying(bool* playing) const
{
    if (transport_ == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    acf::Bool32 answer = 0;
    const AAX_Result result = table().isPlaying(transport_, &answer);
    *playing = answer != 0;
    return result;
}

AAX_Result AAX_VTransport::QueryTickPosition(int64_t* ticks) const
{
    return transport_ ? table().getTickPosition(transport_, ticks) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::QueryLoop(bool* looping, int64_t* startTick, int64_t* endTick) const
{
    if (transport_ == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    acf::Bool32 answer = 0;
    const AAX_Result result = table().getLoop(transport_, &answer, startTick, endTick);
    *looping = answer != 0;
    return result;
}

AAX_Result AAX_VTransport::QuerySamplePosition(int64_t* sample) const
{
    return transport_ ? table().getSamplePosition(transport_, sample) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::QuerySelectionStart(int64_t* sample) const
{
    return transport2_ ? table2().getSelectionStart(transport2_, sample) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VTransport::QueryFrameRate(int32_t* rateCode, int64_t* offset) const
{
    return transport2_ ? table2().getFrameRate(transport2_, rateCode, offset) : AAX_ERROR_UNIMPLEMENTED;
}

QOR_HOST_PASS_THROUGH(AAX_VTransport, TransportTable, 9, transport_, AAX_ERROR_NULL_OBJECT)

AAX_Result AAX_VTransport::HostOperation10(void* a, void* b, void* c, void* d, void* e)
{
    return hostref::pass(transport_, &acf::TransportTable::operation10, AAX_ERROR_NULL_OBJECT, a, b, c, d, e);
}

QOR_HOST_PASS_THROUGH(AAX_VTransport, TransportTable, 11, transport_, AAX_ERROR_NULL_OBJECT)

QOR_HOST_PASS_THROUGH(AAX_VTransport, TransportTable, 12, transport_, AAX_ERROR_NULL_OBJECT)

QOR_HOST_PASS_THROUGH(AAX_VTransport, TransportTable, 15, transport2_, AAX_ERROR_UNIMPLEMENTED)

QOR_HOST_PASS_THROUGH(AAX_VTransport, TransportTable, 16, transport2_, AAX_ERROR_UNIMPLEMENTED)

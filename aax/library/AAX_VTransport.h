// The host's transport: tempo, meter, play state and positions (for the play head the processor is given), and the
// host's further operations, which the library only passes through (HostOperationN is the host's operation N).
// Queried from a host context.
#pragma once

#include <cstdint>

#include "aax/library/AAX_Types.h"
#include "hosts/aax/AcfTables.h"

class AAX_ITransport
{
public:
    virtual ~AAX_ITransport() = default;
    virtual AAX_Result QueryTempo(double* beatsPerMinute) const = 0;
    virtual AAX_Result QueryMeter(int32_t* numerator, int32_t* denominator) const = 0;
    virtual AAX_Result QueryPlaying(bool* playing) const = 0;
    virtual AAX_Result QueryTickPosition(int64_t* ticks) const = 0;
    virtual AAX_Result QueryLoop(bool* looping, int64_t* startTick, int64_t* endTick) const = 0;
    virtual AAX_Result QuerySamplePosition(int64_t* sample) const = 0;
    virtual AAX_Result HostOperation9(void* a) = 0;
    virtual AAX_Result HostOperation10(void* a, void* b, void* c, void* d, void* e) = 0;
    virtual AAX_Result HostOperation11(void* a) = 0;
    virtual AAX_Result HostOperation12(void* a) = 0;
    virtual AAX_Result QuerySelectionStart(int64_t* sample) const = 0;
    virtual AAX_Result QueryFrameRate(int32_t* rateCode, int64_t* offset) const = 0;
    virtual AAX_Result HostOperation15(void* a) = 0;
    virtual AAX_Result HostOperation16(void* a) = 0;
};

class AAX_VTransport final : public AAX_ITransport
{
public:
    explicit AAX_VTransport(void* hostContext);
    ~AAX_VTransport() override;
    AAX_VTransport(const AAX_VTransport&) = delete;
    AAX_VTransport& operator=(const AAX_VTransport&) = delete;

    // Any thread that asks the play head.
    AAX_Result QueryTempo(double* beatsPerMinute) const override;
    AAX_Result QueryMeter(int32_t* numerator, int32_t* denominator) const override;
    AAX_Result QueryPlaying(bool* playing) const override;
    AAX_Result QueryTickPosition(int64_t* ticks) const override;
    AAX_Result QueryLoop(bool* looping, int64_t* startTick, int64_t* endTick) const override;
    AAX_Result QuerySamplePosition(int64_t* sample) const override;
    // Pass-through operations, any thread, no lock; -20004 without the host's interface.
    AAX_Result HostOperation9(void* a) override;
    AAX_Result HostOperation10(void* a, void* b, void* c, void* d, void* e) override;
    AAX_Result HostOperation11(void* a) override;
    AAX_Result HostOperation12(void* a) override;
    // On the second interface: -20009 without it.
    AAX_Result QuerySelectionStart(int64_t* sample) const override;
    AAX_Result QueryFrameRate(int32_t* rateCode, int64_t* offset) const override;
    AAX_Result HostOperation15(void* a) override;
    AAX_Result HostOperation16(void* a) override;

private:
    const acf::TransportTable& table() const { return acf::tableOf<acf::TransportTable>(transport_); }
    const acf::TransportTable& table2() const { return acf::tableOf<acf::TransportTable>(transport2_); }

    void* transport_ = nullptr;
    void* transport2_ = nullptr;
};

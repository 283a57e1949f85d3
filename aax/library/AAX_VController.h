// The host's controller of one instance: sample rate, stem formats, latency and the posting of data packets.
// Queried from the instance's host context; -20004 from every operation without the host's interface, -20009 from
// those of its second interface without that one.
#pragma once

#include <cstdint>

#include "aax/library/AAX_IController.h"
#include "aax/library/AAX_Types.h"

class AAX_VController final : public AAX_IController
{
public:
    explicit AAX_VController(void* hostContext);
    ~AAX_VController() override;
    AAX_VController(const AAX_VController&) = delete;
    AAX_VController& operator=(const AAX_VController&) = delete;

    // Host main thread (set-up), or any thread that sends packets (under the dispatcher's lock). The pass-through
    // operations: whichever thread calls them, no lock.
    AAX_Result HostOperation3(void* a) override;
    AAX_Result QuerySampleRate(float* rate) const override;
    AAX_Result QueryInputStem(uint32_t* stem) const override;
    AAX_Result QueryOutputStem(uint32_t* stem) const override;
    AAX_Result HostOperation7(void* a) override;
    AAX_Result HostOperation8(void* a) override;
    AAX_Result HostOperation9(void* a) override;
    AAX_Result ReportLatency(int32_t samples) override;
    AAX_Result HostOperation11(void* a) override;
    AAX_Result PostPacket(AAX_CFieldIndex port, const void* data, uint32_t size) override;
    AAX_Result HostOperation20(void* a) override;
    AAX_Result HostOperation13(void* a) override;
    AAX_Result HostOperation14(void* a) override;
    AAX_Result HostOperation15(void* a) override;
    AAX_Result HostOperation18(void* a) override;
    AAX_Result HostOperation16(void* a) override;
    AAX_Result HostOperation17(void* a) override;
    AAX_Result HostOperation19(void* a) override;
    AAX_Result HostOperation21(void* a) override;
    AAX_Result HostOperation22(void** out) override;
    AAX_Result HostOperation23(void* a) override;

private:
    void* controller_ = nullptr;
    void* controller2_ = nullptr;
};

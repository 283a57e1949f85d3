// The host's services of the whole plug-in file (its log), and the one process-wide proxy of them that ACFStartup
// makes and ACFShutdown deletes.
#pragma once

#include <cstdint>

#include "aax/library/AAX_Types.h"

class AAX_IHostServices
{
public:
    virtual ~AAX_IHostServices() = default;
    // The host's operation 3, which the library only passes through.
    virtual AAX_Result HostOperation3(void* a) = 0;
    virtual AAX_Result Log(int32_t level, const char* text) = 0;
};

class AAX_VHostServices final : public AAX_IHostServices
{
public:
    explicit AAX_VHostServices(void* hostUnknown);
    ~AAX_VHostServices() override;
    AAX_VHostServices(const AAX_VHostServices&) = delete;
    AAX_VHostServices& operator=(const AAX_VHostServices&) = delete;

    // Any thread. -20004 without the host's interface.
    AAX_Result HostOperation3(void* a) override;
    AAX_Result Log(int32_t level, const char* text) override;

    // The process-wide instance (null outside ACFStartup .. ACFShutdown). Created and deleted by those exports only,
    // on the host's main thread, under the global lock that AAX_Log shares. The pointer Global answers is only
    // safe to use on the thread that runs ACFStartup and ACFShutdown; other threads log through AAX_Log.
    static AAX_VHostServices* Global();
    static void CreateGlobal(void* hostUnknown);  // keeps an existing one
    static void DeleteGlobal();

private:
    void* services_ = nullptr;
};

// Level of error lines in the host's log.
constexpr int32_t kAAXLogError = 0x08000000;

// Any thread. Formats into a 512-byte buffer (cut beyond) and hands the text to the global host services, holding
// the global lock shared so that ACFShutdown cannot delete them meanwhile; without them nothing is sent and the
// answer is 0.
AAX_Result AAX_Log(int32_t level, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

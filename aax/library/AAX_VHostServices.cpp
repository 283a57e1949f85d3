#include "aax/library/AAX_VHostServices.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <shared_mutex>

#include "aax/library/HostInterface.h"

namespace {

// The global proxy and the lock that keeps it alive while a log line goes through it: loggers share the lock,
// ACFStartup and ACFShutdown take it alone to make or delete the proxy.
std::shared_mutex gHostServicesLock;
AAX_VHostServices* gHostServices = nullptr;

}  // namespace

AAX_VHostServices::AAX_VHostServices(void* hostUnknown)
{
    hostref::create(hostUnknown, acf::kClsHostServices, acf::kIidHostServices, &services_);
}

AAX_VHostServices::~AAX_VHostServices()
{
    hostref::release(services_);
}

QOR_HOST_PASS_THROUGH(AAX_VHostServices, HostServicesTable, 3, services_, AAX_ERROR_NULL_OBJECT)

AAX_Result AAX_VHostServices::Log(int32_t level, const char* text)
{
    if (services_ == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return acf::tableOf<acf::HostServicesTable>(services_).log(services_, level, text);
}

AAX_VHostServices* AAX_VHostServices::Global()
{
    std::shared_lock<std::shared_mutex> lock(gHostServicesLock);
    return gHostServices;
}

void AAX_VHostServices::CreateGlobal(void* hostUnknown)
{
    std::unique_lock<std::shared_mutex> lock(gHostServicesLock);
    if (gHostServices == nullptr)
        gHostServices = new AAX_VHostServices(hostUnknown);
}

void AAX_VHostServices::DeleteGlobal()
{
    AAX_VHostServices* services = nullptr;
    {
        std::unique_lock<std::shared_mutex> lock(gHostServicesLock);
        services = gHostServices;
        gHostServices = nullptr;
    }
    // No logger holds it any more: each one used it under the shared lock, which the exchange above waited for.
    delete services;
}

AAX_Result AAX_Log(int32_t level, const char* format, ...)
{
    char text[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    std::shared_lock<std::shared_mutex> lock(gHostServicesLock);
    if (gHostServices == nullptr)
        return AAX_SUCCESS;
    return gHostServices->Log(level, text);
}

#include "aax/library/AAX_VHostServices.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>

#include "aax/library/HostInterface.h"

namespace {

std::atomic<AAX_VHostServices*> gHostServices{nullptr};

}  // namespace

AAX_VHostServices::AAX_VHostServices(void* hostUnknown)
{
    hostref::create(hostUnknown, acf::kClsHostServices, acf::kIidHostServices, &services_);
}

AAX_VHostServices::~AAX_VHostServices()
{
    hostref::release(services_);
}

AAX_Result AAX_VHostServices::Log(int32_t level, const char* text)
{
    if (services_ == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return acf::tableOf<acf::HostServicesTable>(services_).log(services_, level, text);
}

AAX_VHostServices* AAX_VHostServices::Global()
{
    return gHostServices.load();
}

void AAX_VHostServices::CreateGlobal(void* hostUnknown)
{
    if (gHostServices.load() == nullptr)
        gHostServices.store(new AAX_VHostServices(hostUnknown));
}

void AAX_VHostServices::DeleteGlobal()
{
    delete gHostServices.exchange(nullptr);
}

AAX_Result AAX_Log(int32_t level, const char* format, ...)
{
    AAX_VHostServices* services = AAX_VHostServices::Global();
    if (services == nullptr)
        return AAX_SUCCESS;
    char text[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return services->Log(level, text);
}

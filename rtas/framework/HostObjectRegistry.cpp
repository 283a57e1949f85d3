#include "rtas/framework/HostObjectRegistry.h"

#include "rtas/framework/ModuleState.h"

namespace rtas {
namespace {

FicObjectRegistry* gRegistry = nullptr;
bool gAsked = false;

}  // namespace

FicObjectRegistry* GetHostObjectRegistry()
{
    if (gAsked)
        return gRegistry;
    HostComponentCallback callback = GetHostCallback();
    if (callback == nullptr)
        return nullptr;
    gAsked = true;
    ComponentRecord record{};
    if (callback(kHostRequestObjectRegistry, &record, nullptr) == 0)
        gRegistry = reinterpret_cast<FicObjectRegistry*>(HostWord(record.words[0]));
    return gRegistry;
}

int16_t RegisterHostObject(void* object, int32_t flag)
{
    FicObjectRegistry* registry = GetHostObjectRegistry();
    return registry != nullptr ? registry->registerObject(object, flag) : 0;
}

int16_t UnregisterHostObject(void* object)
{
    FicObjectRegistry* registry = GetHostObjectRegistry();
    return registry != nullptr ? registry->unregisterObject(object) : 0;
}

int16_t QueryHostObject(void* object, const void* record)
{
    FicObjectRegistry* registry = GetHostObjectRegistry();
    return registry != nullptr ? registry->queryObject(object, record) : 0;
}

void ForgetHostObjectRegistry()
{
    gRegistry = nullptr;
    gAsked = false;
}

}  // namespace rtas

#include "aax/library/ACFExports.h"

#include "aax/library/AAX_VHostServices.h"
#include "aax/library/CACFUnknown.h"

acf::Result ACFRegisterPlugin(void* hostUnknown, void** pluginDefinition)
{
    try
    {
        AAX_VCollection collection(hostUnknown);
        const AAX_Result result = DescribeEffects(&collection);
        if (result != AAX_SUCCESS)
            return result;
        if (pluginDefinition == nullptr)
            return AAX_ERROR_NULL_OBJECT;
        *pluginDefinition = nullptr;
        return collection.GetPluginDefinition(pluginDefinition);
    }
    catch (...)
    {
        return acf::kUnexpected;
    }
}

acf::Result ACFRegisterComponent(void* hostUnknown, uint32_t index, void** componentDefinition)
{
    if (componentDefinition != nullptr)
        *componentDefinition = nullptr;
    return AAX_SUCCESS;
}

acf::Result ACFGetClassFactory(void* hostUnknown, const acf::Uid* classId, const acf::Uid* iid, void** out)
{
    if (out != nullptr)
        *out = nullptr;
    return AAX_ERROR_UNIMPLEMENTED;
}

acf::Result ACFCanUnloadNow(void* hostUnknown)
{
    return CACFUnknown::LiveObjectCount();
}

acf::Result ACFStartup(void* hostUnknown)
{
    try
    {
        AAX_VHostServices::CreateGlobal(hostUnknown);
        return AAX_SUCCESS;
    }
    catch (...)
    {
        return acf::kUnexpected;
    }
}

acf::Result ACFShutdown(void* hostUnknown)
{
    try
    {
        AAX_VHostServices::DeleteGlobal();
        return AAX_SUCCESS;
    }
    catch (...)
    {
        return acf::kUnexpected;
    }
}

acf::Result ACFGetSDKVersion(uint64_t* version)
{
    if (version == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *version = acf::kSdkVersion;
    return AAX_SUCCESS;
}

#include "aax/library/AAX_VAutomationDelegate.h"

#include "aax/library/HostInterface.h"

AAX_VAutomationDelegate::AAX_VAutomationDelegate(void* hostContext)
{
    hostref::query(hostContext, acf::kIidAutomationDelegate, &delegate_);
}

AAX_VAutomationDelegate::~AAX_VAutomationDelegate()
{
    hostref::release(delegate_);
}

const acf::AutomationDelegateTable* AAX_VAutomationDelegate::table() const
{
    return delegate_ != nullptr ? &acf::tableOf<acf::AutomationDelegateTable>(delegate_) : nullptr;
}

AAX_Result AAX_VAutomationDelegate::RegisterParameter(AAX_CParamID id)
{
    return table() ? table()->registerParameter(delegate_, id) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::UnregisterParameter(AAX_CParamID id)
{
    return table() ? table()->unregisterParameter(delegate_, id) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostTouchRequest(AAX_CParamID id)
{
    return table() ? table()->touch(delegate_, id) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostReleaseRequest(AAX_CParamID id)
{
    return table() ? table()->release(delegate_, id) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostSetValueRequest(AAX_CParamID id, AAX_CParamValue normalised)
{
    return table() ? table()->postSetValueRequest(delegate_, id, normalised) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostCurrentValue(AAX_CParamID id, AAX_CParamValue normalised)
{
    return table() ? table()->postCurrentValue(delegate_, id, normalised) : AAX_ERROR_NULL_OBJECT;
}

QOR_HOST_PASS_THROUGH(AAX_VAutomationDelegate, AutomationDelegateTable, 9, delegate_, AAX_ERROR_NULL_OBJECT)

#include "aax/library/AAX_CEffectGUI.h"

#include "aax/library/AAX_CString.h"
#include "aax/library/AAX_IEffectParameters.h"
#include "aax/library/AAX_VController.h"
#include "aax/library/AAX_VTransport.h"
#include "aax/library/AAX_VViewContainer.h"
#include "aax/library/HostInterface.h"

AAX_CEffectGUI::AAX_CEffectGUI() = default;

AAX_CEffectGUI::~AAX_CEffectGUI()
{
    ReleaseEffectParameters();
}

acf::Result AAX_CEffectGUI::InternalQueryInterface(const acf::Uid& iid, void** out)
{
    if (out && iid == acf::kIidEffectGui)
        return ReturnInterface(static_cast<AAX_IACFEffectGUI*>(this), out);
    return CACFUnknown::InternalQueryInterface(iid, out);
}

AAX_Result AAX_CEffectGUI::Initialise(IACFUnknown* hostContext)
{
    if (!hostContext)
        return AAX_ERROR_NO_HOST_CONTEXT;
    controller_ = std::make_unique<AAX_VController>(hostContext);
    ReleaseEffectParameters();
    void* parameters = nullptr;
    if (hostref::query(hostContext, acf::kIidEffectParameters, &parameters) == AAX_SUCCESS && parameters)
        effectParameters_ = static_cast<AAX_IEffectParameters*>(parameters);
    transport_ = std::make_unique<AAX_VTransport>(hostContext);
    BuildViewContents();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::Shutdown()
{
    ReleaseEffectParameters();
    controller_.reset();
    transport_.reset();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::AttachViewContainer(IACFUnknown* container)
{
    if (!container) {
        viewContainer_.reset();
        CloseView();
        return AAX_SUCCESS;
    }
    viewContainer_ = std::make_unique<AAX_VViewContainer>();
    hostref::query(container, acf::kIidViewContainer, viewContainer_->HostInterfaceSlot());
    OpenView();
    RefreshAllParameters();
    return AAX_SUCCESS;
}

void AAX_CEffectGUI::RefreshAllParameters()
{
    if (!effectParameters_)
        return;
    int32_t count = 0;
    if (effectParameters_->GetParameterCount(&count) != AAX_SUCCESS)
        return;
    for (int32_t index = 0; index < count; ++index) {
        AAX_CString identifier;
        if (effectParameters_->GetParameterIDAt(index, &identifier) == AAX_SUCCESS)
            OnParameterChanged(identifier.Get());
    }
}

void AAX_CEffectGUI::ReleaseEffectParameters()
{
    if (effectParameters_)
        effectParameters_->Release();
    effectParameters_ = nullptr;
}

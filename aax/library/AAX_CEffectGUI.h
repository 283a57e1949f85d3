// The base of the GUI object an AAX host creates for each open plug-in window: it connects to the host's
// controller and transport, finds the instance's effect-parameters object, takes the host's view container, and
// leaves the view's contents to the derived class. The host's GUI thread calls every operation.
#pragma once

#include <memory>

#include "aax/library/AAX_IEffectGUI.h"
#include "aax/library/CACFUnknown.h"

class AAX_IEffectParameters;
class AAX_VController;
class AAX_VTransport;
class AAX_VViewContainer;

class AAX_CEffectGUI : public AAX_IACFEffectGUI, public CACFUnknown
{
public:
    AAX_CEffectGUI();
    ~AAX_CEffectGUI() override;

    ACF_FORWARD_UNKNOWN_TO_CONTROLLING()
    acf::Result InternalQueryInterface(const acf::Uid& iid, void** out) override;

    // -20011 without a host context; otherwise finds the instance's effect parameters and builds the view.
    AAX_Result Initialise(IACFUnknown* hostContext) override;
    // Lets go of the effect parameters and the proxies.
    AAX_Result Shutdown() override;
    AAX_Result OnNotification(AAX_CTypeID type, const void* data, uint32_t size) override { return AAX_SUCCESS; }
    // A container opens the view and shows every parameter; null closes the view.
    AAX_Result AttachViewContainer(IACFUnknown* container) override;
    AAX_Result QueryViewSize(acf::ViewSize* size) override { return AAX_SUCCESS; }
    AAX_Result PaintView(const void* area) override { return AAX_SUCCESS; }
    AAX_Result OnTimer() override { return AAX_SUCCESS; }
    AAX_Result OnParameterChanged(AAX_CParamID identifier) override { return AAX_SUCCESS; }
    AAX_Result QueryCustomLabel(AAX_CParamID identifier, AAX_IString* label) override
    {
        return AAX_ERROR_NULL_OBJECT;
    }
    AAX_Result ShowControlHighlight(AAX_CParamID identifier, AAX_CBoolean on, int32_t colour) override
    {
        return AAX_SUCCESS;
    }

protected:
    // The derived class's view: built once the effect parameters are known, opened in the host's container,
    // closed when the window goes.
    virtual void BuildViewContents() = 0;
    virtual void OpenView() = 0;
    virtual void CloseView() = 0;
    // OnParameterChanged for every parameter of the instance, in table order.
    void RefreshAllParameters();

    AAX_IEffectParameters* EffectParameters() const { return effectParameters_; }
    AAX_VController* Controller() const { return controller_.get(); }
    AAX_VTransport* Transport() const { return transport_.get(); }
    AAX_VViewContainer* ViewContainer() const { return viewContainer_.get(); }

private:
    void ReleaseEffectParameters();

    std::unique_ptr<AAX_VController> controller_;
    AAX_IEffectParameters* effectParameters_ = nullptr;  // holds the reference its query took
    std::unique_ptr<AAX_VViewContainer> viewContainer_;
    std::unique_ptr<AAX_VTransport> transport_;
};

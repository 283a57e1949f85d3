// The host-facing interface of a plug-in window's GUI object. The host reaches it through its table: query, add
// reference and release first, then the operations below in this order. The host's GUI thread calls every one.
#pragma once

#include <cstdint>

#include "aax/library/AAX_Types.h"
#include "aax/library/IACFUnknown.h"

class AAX_IString;

class AAX_IEffectGUI : public IACFUnknown
{
public:
    virtual AAX_Result Initialise(IACFUnknown* hostContext) = 0;
    virtual AAX_Result Shutdown() = 0;
    virtual AAX_Result OnNotification(AAX_CTypeID type, const void* data, uint32_t size) = 0;
    // The host's view container of the window that opens; null when the window closes.
    virtual AAX_Result AttachViewContainer(IACFUnknown* container) = 0;
    virtual AAX_Result QueryViewSize(acf::ViewSize* size) = 0;
    // The area to paint is the host's; the plug-in draws its whole view.
    virtual AAX_Result PaintView(const void* area) = 0;
    // The host's periodic GUI call.
    virtual AAX_Result OnTimer() = 0;
    virtual AAX_Result OnParameterChanged(AAX_CParamID identifier) = 0;
    virtual AAX_Result QueryCustomLabel(AAX_CParamID identifier, AAX_IString* label) = 0;
    virtual AAX_Result ShowControlHighlight(AAX_CParamID identifier, AAX_CBoolean on, int32_t colour) = 0;

protected:
    ~AAX_IEffectGUI() = default;
};

// The form the host asks for by the GUI identifier; its table is the interface's above.
class AAX_IACFEffectGUI : public AAX_IEffectGUI
{
protected:
    ~AAX_IACFEffectGUI() = default;
};

// The host's automation delegate of one instance: the parameters register with it, touch, post values and release
// through it, and tell it their current values.
#pragma once

#include "aax/library/AAX_Types.h"
#include "hosts/aax/AcfTables.h"

class AAX_IAutomationDelegate
{
public:
    virtual ~AAX_IAutomationDelegate() = default;
    virtual AAX_Result RegisterParameter(AAX_CParamID id) = 0;
    virtual AAX_Result UnregisterParameter(AAX_CParamID id) = 0;
    virtual AAX_Result PostTouchRequest(AAX_CParamID id) = 0;
    virtual AAX_Result PostReleaseRequest(AAX_CParamID id) = 0;
    virtual AAX_Result PostSetValueRequest(AAX_CParamID id, AAX_CParamValue normalised) = 0;
    virtual AAX_Result PostCurrentValue(AAX_CParamID id, AAX_CParamValue normalised) = 0;
    // The host's operation 9 (the touch state), which the library only passes through.
    virtual AAX_Result HostOperation9(void* a) { return AAX_ERROR_NULL_OBJECT; }
};

class AAX_VAutomationDelegate final : public AAX_IAutomationDelegate
{
public:
    explicit AAX_VAutomationDelegate(void* hostContext);
    ~AAX_VAutomationDelegate() override;
    AAX_VAutomationDelegate(const AAX_VAutomationDelegate&) = delete;
    AAX_VAutomationDelegate& operator=(const AAX_VAutomationDelegate&) = delete;

    // Any host thread that changes a parameter; the GUI thread for the effect's own edits. -20004 without the host's
    // interface.
    AAX_Result RegisterParameter(AAX_CParamID id) override;
    AAX_Result UnregisterParameter(AAX_CParamID id) override;
    AAX_Result PostTouchRequest(AAX_CParamID id) override;
    AAX_Result PostReleaseRequest(AAX_CParamID id) override;
    AAX_Result PostSetValueRequest(AAX_CParamID id, AAX_CParamValue normalised) override;
    AAX_Result PostCurrentValue(AAX_CParamID id, AAX_CParamValue normalised) override;
    AAX_Result HostOperation9(void* a) override;

private:
    const acf::AutomationDelegateTable* table() const;

    void* delegate_ = nullptr;
};

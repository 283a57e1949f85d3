// The GUI object an AAX host creates for each open plug-in window: it opens the effect's own editor directly in the
// native window the host's view container gives, tells the host the editor's size, and drives the editor's idle
// from the host's periodic GUI call. Host GUI thread throughout.
#pragma once

#include "aax/library/AAX_CEffectGUI.h"
#include "effect/vst2/EffectRecord.h"

class PellixAudioProcessor;

namespace AAXClasses {

class JuceAAX_GUI final : public AAX_CEffectGUI
{
public:
    // The GUI factory: a new object's private unknown, reference count 0.
    static void* Create();

    ~JuceAAX_GUI() override;

    // Closes the editor while the effect is surely still there, then lets the instance go.
    AAX_Result Shutdown() override;
    // -20004 without effect; otherwise the editor's rectangle as (height, width).
    AAX_Result QueryViewSize(acf::ViewSize* size) override;
    AAX_Result OnTimer() override;
    AAX_Result OnParameterChanged(AAX_CParamID identifier) override { return AAX_SUCCESS; }
    // No JUCE component exists to highlight.
    AAX_Result ShowControlHighlight(AAX_CParamID identifier, AAX_CBoolean on, int32_t colour) override
    {
        return AAX_ERROR_NULL_OBJECT;
    }

protected:
    void BuildViewContents() override;
    void OpenView() override;
    void CloseView() override;

private:
    // The instance's processor, while the instance is held (null otherwise).
    PellixAudioProcessor* Processor() const;
    intptr_t Dispatch(int32_t opcode, void* ptr);

    EffectRecord* effect_ = nullptr;
};

}  // namespace AAXClasses

#include "aax/bridge/JuceAAX_GUI.h"

#include "aax/bridge/JuceAAX_Processor.h"
#include "aax/library/AAX_VViewContainer.h"
#include "effect/vst2/Opcodes.h"
#include "effect/vst2/Records.h"

namespace AAXClasses {

void* JuceAAX_GUI::Create()
{
    return (new JuceAAX_GUI())->GetPrivateUnknown();
}

JuceAAX_GUI::~JuceAAX_GUI()
{
    // Only while the instance is still held: after it went, the effect (and its library) may be gone too.
    if (Processor() != nullptr)
        Dispatch(effEditClose, nullptr);
}

PellixAudioProcessor* JuceAAX_GUI::Processor() const
{
    auto* parameters = dynamic_cast<JuceAAX_Processor*>(EffectParameters());
    return parameters != nullptr ? &parameters->processor() : nullptr;
}

intptr_t JuceAAX_GUI::Dispatch(int32_t opcode, void* ptr)
{
    return effect_ != nullptr ? effect_->dispatcher(effect_, opcode, 0, 0, ptr, 0.0f) : 0;
}

AAX_Result JuceAAX_GUI::Shutdown()
{
    if (Processor() != nullptr)
        Dispatch(effEditClose, nullptr);
    effect_ = nullptr;
    return AAX_CEffectGUI::Shutdown();
}

void JuceAAX_GUI::BuildViewContents()
{
    if (effect_ == nullptr)
        if (PellixAudioProcessor* processor = Processor())
            effect_ = processor->effectRecord();
}

void JuceAAX_GUI::OpenView()
{
    BuildViewContents();
    AAX_VViewContainer* container = ViewContainer();
    if (container == nullptr || effect_ == nullptr)
        return;
    void* window = container->GetPtr();
    if (window != nullptr && container->GetType() == acf::kViewNativeWindow)
        Dispatch(effEditOpen, window);
}

void JuceAAX_GUI::CloseView()
{
    Dispatch(effEditClose, nullptr);
}

AAX_Result JuceAAX_GUI::QueryViewSize(acf::ViewSize* size)
{
    if (effect_ == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    EditorRect* rect = nullptr;
    Dispatch(effEditGetRect, &rect);
    if (rect != nullptr && size != nullptr)
    {
        size->vertical = static_cast<float>(rect->bottom - rect->top);
        size->horizontal = static_cast<float>(rect->right - rect->left);
    }
    return AAX_SUCCESS;
}

AAX_Result JuceAAX_GUI::OnTimer()
{
    PellixAudioProcessor* processor = Processor();
    effect_ = processor != nullptr ? processor->effectRecord() : nullptr;
    if (processor != nullptr && processor->takeResizeRequest())
    {
        acf::ViewSize size{};
        if (QueryViewSize(&size) == AAX_SUCCESS && ViewContainer() != nullptr)
            ViewContainer()->SetViewSize(size);
        return AAX_SUCCESS;
    }
    Dispatch(effEditIdle, nullptr);
    return AAX_SUCCESS;
}

}  // namespace AAXClasses

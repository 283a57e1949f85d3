#include "rtas/views/CProcessControlView.h"

#include "rtas/framework/CEffectProcess.h"
#include "rtas/framework/CProcess.h"
#include "rtas/framework/ModuleState.h"

#include <algorithm>
#include <cstring>

namespace rtas::views {

int32_t CProcessControlView::GetStepCount()
{
    int32_t steps = 0;
    if (fInstance == nullptr || fInstance->GetControlNumSteps(fIndex, &steps) != 0)
        return CControlView::GetStepCount();
    return steps;
}

int32_t CProcessControlView::GetDefaultValue()
{
    int32_t value = 0;
    if (fInstance == nullptr || fInstance->GetControlDefaultValue(fIndex, &value) != 0)
        return CControlView::GetDefaultValue();
    return value;
}

int32_t CProcessControlView::GetValue()
{
    int32_t value = 0;
    if (fInstance == nullptr || fInstance->GetControlValue(fIndex, &value) != 0)
        return CControlView::GetValue();
    return value;
}

void CProcessControlView::SetValue(int32_t value)
{
    StoreValue(value);
    if (fInstance != nullptr)
        fInstance->SetControlValue(fIndex, value);
}

void CProcessControlView::GetValueText(int32_t value, std::string* text, int32_t maxLength)
{
    if (fInstance == nullptr) {
        CControlView::GetValueText(value, text, maxLength);
        return;
    }
    unsigned char answer[256] = {0};
    const int32_t length = std::clamp(maxLength, 0, 255);
    if (fInstance->GetControlTextForSurface(fIndex, value, length, answer) != 0) {
        text->clear();
        return;
    }
    // The instance's length byte is not trusted beyond the room asked for.
    text->assign(reinterpret_cast<const char*>(answer + 1), std::min<size_t>(answer[0], size_t(length)));
}

CEffectProcess* CProcessControlView::EffectInstance() const
{
    return dynamic_cast<CEffectProcess*>(fInstance);
}

int32_t CProcessControlView::ValueFromText(int32_t* value, const std::string& text)
{
    CEffectProcess* instance = EffectInstance();
    if (instance == nullptr)
        return CControlView::ValueFromText(value, text);
    unsigned char pascal[256] = {0};
    const size_t length = std::min<size_t>(text.size(), 255);
    pascal[0] = uint8_t(length);
    std::memcpy(pascal + 1, text.data(), length);
    return instance->GetControlValueFromText(fIndex, pascal, value);
}

void CProcessControlView::IsValidTextChar(char character, bool* answer)
{
    CEffectProcess* instance = EffectInstance();
    if (instance == nullptr) {
        CControlView::IsValidTextChar(character, answer);
        return;
    }
    *answer = instance->IsValidControlCharacter(fIndex, uint8_t(character));
}

void CProcessControlView::TouchControl()
{
    if (CEffectProcess* instance = EffectInstance())
        instance->TouchControl(fIndex);
}

void CProcessControlView::ReleaseControl()
{
    if (CEffectProcess* instance = EffectInstance())
        instance->ReleaseControl(fIndex);
}

void CProcessControlView::Idle(int32_t argument)
{
    if (fInstance != nullptr)
        fInstance->HandleIdleEvent();
    if (HostComponentCallback callback = rtas::GetHostCallback())
        callback(16, nullptr, nullptr);
    CControlView::Idle(argument);
}

void CProcessControlView::AttachToControl(CProcess* instance, int32_t index, bool notify)
{
    // The last value the bound control had stays with the view.
    if (fInstance != nullptr)
        StoreValue(GetValue());
    fInstance = instance;
    fIndex = instance != nullptr ? index : 0;
    if (instance != nullptr) {
        int32_t value = 0;
        if (instance->GetControlValue(index, &value) == 0)
            StoreValue(value);
    }
    if (notify)
        UpdateEditors();
}

}  // namespace rtas::views

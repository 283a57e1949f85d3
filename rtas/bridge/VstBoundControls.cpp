#include "rtas/bridge/VstBoundControls.h"

#include "rtas/bridge/CPluginWrapper.h"

#include <cmath>
#include <cstring>

namespace {

constexpr int32_t kContinuousSteps = 1000;
constexpr size_t kDisplayCharacters = 35;  // a 36-byte display text
constexpr size_t kLabelCharacters = 15;    // a 16-byte label
// What the effect may write for a text, whatever it should: far more than any text of it.
constexpr size_t kEffectTextBuffer = 256;

int parameterOf(uint32_t id)
{
    return int(id) - int(kFirstParameterControlID);
}

}  // namespace

int32_t StepsForFloatStep(float stepFloat)
{
    if (!(stepFloat > 0.0f))
        return kContinuousSteps;
    const double steps = std::floor(1.0 / double(stepFloat) + 0.5);
    return steps >= 1.0 && steps <= double(INT32_MAX) ? int32_t(steps) : kContinuousSteps;
}

std::string VstValueText(CPluginWrapper* wrapper, int index, float x, int32_t maxLength)
{
    if (wrapper == nullptr)
        return "";
    char display[kEffectTextBuffer] = {};
    std::memcpy(display, "1EAD", 4);
    std::memcpy(display + 4, &x, 4);
    wrapper->GetParamDisplay(index, display);
    display[kEffectTextBuffer - 1] = 0;
    char label[kEffectTextBuffer] = {};
    wrapper->GetParamLabel(index, label);
    label[kEffectTextBuffer - 1] = 0;

    std::string text(display, strnlen(display, kDisplayCharacters));
    text += ' ';
    text.append(label, strnlen(label, kLabelCharacters));
    if (maxLength >= 0 && text.size() >= size_t(maxLength))
        text.resize(size_t(maxLength));
    return text;
}

CPluginControl_ContinuousVST::CPluginControl_ContinuousVST(uint32_t id, const char* names, CPluginWrapper* wrapper)
    : CPluginControl_Continuous(id, names, 0.0, 1.0, 0.0, true, &kStandardControlPrefixes), fWrapper(wrapper)
{
    if (fWrapper == nullptr)
        return;
    const int index = parameterOf(id);
    const int32_t value = rtas::DoubleToControlValue(fWrapper->GetParameter(index), 0.0, 1.0);
    SetDefaultValue(value);
    SetValue(value);
    ParameterProperties properties{};
    fWrapper->GetParamProperties(index, &properties);
    fSteps = (properties.flags & kParameterUsesFloatStep) != 0 ? StepsForFloatStep(properties.stepFloat)
                                                                : kContinuousSteps;
    fAutomatable = fWrapper->CanBeAutomated(index);
}

std::string CPluginControl_ContinuousVST::GetValueString(int32_t maxLength, int32_t value) const
{
    const float x = float(rtas::ControlValueToDouble(value, 0.0, 1.0));
    return VstValueText(fWrapper, parameterOf(GetID()), x, maxLength);
}

CPluginControl_DiscreteVST::CPluginControl_DiscreteVST(uint32_t id, const char* names, CPluginWrapper* wrapper,
                                                       int32_t minInteger, int32_t maxInteger)
    : CPluginControl_Discrete(id, names, minInteger, maxInteger, 0, true), fWrapper(wrapper)
{
    if (fWrapper == nullptr)
        return;
    const int index = parameterOf(id);
    const int32_t steps = GetNumSteps();
    if (steps > 0) {
        int32_t k = int32_t(std::floor(double(steps) * double(fWrapper->GetParameter(index))));
        k = k < 0 ? 0 : (k > steps - 1 ? steps - 1 : k);
        const int32_t value = rtas::IntegerToControlValue(minInteger + k, minInteger, maxInteger);
        SetDefaultValue(value);
        SetValue(value);
    }
    fAutomatable = fWrapper->CanBeAutomated(index);
}

std::string CPluginControl_DiscreteVST::GetValueString(int32_t maxLength, int32_t value) const
{
    const int32_t steps = GetNumSteps();
    if (fWrapper == nullptr || steps <= 0)
        return "";
    const int32_t k = rtas::ControlValueToInteger(value, GetMinimum(), GetMaximum()) - GetMinimum();
    const float n = float(steps);
    const float x = 0.5f / n + float(k) / n;
    return VstValueText(fWrapper, parameterOf(GetID()), x, maxLength);
}

#include "aax/library/AAX_CEffectParameters.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>

#include "aax/library/AAX_CString.h"
#include "aax/library/AAX_IParameter.h"
#include "aax/library/AAX_VAutomationDelegate.h"
#include "aax/library/AAX_VController.h"
#include "aax/library/AAX_VTransport.h"

namespace {

// A short title is cut to this many characters before its variants are looked at.
constexpr size_t kMaxShortTitle = 255;

AAX_CParamValue clampNormalised(AAX_CParamValue value) { return std::min(std::max(value, 0.0), 1.0); }

}  // namespace

AAX_CEffectParameters::AAX_CEffectParameters() = default;

AAX_CEffectParameters::~AAX_CEffectParameters()
{
    // Parameters detach from the automation proxy as they go, so they go first.
    excludedFromChunk_.clear();
    parameters_.Clear();
    dispatcher_.Initialize(nullptr, nullptr);
}

acf::Result AAX_CEffectParameters::InternalQueryInterface(const acf::Uid& iid, void** out)
{
    if (out && (iid == acf::kIidEffectParameters || iid == acf::kIidEffectParametersV2))
        return ReturnInterface(static_cast<AAX_IACFEffectParameters_V2*>(this), out);
    return CACFUnknown::InternalQueryInterface(iid, out);
}

AAX_Result AAX_CEffectParameters::Initialise(IACFUnknown* hostContext)
{
    controller_ = std::make_unique<AAX_VController>(hostContext);
    automation_ = std::make_unique<AAX_VAutomationDelegate>(hostContext);
    transport_ = std::make_unique<AAX_VTransport>(hostContext);
    parameters_.SetAutomationDelegate(automation_.get());
    dispatcher_.Initialize(controller_.get(), this);

    const AAX_Result result = SetUp();
    if (result != AAX_SUCCESS)
        return result;
    AAX_CString bypass;
    GetMasterBypassID(&bypass);
    if (bypass.Length() > 0)
        excludedFromChunk_.insert(bypass.StdString());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::Shutdown()
{
    parameters_.Clear();
    parameters_.SetAutomationDelegate(nullptr);
    // The dispatcher must not post through a controller that is gone.
    dispatcher_.Initialize(nullptr, this);
    controller_.reset();
    automation_.reset();
    transport_.reset();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::OnNotification(AAX_CTypeID type, const void* data, uint32_t size)
{
    if (type != kAAXNotificationPreview)
        return AAX_SUCCESS;
    AAX_IParameter* preview = parameters_.Find(kAAXPreviewID);
    int32_t word = 0;
    if (preview && data && size >= sizeof word) {
        std::memcpy(&word, data, sizeof word);
        preview->SetValueWithBool(word != 0);
    }
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterCount(int32_t* count) const
{
    if (!count)
        return AAX_ERROR_NULL_OBJECT;
    *count = parameters_.Count();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetMasterBypassID(AAX_IString* identifier) const
{
    if (!identifier)
        return AAX_ERROR_NULL_OBJECT;
    identifier->Set(parameters_.Find(kAAXMasterBypassID) ? kAAXMasterBypassID : "");
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::IsParameterAutomatable(AAX_CParamID identifier, AAX_CBoolean* automatable) const
{
    const AAX_IParameter* parameter = parameters_.Find(identifier);
    if (automatable)
        *automatable = parameter && parameter->Automatable() ? 1 : 0;
    return parameter ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterStepCount(AAX_CParamID identifier, int32_t* steps) const
{
    const AAX_IParameter* parameter = parameters_.Find(identifier);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    const int32_t count = int32_t(parameter->GetNumberOfSteps());
    if (steps)
        *steps = count;
    return count < 0 ? AAX_ERROR_NEGATIVE_STEP_COUNT : AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterTitle(AAX_CParamID identifier, AAX_IString* title) const
{
    if (!title)
        return AAX_ERROR_NULL_OBJECT;
    const AAX_IParameter* parameter = parameters_.Find(identifier);
    title->Set(parameter ? parameter->Name().Get() : "");
    return AAX_SUCCESS;
}

// The shortened name may hold several variants separated by newlines: the longest that fits the length wins.
AAX_Result AAX_CEffectParameters::GetParameterShortTitle(AAX_CParamID identifier, AAX_IString* title,
                                                         int32_t length) const
{
    if (!title)
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    const AAX_IParameter* parameter = parameters_.Find(identifier);
    if (!parameter) {
        title->Set("");
        return AAX_SUCCESS;
    }
    const std::string name = parameter->ShortenedName(length).StdString().substr(0, kMaxShortTitle);
    if (name.empty())
        return AAX_SUCCESS;
    std::string best;
    bool found = false;
    size_t start = 0;
    while (start <= name.size()) {
        const size_t end = std::min(name.find('\n', start), name.size());
        const std::string variant = name.substr(start, end - start);
        if (length >= 0 && variant.size() <= size_t(length) && (!found || variant.size() > best.size())) {
            best = variant;
            found = true;
        }
        start = end + 1;
    }
    if (!found)
        best = length <= 0 ? std::string() : name.substr(0, size_t(length));
    title->Set(best.c_str());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterDefault(AAX_CParamID identifier, AAX_CParamValue* value) const
{
    const AAX_IParameter* parameter = parameters_.Find(identifier);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (value)
        *value = parameter->GetNormalizedDefaultValue();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::SetParameterDefault(AAX_CParamID identifier, AAX_CParamValue value)
{
    AAX_IParameter* parameter = parameters_.Find(identifier);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->SetNormalizedDefaultValue(value);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterKind(AAX_CParamID identifier, AAX_EParameterType* kind) const
{
    const AAX_IParameter* parameter = parameters_.Find(identifier);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (kind)
        *kind = parameter->GetType();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterOrientation(AAX_CParamID identifier, int32_t* orientation) const
{
    const AAX_IParameter* parameter = parameters_.Find(identifier);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (orientation)
        *orientation = parameter->GetOrientation();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterObject(AAX_CParamID identifier, AAX_IParameter** parameter)
{
    AAX_IParameter* found = parameters_.Find(identifier);
    if (parameter)
        *parameter = found;
    return found ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterIndex(AAX_CParamID identifier, int32_t* index) const
{
    const int32_t found = parameters_.IndexOf(identifier);
    if (index)
        *index = found;
    return found >= 0 ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterIDAt(int32_t index, AAX_IString* identifier) const
{
    const AAX_IParameter* parameter = parameters_.At(index);
    if (identifier)
        identifier->Set(parameter ? parameter->Identifier() : "");
    return parameter ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterValueInfo(AAX_CParamID identifier, int32_t selector,
                                                        int32_t* value) const
{
    if (value)
        *value = 0;
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::ParameterTextToValue(AAX_CParamID identifier, AAX_CParamValue* value,
                                                       const AAX_IString& text) const
{
    const AAX_IParameter* parameter = parameters_.Find(identifier);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    AAX_CParamValue converted = 0.0;
    if (!parameter->GetNormalizedValueFromString(AAX_CString(text.Get()), &converted))
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    if (value)
        *value = converted;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::ParameterValueToText(AAX_CParamID identifier, AAX_CParamValue value,
                                                       AAX_IString* text, int32_t maxLength) const
{
    const AAX_IParameter* parameter = parameters_.Find(identifier);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    AAX_CString converted;
    if (!text || !parameter->GetStringFromNormalizedValue(value, maxLength, converted))
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    text->Set(converted.Get());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterValueText(AAX_CParamID identifier, AAX_IString* text,
                                                        int32_t maxLength) const
{
    const AAX_IParameter* parameter = parameters_.Find(identifier);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    AAX_CString converted;
    if (!text || !parameter->GetValueString(maxLength, &converted))
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    text->Set(converted.Get());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterNormalised(AAX_CParamID identifier, AAX_CParamValue* value) const
{
    const AAX_IParameter* parameter = parameters_.Find(identifier);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (value)
        *value = parameter->GetNormalizedValue();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::SetParameterNormalised(AAX_CParamID identifier, AAX_CParamValue value)
{
    AAX_IParameter* parameter = parameters_.Find(identifier);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->SetNormalizedValue(value);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::NudgeParameter(AAX_CParamID identifier, AAX_CParamValue delta)
{
    AAX_CParamValue value = 0.0;
    const AAX_Result result = GetParameterNormalised(identifier, &value);
    if (result != AAX_SUCCESS)
        return result;
    return SetParameterNormalised(identifier, clampNormalised(value + delta));
}

AAX_Result AAX_CEffectParameters::BeginParameterTouch(AAX_CParamID identifier)
{
    AAX_IParameter* parameter = parameters_.Find(identifier);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->Touch();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::EndParameterTouch(AAX_CParamID identifier)
{
    AAX_IParameter* parameter = parameters_.Find(identifier);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->Release();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::NoteParameterTouch(AAX_CParamID identifier, AAX_CBoolean touched)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::ApplyHostParameterValue(AAX_CParamID identifier, AAX_CParamValue value)
{
    AAX_IParameter* parameter = parameters_.Find(identifier);
    if (!parameter)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->UpdateNormalizedValue(value);
    const AAX_Result result = dispatcher_.MarkDirty(identifier);
    IncrementChangeCount();
    return result;
}

AAX_Result AAX_CEffectParameters::NudgeHostParameter(AAX_CParamID identifier, AAX_CParamValue delta)
{
    AAX_CParamValue value = 0.0;
    const AAX_Result result = GetParameterNormalised(identifier, &value);
    if (result != AAX_SUCCESS)
        return result;
    return ApplyHostParameterValue(identifier, clampNormalised(value + delta));
}

AAX_Result AAX_CEffectParameters::SendDirtyPackets()
{
    return dispatcher_.SendDirty();
}

AAX_Result AAX_CEffectParameters::ResetPrivateData(AAX_CFieldIndex field, void* data, uint32_t size)
{
    if (data && size)
        std::memset(data, 0, size);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChangeCount(int32_t* count) const
{
    if (count && changeCount_ >= 0)
        *count = changeCount_;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::FurtherOperation3(int32_t* value) const
{
    if (value)
        *value = 0;
    return AAX_SUCCESS;
}

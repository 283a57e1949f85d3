// A parameter with a value of type T (float or bool in this plug-in) and its taper and display delegates.
// Values the plug-in sets go to the host through the automation delegate when one is attached, and come back as
// the host's update; without one the update runs at once.
// Host threads (main, GUI, automation) call it through the effect-parameters object; it takes no lock of its own.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <map>
#include <memory>
#include <type_traits>

#include "aax/library/AAX_CString.h"
#include "aax/library/AAX_IDisplayDelegate.h"
#include "aax/library/AAX_IParameter.h"
#include "aax/library/AAX_ITaperDelegate.h"
#include "aax/library/AAX_VAutomationDelegate.h"

template <typename T>
class AAX_CParameter : public AAX_IParameter
{
public:
    static constexpr size_t kIdentifierBytes = 32;  // 31 characters and the NUL
    static constexpr uint32_t kDiscreteSteps = 2;
    static constexpr uint32_t kContinuousSteps = 128;

    AAX_CParameter(AAX_CParamID identifier, const AAX_CString& name, T defaultValue,
                   const AAX_ITaperDelegate<T>& taper, const AAX_IDisplayDelegate<T>& display, bool automatable)
        : name_(name), automatable_(automatable), taper_(taper.Clone()), display_(display.Clone()),
          value_(defaultValue), default_(defaultValue)
    {
        std::memset(identifier_, 0, sizeof identifier_);
        if (identifier)
            std::strncpy(identifier_, identifier, kIdentifierBytes - 1);
        if (steps_ == 0)
            steps_ = type_ == AAX_eParameterType_Discrete ? kDiscreteSteps : kContinuousSteps;
        SetValue(defaultValue);
    }
    ~AAX_CParameter() override { SetAutomationDelegate(nullptr); }
    AAX_CParameter(const AAX_CParameter&) = delete;
    AAX_CParameter& operator=(const AAX_CParameter&) = delete;

    AAX_CParamID Identifier() const override { return identifier_; }
    void SetName(const AAX_CString& name) override { name_ = name; }
    const AAX_CString& Name() const override { return name_; }
    // Filed under its length; a name of the same length is replaced.
    void AddShortenedName(const AAX_CString& name) override { shortNames_[name.Length()] = name; }
    const AAX_CString& ShortenedName(int32_t length) const override
    {
        if (length < 0 || uint32_t(length) >= name_.Length() || shortNames_.empty())
            return name_;
        auto fit = shortNames_.upper_bound(uint32_t(length));
        if (fit == shortNames_.begin())
            return fit->second;  // every shortened name is longer: the shortest
        return std::prev(fit)->second;
    }
    void ClearShortenedNames() override { shortNames_.clear(); }
    bool Automatable() const override { return automatable_; }
    // The old delegate forgets the identifier before the new one learns it.
    void SetAutomationDelegate(AAX_IAutomationDelegate* delegate) override
    {
        if (automation_)
            automation_->UnregisterParameter(identifier_);
        automation_ = delegate;
        if (automation_)
            automation_->RegisterParameter(identifier_);
    }
    void Touch() override
    {
        if (automation_)
            automation_->PostTouchRequest(identifier_);
    }
    void Release() override
    {
        if (automation_)
            automation_->PostReleaseRequest(identifier_);
    }

    void SetNormalizedValue(AAX_CParamValue value) override { SetValue(taper_->NormalizedToReal(value)); }
    AAX_CParamValue GetNormalizedValue() const override { return taper_->RealToNormalized(value_); }
    void SetNormalizedDefaultValue(AAX_CParamValue value) override { default_ = taper_->NormalizedToReal(value); }
    AAX_CParamValue GetNormalizedDefaultValue() const override { return taper_->RealToNormalized(default_); }
    void SetToDefaultValue() override { SetValue(default_); }
    void SetNumberOfSteps(uint32_t steps) override { steps_ = steps; }
    uint32_t GetNumberOfSteps() const override { return steps_; }
    uint32_t GetStepValue() const override
    {
        if (steps_ < 2)
            return 0;
        // Multiplying by the step count rather than dividing by the step width 1 / (S - 1): the reciprocal's
        // rounding would put exact midpoints (0.5 of 100 steps) just below the step they round to.
        const double last = double(steps_ - 1);
        const double step = GetNormalizedValue() * last + 0.5;
        if (step < 0.0)
            return 0;
        return static_cast<uint32_t>(std::min(step, last));
    }
    void SetStepValue(uint32_t step) override
    {
        if (steps_ < 2)
            return;
        SetNormalizedValue(std::min(std::max((1.0 / double(steps_ - 1)) * step, 0.0), 1.0));
    }

    bool GetValueString(int32_t maxLength, AAX_CString* text) const override { return GetValueString(text); }
    bool GetValueString(AAX_CString* text) const override { return text && display_->ValueToString(value_, text); }
    bool GetNormalizedValueFromString(const AAX_CString& text, AAX_CParamValue* value) const override
    {
        T real{};
        if (!display_->StringToValue(text, &real) || !InRange(real))
            return false;
        *value = taper_->RealToNormalized(real);
        return true;
    }
    bool GetStringFromNormalizedValue(AAX_CParamValue value, int32_t maxLength, AAX_CString& text) const override
    {
        const T real = taper_->NormalizedToReal(value);
        return InRange(real) && display_->ValueToString(real, maxLength, &text);
    }
    bool GetStringFromNormalizedValue(AAX_CParamValue value, AAX_CString& text) const override
    {
        const T real = taper_->NormalizedToReal(value);
        return InRange(real) && display_->ValueToString(real, &text);
    }
    bool SetValueFromString(const AAX_CString& text) override
    {
        T real{};
        if (!display_->StringToValue(text, &real))
            return false;
        SetValue(real);
        return true;
    }

    bool GetValueAsBool(bool* value) const override { return Read(value); }
    bool GetValueAsInt32(int32_t* value) const override { return Read(value); }
    bool GetValueAsFloat(float* value) const override { return Read(value); }
    bool GetValueAsDouble(double* value) const override { return Read(value); }
    bool GetValueAsString(AAX_IString* value) const override { return false; }
    bool SetValueWithBool(bool value) override { return Write(value); }
    bool SetValueWithInt32(int32_t value) override { return Write(value); }
    bool SetValueWithFloat(float value) override { return Write(value); }
    bool SetValueWithDouble(double value) override { return Write(value); }
    bool SetValueWithString(const AAX_IString& value) override { return false; }

    void SetType(AAX_EParameterType type) override { type_ = type; }
    AAX_EParameterType GetType() const override { return type_; }
    void SetOrientation(int32_t orientation) override { orientation_ = orientation; }
    int32_t GetOrientation() const override { return orientation_; }
    // Without keeping the value, the value is what the old taper's normalised value means to the new one.
    void SetTaperDelegate(const AAX_ITaperDelegateBase& taper, bool preserveValue) override
    {
        const auto* typed = dynamic_cast<const AAX_ITaperDelegate<T>*>(&taper);
        if (!typed)
            return;
        const AAX_CParamValue oldNormalized = taper_->RealToNormalized(value_);
        taper_.reset(typed->Clone());
        needsUpdate_ = true;
        if (preserveValue)
            SetValue(value_);
        else
            UpdateNormalizedValue(oldNormalized);
    }
    void SetDisplayDelegate(const AAX_IDisplayDelegateBase& display) override
    {
        const auto* typed = dynamic_cast<const AAX_IDisplayDelegate<T>*>(&display);
        if (!typed)
            return;
        display_.reset(typed->Clone());
        if (automation_)
            automation_->PostCurrentValue(identifier_, GetNormalizedValue());
    }

    // Host thread: the host applies a value (its answer to a posted request, or its own automation).
    void UpdateNormalizedValue(AAX_CParamValue value) override
    {
        const T real = taper_->NormalizedToReal(value);
        if (!needsUpdate_ && real == value_)
            return;
        value_ = real;
        if (automation_)
            automation_->PostCurrentValue(identifier_, value);
        needsUpdate_ = false;
    }

    // The typed value, for the owner of the parameter.
    T GetValue() const { return value_; }
    // Sets the value through the host when an automation delegate is attached (touch, set request, release).
    void SetValue(T value)
    {
        const AAX_CParamValue normalized = taper_->RealToNormalized(value);
        if (automation_) {
            automation_->PostTouchRequest(identifier_);
            automation_->PostSetValueRequest(identifier_, normalized);
            automation_->PostReleaseRequest(identifier_);
        } else {
            needsUpdate_ = true;
            UpdateNormalizedValue(normalized);
        }
    }

private:
    bool InRange(T real) const { return !(real < taper_->GetMinimumValue()) && !(taper_->GetMaximumValue() < real); }

    template <typename U>
    bool Read(U* out) const
    {
        if constexpr (std::is_same_v<T, U>) {
            if (out)
                *out = value_;
            return out != nullptr;
        }
        return false;
    }
    template <typename U>
    bool Write(U value)
    {
        if constexpr (std::is_same_v<T, U>) {
            SetValue(value);
            return true;
        }
        return false;
    }

    char identifier_[kIdentifierBytes];
    AAX_CString name_;
    std::map<uint32_t, AAX_CString> shortNames_;
    bool automatable_;
    uint32_t steps_ = 0;
    AAX_EParameterType type_ = AAX_eParameterType_Continuous;
    int32_t orientation_ = 0;
    std::unique_ptr<AAX_ITaperDelegate<T>> taper_;
    std::unique_ptr<AAX_IDisplayDelegate<T>> display_;
    AAX_IAutomationDelegate* automation_ = nullptr;
    bool needsUpdate_ = true;
    T value_;
    T default_;
};

// An AAX parameter: identifier, name, typed value, a taper between the value and the normalised range the host
// automates, and a display delegate between values and texts. Owned by the effect-parameters object's table.
#pragma once

#include <cstdint>

#include "aax/library/AAX_Types.h"

class AAX_CString;
class AAX_IString;
class AAX_IAutomationDelegate;
class AAX_ITaperDelegateBase;
class AAX_IDisplayDelegateBase;

class AAX_IParameter
{
public:
    virtual ~AAX_IParameter() = default;

    virtual AAX_CParamID Identifier() const = 0;
    virtual void SetName(const AAX_CString& name) = 0;
    virtual const AAX_CString& Name() const = 0;
    virtual void AddShortenedName(const AAX_CString& name) = 0;
    // The name for a display of that many characters.
    virtual const AAX_CString& ShortenedName(int32_t length) const = 0;
    virtual void ClearShortenedNames() = 0;
    virtual bool Automatable() const = 0;
    virtual void SetAutomationDelegate(AAX_IAutomationDelegate* delegate) = 0;
    virtual void Touch() = 0;
    virtual void Release() = 0;

    virtual void SetNormalizedValue(AAX_CParamValue value) = 0;
    virtual AAX_CParamValue GetNormalizedValue() const = 0;
    virtual void SetNormalizedDefaultValue(AAX_CParamValue value) = 0;
    virtual AAX_CParamValue GetNormalizedDefaultValue() const = 0;
    virtual void SetToDefaultValue() = 0;
    virtual void SetNumberOfSteps(uint32_t steps) = 0;
    virtual uint32_t GetNumberOfSteps() const = 0;
    virtual uint32_t GetStepValue() const = 0;
    virtual void SetStepValue(uint32_t step) = 0;

    // The current value's text (the length is not applied).
    virtual bool GetValueString(int32_t maxLength, AAX_CString* text) const = 0;
    virtual bool GetValueString(AAX_CString* text) const = 0;
    virtual bool GetNormalizedValueFromString(const AAX_CString& text, AAX_CParamValue* value) const = 0;
    virtual bool GetStringFromNormalizedValue(AAX_CParamValue value, int32_t maxLength, AAX_CString& text) const = 0;
    virtual bool GetStringFromNormalizedValue(AAX_CParamValue value, AAX_CString& text) const = 0;
    virtual bool SetValueFromString(const AAX_CString& text) = 0;

    // Typed reads and writes: each succeeds only for the parameter's own value type.
    virtual bool GetValueAsBool(bool* value) const = 0;
    virtual bool GetValueAsInt32(int32_t* value) const = 0;
    virtual bool GetValueAsFloat(float* value) const = 0;
    virtual bool GetValueAsDouble(double* value) const = 0;
    virtual bool GetValueAsString(AAX_IString* value) const = 0;
    virtual bool SetValueWithBool(bool value) = 0;
    virtual bool SetValueWithInt32(int32_t value) = 0;
    virtual bool SetValueWithFloat(float value) = 0;
    virtual bool SetValueWithDouble(double value) = 0;
    virtual bool SetValueWithString(const AAX_IString& value) = 0;

    virtual void SetType(AAX_EParameterType type) = 0;
    virtual AAX_EParameterType GetType() const = 0;
    virtual void SetOrientation(int32_t orientation) = 0;
    virtual int32_t GetOrientation() const = 0;
    // The parameter keeps clones; a delegate of another value type is ignored.
    virtual void SetTaperDelegate(const AAX_ITaperDelegateBase& taper, bool preserveValue) = 0;
    virtual void SetDisplayDelegate(const AAX_IDisplayDelegateBase& display) = 0;

    // The host applies a normalised value (its answer to a posted set request, or its own automation).
    virtual void UpdateNormalizedValue(AAX_CParamValue value) = 0;
};

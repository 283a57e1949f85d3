// Display delegates turn a parameter's real values into texts and back.
#pragma once

#include <cstdint>

class AAX_CString;

class AAX_IDisplayDelegateBase
{
public:
    virtual ~AAX_IDisplayDelegateBase() = default;
};

template <typename T>
class AAX_IDisplayDelegate : public AAX_IDisplayDelegateBase
{
public:
    virtual AAX_IDisplayDelegate* Clone() const = 0;
    // False when the value has no text.
    virtual bool ValueToString(T value, int32_t maxLength, AAX_CString* text) const = 0;
    virtual bool ValueToString(T value, AAX_CString* text) const = 0;
    // False when the text is not one the delegate accepts; the value is then unspecified.
    virtual bool StringToValue(const AAX_CString& text, T* value) const = 0;
};

// Appends a unit to the wrapped delegate's texts, and takes it off texts that end with it.
#pragma once

#include <string>

#include "aax/library/AAX_CString.h"
#include "aax/library/AAX_IDisplayDelegateDecorator.h"

template <typename T>
class AAX_CUnitDisplayDelegateDecorator : public AAX_IDisplayDelegateDecorator<T>
{
public:
    AAX_CUnitDisplayDelegateDecorator(const char* unit, const AAX_IDisplayDelegate<T>& wrapped)
        : AAX_IDisplayDelegateDecorator<T>(wrapped), unit_(unit ? unit : "")
    {
    }

    AAX_CUnitDisplayDelegateDecorator* Clone() const override { return new AAX_CUnitDisplayDelegateDecorator(*this); }

    // The unit goes on only when the whole of it still fits within the maximum length.
    bool ValueToString(T value, int32_t maxLength, AAX_CString* text) const override
    {
        const bool ok = AAX_IDisplayDelegateDecorator<T>::ValueToString(value, maxLength, text);
        const int64_t length = text->Length();
        if (length < maxLength && int64_t(maxLength) - length >= int64_t(unit_.size()))
            *text = AAX_CString(text->StdString() + unit_);
        return ok;
    }
    bool ValueToString(T value, AAX_CString* text) const override
    {
        const bool ok = AAX_IDisplayDelegateDecorator<T>::ValueToString(value, text);
        *text = AAX_CString(text->StdString() + unit_);
        return ok;
    }
    bool StringToValue(const AAX_CString& text, T* value) const override
    {
        const std::string& s = text.StdString();
        if (s.size() > unit_.size() && s.compare(s.size() - unit_.size(), unit_.size(), unit_) == 0)
            return AAX_IDisplayDelegateDecorator<T>::StringToValue(AAX_CString(s.substr(0, s.size() - unit_.size())),
                                                                 value);
        return AAX_IDisplayDelegateDecorator<T>::StringToValue(text, value);
    }

private:
    std::string unit_;
};

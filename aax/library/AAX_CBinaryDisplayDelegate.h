// Two texts, one for each state; a text converts back only when it is exactly one of them.
#pragma once

#include "aax/library/AAX_CString.h"
#include "aax/library/AAX_IDisplayDelegate.h"

template <typename T>
class AAX_CBinaryDisplayDelegate : public AAX_IDisplayDelegate<T>
{
public:
    AAX_CBinaryDisplayDelegate(const char* falseText, const char* trueText)
        : falseText_(falseText), trueText_(trueText)
    {
    }

    AAX_CBinaryDisplayDelegate* Clone() const override { return new AAX_CBinaryDisplayDelegate(*this); }
    // No shorter texts exist, so a maximum length leaves the full text.
    bool ValueToString(T value, int32_t maxLength, AAX_CString* text) const override
    {
        return ValueToString(value, text);
    }
    bool ValueToString(T value, AAX_CString* text) const override
    {
        *text = value ? trueText_ : falseText_;
        return true;
    }
    bool StringToValue(const AAX_CString& text, T* value) const override
    {
        if (text == trueText_) {
            *value = true;
            return true;
        }
        *value = false;
        return text == falseText_;
    }

private:
    AAX_CString falseText_;
    AAX_CString trueText_;
};

// A display delegate that wraps another one and changes its texts; it owns the wrapped delegate, and a clone clones
// it too.
#pragma once

#include <memory>

#include "aax/library/AAX_IDisplayDelegate.h"

template <typename T>
class AAX_IDisplayDelegateDecorator : public AAX_IDisplayDelegate<T>
{
public:
    explicit AAX_IDisplayDelegateDecorator(const AAX_IDisplayDelegate<T>& wrapped) : wrapped_(wrapped.Clone()) {}
    AAX_IDisplayDelegateDecorator(const AAX_IDisplayDelegateDecorator& other) : wrapped_(other.wrapped_->Clone()) {}
    AAX_IDisplayDelegateDecorator& operator=(const AAX_IDisplayDelegateDecorator&) = delete;

    bool ValueToString(T value, int32_t maxLength, AAX_CString* text) const override
    {
        return wrapped_->ValueToString(value, maxLength, text);
    }
    bool ValueToString(T value, AAX_CString* text) const override { return wrapped_->ValueToString(value, text); }
    bool StringToValue(const AAX_CString& text, T* value) const override
    {
        return wrapped_->StringToValue(text, value);
    }

private:
    std::unique_ptr<AAX_IDisplayDelegate<T>> wrapped_;
};

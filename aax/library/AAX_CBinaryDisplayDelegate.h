// Two texts, one for each state; a text converts back only when it is exactly one of them. Shorter pairs of texts
// may be added for hosts that show fewer characters.
#pragma once

#include <algorithm>
#include <utility>
#include <vector>

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

    // Host main thread (set-up). A shorter pair of texts, for maximum lengths below the full texts'.
    void AddShortenedStrings(const char* falseText, const char* trueText)
    {
        shortened_.emplace_back(AAX_CString(falseText), AAX_CString(trueText));
    }

    // A maximum length shorter than the longer full text takes the pair added last whose longer text fits, else
    // the first pair added; without pairs, the full text.
    bool ValueToString(T value, int32_t maxLength, AAX_CString* text) const override
    {
        if (shortened_.empty() || maxLength >= static_cast<int32_t>(LongerLength(falseText_, trueText_)))
            return ValueToString(value, text);
        const Pair* chosen = &shortened_.front();
        for (auto pair = shortened_.rbegin(); pair != shortened_.rend(); ++pair)
        {
            if (static_cast<int32_t>(LongerLength(pair->first, pair->second)) <= maxLength)
            {
                chosen = &*pair;
                break;
            }
        }
        *text = value ? chosen->second : chosen->first;
        return true;
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
    using Pair = std::pair<AAX_CString, AAX_CString>;  // false text, true text

    static uint32_t LongerLength(const AAX_CString& a, const AAX_CString& b)
    {
        return std::max(a.Length(), b.Length());
    }

    AAX_CString falseText_;
    AAX_CString trueText_;
    std::vector<Pair> shortened_;
};

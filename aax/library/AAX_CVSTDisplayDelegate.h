// Shows a parameter of the hosted effect through the effect's own display texts, probed at 101 evenly spaced
// values and kept in a row of cells: cell d holds the text the effect shows at d / 100.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "aax/library/AAX_CString.h"
#include "aax/library/AAX_IDisplayDelegate.h"

// One row of the processor's text cache: 101 cells of at most 16 characters and their terminating NUL.
constexpr int32_t kVSTTextCells = 101;
constexpr size_t kVSTTextCellBytes = 17;
typedef char VSTTextCell[kVSTTextCellBytes];

template <typename T>
class AAX_CVSTDisplayDelegate : public AAX_IDisplayDelegate<T>
{
public:
    // The row is the processor's and outlives every parameter that shows it.
    explicit AAX_CVSTDisplayDelegate(const VSTTextCell* row) : row_(row) {}

    AAX_CVSTDisplayDelegate* Clone() const override { return new AAX_CVSTDisplayDelegate(*this); }

    // The effect's texts have their own width: the maximum length is not applied.
    bool ValueToString(T value, int32_t maxLength, AAX_CString* text) const override
    {
        return ValueToString(value, text);
    }
    // The nearest cell: the texts were probed at whole hundredths, and truncating would show the text of the
    // hundredth below for about half of all values. Values outside 0..1 (and NaN) show the empty text.
    bool ValueToString(T value, AAX_CString* text) const override
    {
        text->Set("");
        const double scaled = std::floor(double(value) * 100.0 + 0.5);
        if (row_ && scaled >= 0.0 && scaled < kVSTTextCells)
            text->Set(cellText(static_cast<int32_t>(scaled)).c_str());
        return true;
    }
    // A text converts to the value of the first cell that shows it; a text the effect never shows is refused.
    bool StringToValue(const AAX_CString& text, T* value) const override
    {
        if (!row_)
            return false;
        for (int32_t d = 0; d < kVSTTextCells; ++d)
            if (cellText(d) == text.StdString()) {
                *value = static_cast<T>(d * 0.01);
                return true;
            }
        return false;
    }

private:
    // A cell's text, never past its 17 bytes even when its NUL is missing.
    std::string cellText(int32_t d) const
    {
        const char* cell = row_[d];
        return std::string(cell, strnlen(cell, kVSTTextCellBytes));
    }

    const VSTTextCell* row_;
};

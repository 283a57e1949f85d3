// The program name field: a text field that leaves the mouse wheel alone. GUI thread.
#pragma once

#include "gui/controls/CTextEdit.h"

class CQorTextEdit : public CTextEdit
{
public:
    using CTextEdit::CTextEdit;

    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override { return false; }
};

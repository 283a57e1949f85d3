// A one-line text field. A left click starts editing (the field becomes the frame's focus view): printable keys
// insert at the cursor, Backspace and Delete remove, Left/Right/Home/End move the cursor, Return or Enter commits,
// Escape cancels. Losing the focus (a click elsewhere) commits. A commit stores the text and tells the listener.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "gui/controls/CParamDisplay.h"

class CTextEdit : public CParamDisplay
{
public:
    CTextEdit(const CRect& size, CControlListener* listener, int32_t tag, const char* text = nullptr,
              CBitmap* background = nullptr, int32_t style = 0);
    CTextEdit(const CTextEdit& other);

    // Shown text; while editing it replaces nothing until the edit commits.
    virtual void setText(const char* text);
    const char* getText() const { return text_.c_str(); }
    // Copies the text, cut to capacity - 1 bytes.
    void getText(char* out, size_t capacity) const;
    // Longest text in bytes the editing accepts (default 255).
    void setMaxLength(size_t length) { maxLength_ = length; }
    size_t getMaxLength() const { return maxLength_; }

    bool isEditing() const { return editing_; }
    const std::string& getEditText() const { return editText_; }
    // Starts editing (as a click does); false when the field is not in a frame.
    bool beginTextEdit();
    // Ends editing: with commit the edited text becomes the text and the listener hears it.
    void endTextEdit(bool commit);

    void draw(CDrawContext* context) override;
    void getDisplayText(char text[kTextCapacity]) const override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    int32_t onKeyDown(VstKeyCode& key) override;
    void takeFocus() override;
    void looseFocus() override;

    QOR_GUI_TYPE_COPY(CTextEdit, CParamDisplay)

protected:
    std::string text_;
    std::string editText_;
    size_t cursor_ = 0;
    size_t maxLength_ = 255;
    bool editing_ = false;
};

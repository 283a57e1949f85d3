#include "gui/controls/CTextEdit.h"

#include <cstring>

#include "gui/CFrame.h"

namespace
{
bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xc0) == 0x80; }

// UTF-8 bytes of a character; empty for values that are not characters.
std::string encodeUtf8(int32_t c)
{
    std::string out;
    if (c < 0x20 || c == 0x7f || c > 0x10ffff || (c >= 0xd800 && c <= 0xdfff))
        return out;
    if (c < 0x80)
        out += static_cast<char>(c);
    else if (c < 0x800)
    {
        out += static_cast<char>(0xc0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
    else if (c < 0x10000)
    {
        out += static_cast<char>(0xe0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
    else
    {
        out += static_cast<char>(0xf0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
    return out;
}
} // namespace

CTextEdit::CTextEdit(const CRect& size, CControlListener* listener, int32_t tag, const char* text,
                     CBitmap* background, int32_t style)
    : CParamDisplay(size, background, style), text_(text ? text : "")
{
    listener_ = listener;
    tag_ = tag;
}

CTextEdit::CTextEdit(const CTextEdit& other)
    : CParamDisplay(other), text_(other.text_), maxLength_(other.maxLength_)
{
}

void CTextEdit::setText(const char* text)
{
    const std::string value = text ? text : "";
    if (value == text_)
        return;
    text_ = value;
    setDirty();
}

void CTextEdit::getText(char* out, size_t capacity) const
{
    if (!out || capacity == 0)
        return;
    const size_t length = text_.size() < capacity - 1 ? text_.size() : capacity - 1;
    std::memcpy(out, text_.data(), length);
    out[length] = 0;
}

void CTextEdit::getDisplayText(char text[kTextCapacity]) const
{
    const std::string& shown = editing_ ? editText_ : text_;
    const size_t length = shown.size() < kTextCapacity - 1 ? shown.size() : kTextCapacity - 1;
    std::memcpy(text, shown.data(), length);
    text[length] = 0;
}

bool CTextEdit::beginTextEdit()
{
    if (!frame_)
        return false;
    if (!editing_)
    {
        editing_ = true;
        editText_ = text_;
        cursor_ = editText_.size();
        setDirty();
    }
    frame_->setFocusView(this);
    return true;
}

void CTextEdit::endTextEdit(bool commit)
{
    if (!editing_)
        return;
    editing_ = false;
    if (commit)
        text_ = editText_;
    editText_.clear();
    setDirty();
    // The focus goes before the listener hears of the text, so that it finds the edit finished.
    releaseFocus();
    if (commit)
        valueChanged();
}

void CTextEdit::takeFocus()
{
    if (!editing_)
    {
        editing_ = true;
        editText_ = text_;
        cursor_ = editText_.size();
        setDirty();
    }
}

void CTextEdit::looseFocus() { endTextEdit(true); }

CMouseEventResult CTextEdit::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    beginTextEdit();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

int32_t CTextEdit::onKeyDown(VstKeyCode& key)
{
    if (!editing_)
        return -1;
    switch (key.virt)
    {
    case VKEY_RETURN:
    case VKEY_ENTER:
    case VKEY_TAB:
        endTextEdit(true);
        return 1;
    case VKEY_ESCAPE:
        endTextEdit(false);
        return 1;
    case VKEY_BACK:
        if (cursor_ > 0)
        {
            size_t start = cursor_ - 1;
            while (start > 0 && isContinuationByte(editText_[start]))
                --start;
            editText_.erase(start, cursor_ - start);
            cursor_ = start;
            setDirty();
        }
        return 1;
    case VKEY_DELETE:
        if (cursor_ < editText_.size())
        {
            size_t end = cursor_ + 1;
            while (end < editText_.size() && isContinuationByte(editText_[end]))
                ++end;
            editText_.erase(cursor_, end - cursor_);
            setDirty();
        }
        return 1;
    case VKEY_LEFT:
        while (cursor_ > 0 && isContinuationByte(editText_[--cursor_]))
        {
        }
        setDirty();
        return 1;
    case VKEY_RIGHT:
        if (cursor_ < editText_.size())
            while (++cursor_ < editText_.size() && isContinuationByte(editText_[cursor_]))
            {
            }
        setDirty();
        return 1;
    case VKEY_HOME:
        cursor_ = 0;
        setDirty();
        return 1;
    case VKEY_END:
        cursor_ = editText_.size();
        setDirty();
        return 1;
    case VKEY_SPACE:
        if (key.character == 0)
            key.character = ' ';
        break;
    case 0:
        break;
    default:
        return -1;
    }
    // Shortcuts belong to the host.
    if (key.modifier & (MODIFIER_CONTROL | MODIFIER_COMMAND))
        return -1;
    const std::string bytes = encodeUtf8(key.character);
    if (bytes.empty())
        return -1;
    if (editText_.size() + bytes.size() <= maxLength_)
    {
        editText_.insert(cursor_, bytes);
        cursor_ += bytes.size();
        setDirty();
    }
    return 1;
}

void CTextEdit::draw(CDrawContext* context)
{
    CParamDisplay::draw(context);
    if (!editing_ || (style_ & kNoDrawStyle))
        return;
    // The caret after the text before the cursor, placed as drawString places the whole text.
    context->setFont(font_);
    const CCoord textWidth = context->getStringWidth(editText_.c_str());
    CCoord x = size_.left;
    if (horiAlign_ == kCenterText)
        x = size_.left + (size_.getWidth() - textWidth) / 2;
    else if (horiAlign_ == kRightText)
        x = size_.right - textWidth;
    x += context->getStringWidth(editText_.substr(0, cursor_).c_str());
    context->setFrameColor(fontColor_);
    context->setLineWidth(1);
    context->setDrawMode(kAliasing);
    context->drawLine(CPoint(x, size_.top + 2), CPoint(x, size_.bottom - 3));
}

#include "gui/CControl.h"

#include "gui/CControlListener.h"
#include "gui/CFrame.h"
#include "gui/VSTGUIEditorInterface.h"

CControl::CControl(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background)
    : CView(size), listener_(listener), tag_(tag)
{
    setBackground(background);
}

CControl::CControl(const CControl& other)
    : CView(other),
      listener_(other.listener_),
      tag_(other.tag_),
      value_(other.value_.load()),
      min_(other.min_),
      max_(other.max_),
      defaultValue_(other.defaultValue_),
      wheelInc_(other.wheelInc_)
{
}

void CControl::setValue(float value)
{
    if (value_.exchange(value, std::memory_order_relaxed) != value)
        setDirty();
}

float CControl::getValueNormalized() const
{
    const float range = getRange();
    return range == 0.f ? 0.f : (getValue() - min_) / range;
}

void CControl::bounceValue()
{
    const float v = getValue();
    if (v > max_)
        setValue(max_);
    else if (v < min_)
        setValue(min_);
}

void CControl::valueChanged()
{
    setDirty();
    if (listener_)
        listener_->valueChanged(this);
}

void CControl::beginEdit()
{
    if (editing_++ > 0)
        return;
    if (frame_ && frame_->getEditor())
        frame_->getEditor()->beginEdit(tag_);
    if (listener_)
        listener_->controlBeginEdit(this);
}

void CControl::endEdit()
{
    if (editing_ <= 0 || --editing_ > 0)
        return;
    if (listener_)
        listener_->controlEndEdit(this);
    if (frame_ && frame_->getEditor())
        frame_->getEditor()->endEdit(tag_);
}

bool CControl::checkDefaultValue(const CButtonState& buttons)
{
    if (!buttons.isLeftButton() || !(buttons & kControl))
        return false;
    setValue(getDefaultValue());
    valueChanged();
    return true;
}

bool CControl::onWheel(const CPoint&, const float& distance, const CButtonState&)
{
    if (!mouseEnabled_)
        return false;
    setValue(getValue() + distance * wheelInc_);
    bounceValue();
    beginEdit();
    valueChanged();
    endEdit();
    return true;
}

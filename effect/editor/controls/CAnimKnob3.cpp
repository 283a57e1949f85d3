#include "effect/editor/controls/CAnimKnob3.h"

namespace {
constexpr float kPixelsPerRangeFactor = 1000.0f;
// Wheel distances beyond this count as one notch; smaller ones (fine-grained touch pads) as they are.
constexpr float kNotchThreshold = 0.1f;
}  // namespace

CAnimKnob3::CAnimKnob3(const CRect& size, CControlListener* listener, int32_t tag, int32_t frameCount,
                       CCoord frameHeight, CBitmap* background, const CPoint& offset)
    : CAnimKnob(size, listener, tag, frameCount, frameHeight, background, offset),
      frameCount_(frameCount)
{
}

void CAnimKnob3::setKnobSettings(float rangeFactor, float fineFactor, float wheelStep, float fineWheelFactor)
{
    rangeFactor_ = rangeFactor;
    fineFactor_ = fineFactor;
    wheelStep_ = wheelStep;
    fineWheelFactor_ = fineWheelFactor;
}

int32_t CAnimKnob3::getFrameIndex() const
{
    const float value = getValue();
    if (!(value > 0.0f) || frameCount_ <= 0)
        return 0;
    const int32_t index = static_cast<int32_t>(static_cast<float>(frameCount_ - 1) * value + 0.5f);
    return index < frameCount_ ? index : frameCount_ - 1;
}

void CAnimKnob3::takeDragScale(const CButtonState& buttons)
{
    fine_ = (buttons & kShift) != 0;
    rangePixels_ = rangeFactor_ * kPixelsPerRangeFactor * (fine_ ? fineFactor_ : 1.0f);
    valuePerPixel_ = rangePixels_ > 0.0f ? (getMax() - getMin()) / rangePixels_ : 0.0f;
}

CMouseEventResult CAnimKnob3::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton() || !listener_)
        return kMouseEventNotHandled;
    beginEdit();
    if ((buttons & kControl) || buttons.isDoubleClick()) {
        setValue(getDefaultValue());
        valueChanged();
        endEdit();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    dragging_ = true;
    dragStartValue_ = getValue();
    dragStart_ = where;
    dragButtons_ = buttons;
    takeDragScale(buttons);
    onMouseMoved(where, buttons);
    return kMouseEventHandled;
}

CMouseEventResult CAnimKnob3::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!dragging_ || !buttons.isLeftButton())
        return kMouseEventNotHandled;
    // Right and up both turn the knob up.
    const float distance = static_cast<float>((where.x - dragStart_.x) + (dragStart_.y - where.y));
    if (buttons != dragButtons_) {
        // Shift pressed or released: a new scale, and a start value moved so that the knob stays where it is.
        const float oldPerPixel = valuePerPixel_;
        takeDragScale(buttons);
        dragStartValue_ += (oldPerPixel - valuePerPixel_) * distance;
        dragButtons_ = buttons;
    }
    setValue(distance * valuePerPixel_ + dragStartValue_);
    bounceValue();
    valueChanged();
    return kMouseEventHandled;
}

CMouseEventResult CAnimKnob3::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    if (!dragging_)
        return kMouseEventNotHandled;
    dragging_ = false;
    valueChanged();
    invalid();
    endEdit();
    return kMouseEventHandled;
}

bool CAnimKnob3::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons)
{
    if (!getMouseEnabled())
        return false;
    float notches = distance;
    if (distance > kNotchThreshold)
        notches = 1.0f;
    else if (distance < -kNotchThreshold)
        notches = -1.0f;
    float step = wheelStep_;
    if (buttons & kShift)
        step *= fineWheelFactor_;
    setValue(getValue() + notches * step);
    bounceValue();
    beginEdit();
    valueChanged();
    endEdit();
    return true;
}

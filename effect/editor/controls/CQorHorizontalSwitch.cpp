#include "effect/editor/controls/CQorHorizontalSwitch.h"

#include "gui/CBitmap.h"

namespace {
constexpr float kNotchThreshold = 0.1f;
}

CQorHorizontalSwitch::CQorHorizontalSwitch(const CRect& size, CControlListener* listener, int32_t tag,
                                           int32_t positions, CCoord heightOfOneImage, CBitmap* background,
                                           const CPoint& offset)
    : CHorizontalSwitch(size, listener, tag, positions, heightOfOneImage, positions, background, offset),
      positions_(positions > 1 ? positions : 2),
      positionWidth_(0)
{
    takePositionWidth();
}

// One position is an equal share of the image's width.
void CQorHorizontalSwitch::takePositionWidth()
{
    const CCoord width = getBackground() ? getBackground()->getWidth() : getWidth();
    positionWidth_ = width / positions_;
}

float CQorHorizontalSwitch::clamped(float value) const
{
    if (value < getMin())
        return getMin();
    if (value > getMax())
        return getMax();
    return value;
}

CMouseEventResult CQorHorizontalSwitch::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (buttons.getButtonState() & (kRButton | kMButton) || !buttons.isLeftButton())
        return kMouseEventNotHandled;
    takePositionWidth();
    beginEdit();
    if (checkDefaultValue(buttons)) {
        endEdit();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    onMouseMoved(where, buttons);
    return kMouseEventHandled;
}

CMouseEventResult CQorHorizontalSwitch::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton() || !isEditing())
        return kMouseEventNotHandled;
    if (positionWidth_ <= 0)
        return kMouseEventHandled;
    const int32_t position = static_cast<int32_t>((where.x - getViewSize().left) / positionWidth_);
    const float share = static_cast<float>(position) / static_cast<float>(positions_ - 1);
    setValue(clamped(getMin() + share * (getMax() - getMin())));
    bounceValue();
    valueChanged();
    return kMouseEventHandled;
}

CMouseEventResult CQorHorizontalSwitch::onMouseUp(CPoint&, const CButtonState&)
{
    if (!isEditing())
        return kMouseEventNotHandled;
    endEdit();
    return kMouseEventHandled;
}

bool CQorHorizontalSwitch::onWheel(const CPoint&, const float& distance, const CButtonState&)
{
    if (!getMouseEnabled())
        return false;
    const float steps = static_cast<float>(positions_ - 1);
    float notches = distance;
    if (distance > kNotchThreshold)
        notches = 1.0f;
    else if (distance < -kNotchThreshold)
        notches = -1.0f;
    // Onto the nearest position, whatever value the host left.
    const float moved = getValue() + notches / steps;
    setValue(clamped(static_cast<float>(static_cast<int32_t>(steps * moved + 0.5f)) / steps));
    bounceValue();
    valueChanged();
    return true;
}

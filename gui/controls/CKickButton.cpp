#include "gui/controls/CKickButton.h"

#include "gui/CBitmap.h"

CKickButton::CKickButton(const CRect& size, CControlListener* listener, int32_t tag, CCoord heightOfOneImage,
                         CBitmap* background, const CPoint& offset)
    : CControl(size, listener, tag, background), heightOfOneImage_(heightOfOneImage), offset_(offset)
{
    defaultValue_ = 0.f;
}

void CKickButton::draw(CDrawContext* context)
{
    if (CBitmap* bitmap = getDrawBackground())
    {
        const CCoord y = getValue() == max_ ? heightOfOneImage_ : 0;
        bitmap->draw(context, size_, CPoint(offset_.x, offset_.y + y));
    }
    setDirty(false);
}

CMouseEventResult CKickButton::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    tracking_ = true;
    beginEdit();
    setValue(max_);
    valueChanged();
    return kMouseEventHandled;
}

CMouseEventResult CKickButton::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!tracking_ || !buttons.isLeftButton())
        return kMouseEventNotHandled;
    const float value = size_.pointInside(where) ? max_ : min_;
    if (value != getValue())
    {
        setValue(value);
        valueChanged();
    }
    return kMouseEventHandled;
}

CMouseEventResult CKickButton::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    if (!tracking_)
        return kMouseEventNotHandled;
    tracking_ = false;
    if (getValue() != min_)
    {
        setValue(min_);
        valueChanged();
    }
    endEdit();
    return kMouseEventHandled;
}

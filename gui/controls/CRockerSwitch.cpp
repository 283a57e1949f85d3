#include "gui/controls/CRockerSwitch.h"

#include "gui/CBitmap.h"

CRockerSwitch::CRockerSwitch(const CRect& size, CControlListener* listener, int32_t tag, CCoord heightOfOneImage,
                             CBitmap* background, const CPoint& offset, int32_t style)
    : CControl(size, listener, tag, background), heightOfOneImage_(heightOfOneImage), offset_(offset), style_(style)
{
    min_ = -1.f;
    max_ = 1.f;
    defaultValue_ = 0.f;
}

void CRockerSwitch::draw(CDrawContext* context)
{
    if (CBitmap* bitmap = getDrawBackground())
    {
        const float value = getValue();
        const int32_t index = value < 0 ? 0 : (value > 0 ? 2 : 1);
        bitmap->draw(context, size_, CPoint(offset_.x, offset_.y + index * heightOfOneImage_));
    }
    setDirty(false);
}

float CRockerSwitch::sideOf(const CPoint& where) const
{
    if (style_ & kVertical)
        return where.y < size_.getCenter().y ? -1.f : 1.f;
    return where.x < size_.getCenter().x ? -1.f : 1.f;
}

CMouseEventResult CRockerSwitch::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    beginEdit();
    setValue(sideOf(where));
    valueChanged();
    return kMouseEventHandled;
}

CMouseEventResult CRockerSwitch::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    if (!isEditing())
        return kMouseEventNotHandled;
    setValue(0.f);
    valueChanged();
    endEdit();
    return kMouseEventHandled;
}

bool CRockerSwitch::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons)
{
    if (!mouseEnabled_ || distance == 0.f)
        return false;
    beginEdit();
    setValue(distance > 0 ? 1.f : -1.f);
    valueChanged();
    setValue(0.f);
    valueChanged();
    endEdit();
    return true;
}

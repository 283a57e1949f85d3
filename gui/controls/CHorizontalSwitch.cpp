#include "gui/controls/CHorizontalSwitch.h"

#include <cmath>

#include "gui/CBitmap.h"

CHorizontalSwitch::CHorizontalSwitch(const CRect& size, CControlListener* listener, int32_t tag, int32_t subPixmaps,
                                     CCoord heightOfOneImage, int32_t maxPositions, CBitmap* background,
                                     const CPoint& offset)
    : CControl(size, listener, tag, background),
      subPixmaps_(subPixmaps),
      heightOfOneImage_(heightOfOneImage),
      maxPositions_(maxPositions),
      offset_(offset)
{
}

void CHorizontalSwitch::draw(CDrawContext* context)
{
    if (CBitmap* bitmap = getDrawBackground())
    {
        int32_t index = 0;
        if (subPixmaps_ > 1)
            index = static_cast<int32_t>((subPixmaps_ - 1) * getValueNormalized() + 0.5f);
        index = index < 0 ? 0 : (index >= subPixmaps_ ? subPixmaps_ - 1 : index);
        bitmap->draw(context, size_, CPoint(offset_.x, offset_.y + index * heightOfOneImage_));
    }
    setDirty(false);
}

float CHorizontalSwitch::valueAt(CCoord x) const
{
    if (maxPositions_ <= 1 || getWidth() <= 0)
        return min_;
    const CCoord widthOfOne = getWidth() / maxPositions_;
    auto position = static_cast<int32_t>(std::floor((x - size_.left) / widthOfOne));
    position = position < 0 ? 0 : (position >= maxPositions_ ? maxPositions_ - 1 : position);
    return min_ + static_cast<float>(position) / (maxPositions_ - 1) * getRange();
}

CMouseEventResult CHorizontalSwitch::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    beginEdit();
    if (checkDefaultValue(buttons))
    {
        endEdit();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    onMouseMoved(where, buttons);
    return kMouseEventHandled;
}

CMouseEventResult CHorizontalSwitch::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton() || !isEditing())
        return kMouseEventNotHandled;
    const float value = valueAt(where.x);
    if (value != getValue())
    {
        setValue(value);
        bounceValue();
        valueChanged();
    }
    return kMouseEventHandled;
}

CMouseEventResult CHorizontalSwitch::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    if (!isEditing())
        return kMouseEventNotHandled;
    endEdit();
    return kMouseEventHandled;
}

bool CHorizontalSwitch::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons)
{
    if (!mouseEnabled_ || maxPositions_ <= 1)
        return false;
    const float step = getRange() / (maxPositions_ - 1);
    const float position = std::round((getValue() - min_) / step) + (distance > 0 ? 1.f : -1.f);
    setValue(min_ + position * step);
    bounceValue();
    beginEdit();
    valueChanged();
    endEdit();
    return true;
}

#include "gui/controls/CAnimKnob.h"

#include "gui/CBitmap.h"

namespace
{
// Pixels of pointer travel for the whole range, and how much finer Shift makes it.
constexpr double kPixelsForRange = 200.0;
constexpr double kFineFactor = 10.0;
} // namespace

CAnimKnob::CAnimKnob(const CRect& size, CControlListener* listener, int32_t tag, int32_t subPixmaps,
                     CCoord heightOfOneImage, CBitmap* background, const CPoint& offset)
    : CControl(size, listener, tag, background),
      subPixmaps_(subPixmaps),
      heightOfOneImage_(heightOfOneImage),
      offset_(offset)
{
}

CAnimKnob::CAnimKnob(const CRect& size, CControlListener* listener, int32_t tag, CCoord heightOfOneImage,
                     CBitmap* background, const CPoint& offset)
    : CAnimKnob(size, listener, tag,
                background && heightOfOneImage > 0 ? static_cast<int32_t>(background->getHeight() / heightOfOneImage)
                                                   : 1,
                heightOfOneImage, background, offset)
{
}

int32_t CAnimKnob::getFrameIndex() const
{
    const float normalized = getValueNormalized();
    if (!(normalized > 0.f) || subPixmaps_ <= 1)
        return 0;
    const auto index = static_cast<int32_t>((subPixmaps_ - 1) * normalized + 0.5f);
    return index < subPixmaps_ ? index : subPixmaps_ - 1;
}

void CAnimKnob::drawSubPixmap(CDrawContext* context, int32_t index)
{
    if (CBitmap* bitmap = getDrawBackground())
        bitmap->draw(context, size_, CPoint(offset_.x, offset_.y + index * heightOfOneImage_));
}

void CAnimKnob::draw(CDrawContext* context)
{
    drawSubPixmap(context, getFrameIndex());
    setDirty(false);
}

CMouseEventResult CAnimKnob::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    beginEdit();
    if (checkDefaultValue(buttons))
    {
        endEdit();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    dragging_ = true;
    dragStartValue_ = getValue();
    dragStart_ = where;
    return kMouseEventHandled;
}

CMouseEventResult CAnimKnob::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!dragging_ || !buttons.isLeftButton())
        return kMouseEventNotHandled;
    double pixels = kPixelsForRange;
    if (buttons & kShift)
        pixels *= kFineFactor;
    const double distance = (where.x - dragStart_.x) + (dragStart_.y - where.y);
    setValue(static_cast<float>(dragStartValue_ + distance * getRange() / pixels));
    bounceValue();
    valueChanged();
    return kMouseEventHandled;
}

CMouseEventResult CAnimKnob::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    if (!dragging_)
        return kMouseEventNotHandled;
    dragging_ = false;
    endEdit();
    return kMouseEventHandled;
}

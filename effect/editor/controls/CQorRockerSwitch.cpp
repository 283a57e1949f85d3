#include "effect/editor/controls/CQorRockerSwitch.h"

#include "gui/CBitmap.h"

namespace {
constexpr int32_t kRockerImages = 5;
}

CQorRockerSwitch::CQorRockerSwitch(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background)
    : CRockerSwitch(size, listener, tag, background ? background->getHeight() / kRockerImages : size.getHeight(),
                    background)
{
    setMin(-1.0f);
    setMax(1.0f);
    setValue(0.0f);
}

int32_t CQorRockerSwitch::getImageIndex() const
{
    const float value = getValue();
    if (value == -1.0f)
        return 3;
    if (value == 1.0f)
        return 4;
    if (mouseOverSide_ < 0)
        return 1;
    if (mouseOverSide_ > 0)
        return 2;
    return 0;
}

void CQorRockerSwitch::draw(CDrawContext* context)
{
    if (CBitmap* bitmap = getDrawBackground())
        bitmap->draw(context, getViewSize(), CPoint(0, getHeightOfOneImage() * getImageIndex()));
    setDirty(false);
}

int32_t CQorRockerSwitch::sideAt(const CPoint& where) const
{
    return where.x < getViewSize().getCenter().x ? -1 : 1;
}

void CQorRockerSwitch::setMouseOverSide(int32_t side)
{
    if (side == mouseOverSide_)
        return;
    mouseOverSide_ = side;
    invalid();
}

CMouseEventResult CQorRockerSwitch::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    setValue(static_cast<float>(sideAt(where)));
    invalid();
    valueChanged();
    return kMouseEventHandled;
}

CMouseEventResult CQorRockerSwitch::onMouseUp(CPoint&, const CButtonState&)
{
    setValue(0.0f);
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CQorRockerSwitch::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (buttons.getButtonState() & (kLButton | kMButton | kRButton))
        return kMouseEventHandled;
    setMouseOverSide(sideAt(where));
    return kMouseEventHandled;
}

CMouseEventResult CQorRockerSwitch::onMouseEntered(CPoint& where, const CButtonState&)
{
    setMouseOverSide(sideAt(where));
    return kMouseEventHandled;
}

CMouseEventResult CQorRockerSwitch::onMouseExited(CPoint&, const CButtonState&)
{
    setMouseOverSide(0);
    return kMouseEventHandled;
}

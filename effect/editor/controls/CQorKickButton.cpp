#include "effect/editor/controls/CQorKickButton.h"

#include "effect/editor/controls/ThreeStateImage.h"

namespace {
constexpr float kCtrlDoubleClickValue = 0.5f;
}

CQorKickButton::CQorKickButton(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                               bool doubleClickOnly)
    : CKickButton(size, listener, tag, threeStateImageHeight(background, size.getHeight()), background),
      doubleClickOnly_(doubleClickOnly)
{
}

int32_t CQorKickButton::getImageIndex() const
{
    if (pressed_)
        return 2;
    return mouseOver_ ? 1 : 0;
}

void CQorKickButton::draw(CDrawContext* context) { drawThreeStateImage(*this, context, getImageIndex()); }

CMouseEventResult CQorKickButton::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    if (doubleClickOnly_ && !buttons.isDoubleClick())
        return kMouseEventNotHandled;
    pressed_ = true;
    setValue(doubleClickOnly_ && (buttons & kControl) ? kCtrlDoubleClickValue : 1.0f);
    valueChanged();
    invalid();
    return kMouseEventHandled;
}

// The command ran at the press; where the pointer goes until the release changes nothing.
CMouseEventResult CQorKickButton::onMouseMoved(CPoint&, const CButtonState& buttons)
{
    return pressed_ ? kMouseEventHandled : kMouseEventNotHandled;
}

CMouseEventResult CQorKickButton::onMouseUp(CPoint&, const CButtonState&)
{
    release();
    return kMouseEventHandled;
}

void CQorKickButton::release()
{
    setValue(0.0f);
    pressed_ = false;
    invalid();
}

CMouseEventResult CQorKickButton::onMouseEntered(CPoint&, const CButtonState&)
{
    mouseOver_ = true;
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CQorKickButton::onMouseExited(CPoint&, const CButtonState&)
{
    mouseOver_ = false;
    invalid();
    return kMouseEventHandled;
}

#include "effect/editor/controls/CSaveLoadButton.h"

#include "effect/editor/controls/ThreeStateImage.h"

namespace {
constexpr float kRightClickValue = 0.5f;
}

CSaveLoadButton::CSaveLoadButton(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background)
    : CKickButton(size, listener, tag, threeStateImageHeight(background, size.getHeight()), background)
{
}

int32_t CSaveLoadButton::getImageIndex() const
{
    if (getValue() != 0.0f)
        return 2;
    return mouseOver_ ? 1 : 0;
}

void CSaveLoadButton::draw(CDrawContext* context) { drawThreeStateImage(*this, context, getImageIndex()); }

CMouseEventResult CSaveLoadButton::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!(buttons.isLeftButton() || buttons.isRightButton()) || !listener_)
        return kMouseEventNotHandled;
    // The right button alone: any modifier makes it an ordinary click.
    setValue(buttons.getButtonState() == kRButton ? kRightClickValue : 1.0f);
    valueChanged();
    setValue(0.0f);
    invalid();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

CMouseEventResult CSaveLoadButton::onMouseMoved(CPoint&, const CButtonState&) { return kMouseEventNotHandled; }

CMouseEventResult CSaveLoadButton::onMouseUp(CPoint&, const CButtonState&) { return kMouseEventNotHandled; }

CMouseEventResult CSaveLoadButton::onMouseEntered(CPoint&, const CButtonState&)
{
    mouseOver_ = true;
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CSaveLoadButton::onMouseExited(CPoint&, const CButtonState&)
{
    mouseOver_ = false;
    invalid();
    return kMouseEventHandled;
}

#include "effect/editor/controls/QorOnOffButton.h"

#include <cstring>

#include "gui/CBitmap.h"

namespace {
constexpr int32_t kStates = 2;
}

QorOnOffButton::QorOnOffButton(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background)
    : CHorizontalSwitch(size, listener, tag, kStates, background ? background->getHeight() / kStates : size.getHeight(),
                        kStates, background)
{
}

void QorOnOffButton::draw(CDrawContext* context)
{
    if (CBitmap* bitmap = getDrawBackground()) {
        const CCoord offset = getValue() < 0.5f ? 0 : bitmap->getHeight() / kStates;
        bitmap->draw(context, getViewSize(), CPoint(0, offset));
    }
    setDirty(false);
}

void QorOnOffButton::toggle()
{
    beginEdit();
    valueChanged();
    setValue(static_cast<int32_t>(getValue() + 0.5f) != 0 ? 0.0f : 1.0f);
    bounceValue();
    valueChanged();
    endEdit();
}

CMouseEventResult QorOnOffButton::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton() || !listener_)
        return kMouseEventNotHandled;
    toggle();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

// The whole press is handled at once; a drag over the button selects nothing.
CMouseEventResult QorOnOffButton::onMouseMoved(CPoint&, const CButtonState&) { return kMouseEventNotHandled; }

CMouseEventResult QorOnOffButton::onMouseUp(CPoint&, const CButtonState&) { return kMouseEventNotHandled; }

bool QorOnOffButton::onWheel(const CPoint&, const float&, const CButtonState&)
{
    if (!getMouseEnabled())
        return false;
    toggle();
    return true;
}

bool QorOnOffButton::isTypeOf(const char* name) const
{
    return std::strcmp(name, "QorOnOffButton") == 0 || CControl::isTypeOf(name);
}

// A two-state button: its image holds the off state in the upper half and the on state in the lower half. A click or
// a wheel notch toggles it; the listener hears the old value, then the new one. GUI thread.
#pragma once

#include <cstdint>

#include "gui/controls/CHorizontalSwitch.h"

class QorOnOffButton : public CHorizontalSwitch
{
public:
    // The view is the image's width by half its height.
    QorOnOffButton(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background);

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;

    // Answers to its own name and to those of a plain control, not to the switch it is built on.
    bool isTypeOf(const char* name) const override;
    CBaseObject* newCopy() const override { return new QorOnOffButton(*this); }

private:
    void toggle();
};

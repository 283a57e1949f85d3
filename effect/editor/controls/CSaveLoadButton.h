// A load or save button of the preset strip (three stacked images: normal, mouse over, pressed). A left click
// notifies 1, a click with the right button alone 0.5 (the endian-reversed load); the value is back at 0 right after
// the notice. GUI thread.
#pragma once

#include <cstdint>

#include "gui/controls/CKickButton.h"

class CSaveLoadButton : public CKickButton
{
public:
    CSaveLoadButton(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background);

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseEntered(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons) override;

    bool isMouseOver() const { return mouseOver_; }
    // 0 normal, 1 mouse over, 2 pressed (while the value is not 0).
    int32_t getImageIndex() const;

private:
    bool mouseOver_ = false;
};

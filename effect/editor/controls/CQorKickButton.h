// A momentary button of the preset strip: its image holds three states stacked vertically (normal, mouse over,
// pressed). A press notifies value 1; a double-click-only button ignores single clicks and notifies 0.5 for a
// double-click with Ctrl. The release sets 0 without a notice. GUI thread.
#pragma once

#include <cstdint>

#include "gui/controls/CKickButton.h"

class CQorKickButton : public CKickButton
{
public:
    CQorKickButton(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                   bool doubleClickOnly = false);

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseEntered(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons) override;

    // Back to the normal state and redrawn, as a release does (for commands that keep the mouse, such as a
    // message box).
    void release();

    bool isPressed() const { return pressed_; }
    bool isMouseOver() const { return mouseOver_; }
    bool isDoubleClickOnly() const { return doubleClickOnly_; }
    // 0 normal, 1 mouse over, 2 pressed.
    int32_t getImageIndex() const;

private:
    bool mouseOver_ = false;
    bool doubleClickOnly_;
    bool pressed_ = false;
};

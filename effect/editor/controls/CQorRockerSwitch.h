// The program rocker: pressing its left half gives -1, its right half +1, the release 0. Its image holds five
// states stacked vertically: normal, mouse over the left half, over the right half, left pressed, right pressed.
// GUI thread.
#pragma once

#include <cstdint>

#include "gui/controls/CRockerSwitch.h"

class CQorRockerSwitch : public CRockerSwitch
{
public:
    CQorRockerSwitch(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background);

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseEntered(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons) override;

    // -1 over the left half, +1 over the right half, 0 when the pointer is elsewhere.
    int32_t getMouseOverSide() const { return mouseOverSide_; }
    int32_t getImageIndex() const;

private:
    int32_t sideAt(const CPoint& where) const;
    void setMouseOverSide(int32_t side);

    int32_t mouseOverSide_ = 0;
};

// A switch of n positions side by side (the Channel switch has three): the position under the pointer is chosen on
// press and while dragging, each wheel notch moves one position. Its image holds n states stacked vertically.
// GUI thread.
#pragma once

#include <cstdint>

#include "gui/controls/CHorizontalSwitch.h"

class CQorHorizontalSwitch : public CHorizontalSwitch
{
public:
    CQorHorizontalSwitch(const CRect& size, CControlListener* listener, int32_t tag, int32_t positions,
                         CCoord heightOfOneImage, CBitmap* background, const CPoint& offset = CPoint());

    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;

    CCoord getPositionWidth() const { return positionWidth_; }

private:
    void takePositionWidth();
    float clamped(float value) const;

    int32_t positions_;
    CCoord positionWidth_;
};

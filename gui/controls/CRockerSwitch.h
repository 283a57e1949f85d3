// A rocker: pressing its left (or top) half gives -1, its right (or bottom) half +1, releasing 0; the listener
// hears every change. The bitmap holds three images stacked vertically: -1, 0, +1.
#pragma once

#include <cstdint>

#include "gui/CControl.h"

enum CRockerStyle : int32_t
{
    kHorizontal = 1 << 0,
    kVertical = 1 << 1,
};

class CRockerSwitch : public CControl
{
public:
    CRockerSwitch(const CRect& size, CControlListener* listener, int32_t tag, CCoord heightOfOneImage,
                  CBitmap* background, const CPoint& offset = CPoint(), int32_t style = kHorizontal);
    CRockerSwitch(const CRockerSwitch& other) = default;

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    // A notch up presses +1, down -1, each followed by the release to 0.
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;

    // -1 for a point in the first half (left, or top for kVertical), +1 otherwise.
    float sideOf(const CPoint& where) const;
    CCoord getHeightOfOneImage() const { return heightOfOneImage_; }
    const CPoint& getOffset() const { return offset_; }
    int32_t getStyle() const { return style_; }

    QOR_GUI_TYPE_COPY(CRockerSwitch, CControl)

protected:
    CCoord heightOfOneImage_;
    CPoint offset_;
    int32_t style_;
};

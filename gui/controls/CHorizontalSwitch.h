// A switch of `maxPositions` positions side by side: a click or drag selects the position under the pointer
// (value min..max in equal steps); the bitmap holds `subPixmaps` images stacked vertically, the first for min.
#pragma once

#include <cstdint>

#include "gui/CControl.h"

class CHorizontalSwitch : public CControl
{
public:
    CHorizontalSwitch(const CRect& size, CControlListener* listener, int32_t tag, int32_t subPixmaps,
                      CCoord heightOfOneImage, int32_t maxPositions, CBitmap* background,
                      const CPoint& offset = CPoint());
    CHorizontalSwitch(const CHorizontalSwitch& other) = default;

    // Image (subPixmaps - 1) x normalised value + 0.5, truncated.
    void draw(CDrawContext* context) override;
    // Left button: begins an edit; Ctrl-click gives the default value and ends it; otherwise as a move.
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    // One position per notch.
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;

    int32_t getNumSubPixmaps() const { return subPixmaps_; }
    CCoord getHeightOfOneImage() const { return heightOfOneImage_; }
    int32_t getMaxPositions() const { return maxPositions_; }
    const CPoint& getOffset() const { return offset_; }

    QOR_GUI_TYPE_COPY(CHorizontalSwitch, CControl)

protected:
    // The value of the position under x.
    float valueAt(CCoord x) const;

    int32_t subPixmaps_;
    CCoord heightOfOneImage_;
    int32_t maxPositions_;
    CPoint offset_;
};

// A knob drawn from a film strip: the background bitmap holds `subPixmaps` images of `heightOfOneImage` stacked
// vertically, the first for the minimum. Dragging up or right increases the value (200 pixels for the full range,
// ten times finer with Shift); Ctrl-click sets the default value.
#pragma once

#include <cstdint>

#include "gui/CControl.h"

class CAnimKnob : public CControl
{
public:
    CAnimKnob(const CRect& size, CControlListener* listener, int32_t tag, int32_t subPixmaps, CCoord heightOfOneImage,
              CBitmap* background, const CPoint& offset = CPoint());
    // The image count is the bitmap's height divided by the image height.
    CAnimKnob(const CRect& size, CControlListener* listener, int32_t tag, CCoord heightOfOneImage, CBitmap* background,
              const CPoint& offset = CPoint());
    CAnimKnob(const CAnimKnob& other) = default;

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;

    // The image shown for the value: (count - 1) x normalised value + 0.5, truncated; 0 for values at or below min.
    virtual int32_t getFrameIndex() const;
    int32_t getNumSubPixmaps() const { return subPixmaps_; }
    void setNumSubPixmaps(int32_t count) { subPixmaps_ = count; }
    CCoord getHeightOfOneImage() const { return heightOfOneImage_; }
    void setHeightOfOneImage(CCoord height) { heightOfOneImage_ = height; }
    const CPoint& getOffset() const { return offset_; }

    QOR_GUI_TYPE_COPY(CAnimKnob, CControl)

protected:
    // Draws image `index` of the strip over the view.
    void drawSubPixmap(CDrawContext* context, int32_t index);

    int32_t subPixmaps_;
    CCoord heightOfOneImage_;
    CPoint offset_;
    // Drag state of the default mouse behaviour.
    bool dragging_ = false;
    float dragStartValue_ = 0.f;
    CPoint dragStart_;
};

// A momentary button: max while pressed, min when released, the listener told at both. The bitmap holds two images
// stacked vertically: released, pressed.
#pragma once

#include <cstdint>

#include "gui/CControl.h"

class CKickButton : public CControl
{
public:
    CKickButton(const CRect& size, CControlListener* listener, int32_t tag, CCoord heightOfOneImage,
                CBitmap* background, const CPoint& offset = CPoint());
    CKickButton(const CKickButton& other) = default;

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    // While held: pressed inside the button, released outside it (a release outside changes nothing).
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;

    CCoord getHeightOfOneImage() const { return heightOfOneImage_; }
    const CPoint& getOffset() const { return offset_; }

    QOR_GUI_TYPE_COPY(CKickButton, CControl)

protected:
    CCoord heightOfOneImage_;
    CPoint offset_;
    bool tracking_ = false;
};

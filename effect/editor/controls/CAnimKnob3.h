// The film-strip knob of the product: a drag of a set number of pixels covers the whole range (a finer one with
// Shift, changeable in mid-drag without a jump), Ctrl-click or double-click returns to the default, and wheel notches
// move by a set step (a finer one with Shift). GUI thread.
#pragma once

#include <cstdint>

#include "gui/controls/CAnimKnob.h"

class CAnimKnob3 : public CAnimKnob
{
public:
    // `frameCount` images of `frameHeight` pixels stacked in `background`.
    CAnimKnob3(const CRect& size, CControlListener* listener, int32_t tag, int32_t frameCount, CCoord frameHeight,
               CBitmap* background, const CPoint& offset = CPoint());

    // Pixels for the full range = rangeFactor x 1000 (x fineFactor with Shift); a wheel notch moves wheelStep
    // (x fineWheelFactor with Shift).
    void setKnobSettings(float rangeFactor, float fineFactor, float wheelStep, float fineWheelFactor);
    float getRangeFactor() const { return rangeFactor_; }
    float getFineFactor() const { return fineFactor_; }
    float getWheelStep() const { return wheelStep_; }
    float getFineWheelFactor() const { return fineWheelFactor_; }

    int32_t getFrameIndex() const override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;

private:
    // Sets the pixels for the full range and the value per pixel for a drag with these buttons.
    void takeDragScale(const CButtonState& buttons);

    float rangeFactor_ = 1.0f;
    float fineFactor_ = 5.0f;
    float wheelStep_ = 0.01f;
    float fineWheelFactor_ = 0.1f;
    int32_t frameCount_;

    // The drag's start value and point are the base's (dragStartValue_, dragStart_).
    float rangePixels_ = 1000.0f;
    float valuePerPixel_ = 0.001f;
    bool fine_ = false;
    CButtonState dragButtons_;
};

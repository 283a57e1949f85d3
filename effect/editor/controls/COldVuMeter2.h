// The gain-reduction needle meter: a face with the power lamp lit or dark, an antialiased needle from the pivot, a
// fading trail arc behind a moving needle, and a layer image drawn over the needle. Value -0.1..1.1; 0 points to the
// upper left, 1 to the upper right. GUI thread.
#pragma once

#include <cstdint>

#include "gui/CColor.h"
#include "gui/CControl.h"

class COldVuMeter2 : public CControl
{
public:
    // The face rectangle is the view's top-left with the lit face's size.
    COldVuMeter2(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* litFace, CBitmap* layer,
                 CBitmap* darkFace, const CPoint& pivot, CCoord innerRadius, CCoord outerRadius);
    COldVuMeter2(const COldVuMeter2& other);
    ~COldVuMeter2() override;
    COldVuMeter2& operator=(const COldVuMeter2&) = delete;

    void draw(CDrawContext* context) override;

    // Non-zero shows the lit face.
    void setLampState(int32_t state) { lampState_ = state; }
    int32_t getLampState() const { return lampState_; }

    // Where the needle for value v starts and ends (frame coordinates).
    CPoint needleStart(float v) const;
    CPoint needleEnd(float v) const;
    // The trail's alpha for a needle that moved from `previous` to `v`, and the needle's alpha that goes with it.
    static int32_t trailAlpha(float v, float previous);
    static int32_t needleAlpha(int32_t trailAlpha);

    const CRect& getFaceRect() const { return faceRect_; }
    const CPoint& getPivot() const { return pivot_; }
    float getLastDrawnValue() const { return lastValue_; }
    const CPoint& getLastNeedleStart() const { return lastStart_; }
    const CPoint& getLastNeedleEnd() const { return lastEnd_; }

    static constexpr CColor kNeedleColor{40, 35, 30};

    bool isTypeOf(const char* name) const override;
    CBaseObject* newCopy() const override { return new COldVuMeter2(*this); }

private:
    CPoint needlePoint(float v, CCoord radius) const;

    int32_t lampState_ = 1;
    CBitmap* litFace_;
    CBitmap* layer_;
    CBitmap* darkFace_;
    CPoint pivot_;
    CCoord innerRadius_;
    CCoord outerRadius_;
    CRect faceRect_;
    CPoint lastStart_;
    CPoint lastEnd_;
    float lastValue_ = 0.0f;
    bool drawn_ = false;
};

#include "effect/editor/controls/COldVuMeter2.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "gui/CBitmap.h"
#include "gui/CDrawContext.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr CCoord kNeedleWidth = 2;
constexpr double kTrailAlpha = 200.0;
// How fast the trail fades with the angle the needle swept, per degree.
constexpr double kTrailFadePerDegree = 0.77;
constexpr double kNeedleAlphaExponent = 0.7;

// v = 0 at 135 degrees (upper left), v = 1 at 45 degrees (upper right), anticlockwise from the x axis.
double needleAngle(double v) { return 3.0 * kPi / 4.0 - (kPi / 2.0) * v; }

// The draw context counts arc angles from 12 o'clock.
double arcDegrees(double radians) { return radians * 180.0 / kPi - 90.0; }

void keep(CBitmap* bitmap)
{
    if (bitmap)
        bitmap->remember();
}

void release(CBitmap* bitmap)
{
    if (bitmap)
        bitmap->forget();
}

}  // namespace

COldVuMeter2::COldVuMeter2(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* litFace,
                           CBitmap* layer, CBitmap* darkFace, const CPoint& pivot, CCoord innerRadius,
                           CCoord outerRadius)
    : CControl(size, listener, tag),
      litFace_(litFace),
      layer_(layer),
      darkFace_(darkFace),
      pivot_(pivot),
      innerRadius_(innerRadius),
      outerRadius_(outerRadius)
{
    keep(litFace_);
    keep(layer_);
    keep(darkFace_);
    const CPoint faceSize = litFace_ ? CPoint(litFace_->getWidth(), litFace_->getHeight()) : size.getSize();
    faceRect_ = CRect(size.getTopLeft(), faceSize);
}

COldVuMeter2::COldVuMeter2(const COldVuMeter2& other)
    : CControl(other),
      lampState_(other.lampState_),
      litFace_(other.litFace_),
      layer_(other.layer_),
      darkFace_(other.darkFace_),
      pivot_(other.pivot_),
      innerRadius_(other.innerRadius_),
      outerRadius_(other.outerRadius_),
      faceRect_(other.faceRect_),
      lastStart_(other.lastStart_),
      lastEnd_(other.lastEnd_),
      lastValue_(other.lastValue_),
      drawn_(other.drawn_)
{
    keep(litFace_);
    keep(layer_);
    keep(darkFace_);
}

COldVuMeter2::~COldVuMeter2()
{
    release(litFace_);
    release(layer_);
    release(darkFace_);
}

CPoint COldVuMeter2::needlePoint(float v, CCoord radius) const
{
    const double theta = needleAngle(v);
    return CPoint(pivot_.x + 0.5 + radius * std::cos(theta), pivot_.y + 0.5 - radius * std::sin(theta));
}

CPoint COldVuMeter2::needleStart(float v) const { return needlePoint(v, innerRadius_); }

CPoint COldVuMeter2::needleEnd(float v) const { return needlePoint(v, outerRadius_); }

int32_t COldVuMeter2::trailAlpha(float v, float previous)
{
    const double trailValue = static_cast<double>(v) + (static_cast<double>(v) - previous) / 2.0;
    const double swept = std::fabs(arcDegrees(needleAngle(v)) - arcDegrees(needleAngle(trailValue)));
    return static_cast<int32_t>(kTrailAlpha * std::pow(kTrailFadePerDegree, swept));
}

int32_t COldVuMeter2::needleAlpha(int32_t trailAlpha)
{
    return static_cast<int32_t>(255.0 * std::pow(trailAlpha / 255.0, kNeedleAlphaExponent));
}

void COldVuMeter2::draw(CDrawContext* context)
{
    const float v = getValue();
    const float previous = drawn_ ? lastValue_ : v;
    const CPoint start = needleStart(v);
    const CPoint end = needleEnd(v);
    if (context) {
        const CDrawMode oldMode = context->getDrawMode();
        const CCoord oldWidth = context->getLineWidth();
        const CColor oldColor = context->getFrameColor();
        context->setDrawMode(kAntiAliasing);
        context->setLineWidth(kNeedleWidth);

        if (CBitmap* face = lampState_ != 0 ? litFace_ : darkFace_)
            face->draw(context, faceRect_);

        // The trail runs from the needle back to half the way it moved since the last drawing.
        const double needleDegrees = arcDegrees(needleAngle(v));
        const double trailDegrees = arcDegrees(needleAngle(v + (v - previous) / 2.0));
        const int32_t arcAlpha = trailAlpha(v, previous);
        const CCoord cx = pivot_.x + 0.5;
        const CCoord cy = pivot_.y + 0.5;
        CColor color = kNeedleColor;
        color.alpha = static_cast<uint8_t>(std::clamp(arcAlpha, 0, 255));
        context->setFrameColor(color);
        context->drawArc(CRect(cx - outerRadius_, cy - outerRadius_, cx + outerRadius_, cy + outerRadius_),
                         static_cast<float>(std::min(needleDegrees, trailDegrees)),
                         static_cast<float>(std::max(needleDegrees, trailDegrees)));

        color.alpha = static_cast<uint8_t>(std::clamp(needleAlpha(arcAlpha), 0, 255));
        context->setFrameColor(color);
        context->drawLine(start, end);

        if (layer_)
            layer_->draw(context, faceRect_);

        context->setDrawMode(oldMode);
        context->setLineWidth(oldWidth);
        context->setFrameColor(oldColor);
    }
    lastStart_ = start;
    lastEnd_ = end;
    lastValue_ = v;
    drawn_ = true;
    setDirty(false);
}

bool COldVuMeter2::isTypeOf(const char* name) const
{
    return std::strcmp(name, "COldVuMeter2") == 0 || CControl::isTypeOf(name);
}

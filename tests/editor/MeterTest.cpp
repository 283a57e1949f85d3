// The gain-reduction meter: needle end points and alphas by hand-computed numbers, and the same on offscreen renders
// (needle pixels, the trail behind a moving needle, the lamp's two faces, the layer over the needle).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "effect/editor/controls/COldVuMeter2.h"
#include "tests/editor/EditorTestSupport.h"

namespace {

using editortest::Rig;

constexpr double kPi = 3.14159265358979323846;

constexpr CRect kMeter{392, 34, 537, 179};
constexpr CPoint kPivot{463, 143};
const CColor kLitFace{255, 255, 255};
const CColor kDarkFace{60, 60, 60};
const CColor kLayerMark{250, 0, 0};
// Layer rows (face coordinates) painted opaque: frame rows 84 to 88.
constexpr int32_t kLayerTop = 50;
constexpr int32_t kLayerBottom = 55;

struct MeterRig : Rig<COldVuMeter2>
{
    MeterRig()
    {
        CBitmap* lit = editortest::solidBitmap(145, 145, kLitFace, "meterlit");
        CBitmap* dark = editortest::solidBitmap(145, 145, kDarkFace, "meterdark");
        RgbaImage layerImage = editortest::blankImage(145, 145);
        editortest::fill(layerImage, kLayerTop, kLayerBottom, kLayerMark);
        const std::vector<uint8_t> png = editortest::pngBytes(layerImage, "meterlayer");
        CBitmap* layer = new CBitmap(png.data(), png.size());
        add(new COldVuMeter2(kMeter, &listener, 18, lit, layer, dark, kPivot, 3, 76));
        lit->forget();
        dark->forget();
        layer->forget();
        control->setMin(-0.1f);
        control->setMax(1.2f);
    }
    // Draws the value once more, so that the trail behind it starts from `previous`.
    RgbaImage render(float previous, float value)
    {
        control->setValue(previous);
        frame->renderOffscreen();
        control->setValue(value);
        return frame->renderOffscreen();
    }
};

// The colour drawn with `alpha` over the lit face.
CColor overFace(int32_t alpha)
{
    const auto mix = [alpha](int ink, int face) { return uint8_t((ink * alpha + face * (255 - alpha)) / 255.0 + 0.5); };
    return CColor(mix(40, 255), mix(35, 255), mix(30, 255));
}

TEST(MeterGeometry, NeedleRunsFromTheInnerToTheOuterRadius)
{
    struct Case
    {
        float v;
        CPoint start, end;
    };
    const std::vector<Case> cases = {
        {0.5f, {463.5, 140.5}, {463.5, 67.5}},
        {0.0f, {461.378680, 141.378680}, {409.759942, 89.759942}},
        {1.0f, {465.621320, 141.378680}, {517.240058, 89.759942}},
        {-0.1f, {461.072949, 141.736645}, {402.014706, 98.828349}},
        {1.1f, {465.927051, 141.736645}, {524.985294, 98.828349}},
    };
    MeterRig rig;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.v);
        const CPoint start = rig.control->needleStart(c.v);
        const CPoint end = rig.control->needleEnd(c.v);
        EXPECT_NEAR(start.x, c.start.x, 1e-4);
        EXPECT_NEAR(start.y, c.start.y, 1e-4);
        EXPECT_NEAR(end.x, c.end.x, 1e-4);
        EXPECT_NEAR(end.y, c.end.y, 1e-4);
    }
}

TEST(MeterGeometry, TrailAndNeedleFadeWithTheAngleSwept)
{
    struct Case
    {
        float previous, v;
        int32_t trail, needle;
    };
    // Half the movement, in degrees (90 per unit), fades the trail by 0.77 per degree from 200.
    const std::vector<Case> cases = {
        {0.5f, 0.5f, 200, 215},  {0.4f, 0.5f, 61, 93},  {0.6f, 0.5f, 61, 93},
        {0.49f, 0.5f, 177, 197}, {0.0f, 1.0f, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.previous) + " to " + std::to_string(c.v));
        const int32_t trail = COldVuMeter2::trailAlpha(c.v, c.previous);
        EXPECT_EQ(trail, c.trail);
        EXPECT_EQ(COldVuMeter2::needleAlpha(trail), c.needle);
    }
}

TEST(MeterRender, StillNeedleIsDrawnAtAlpha215AlongItsWholeLength)
{
    MeterRig rig;
    const RgbaImage image = rig.render(0.5f, 0.5f);
    ASSERT_FALSE(image.empty());
    const CColor needle = overFace(215);
    // The vertical needle covers x 462.5 to 464.5 from y 67.5 (outer end) to 140.5 (inner end).
    for (const int32_t y : {68, 100, 139}) {
        EXPECT_TRUE(editortest::near(image.getPixel(463, y), needle, 4))
            << y << ": " << editortest::describe(image.getPixel(463, y));
    }
    for (const CPoint p : {CPoint(463, 65), CPoint(463, 142), CPoint(468, 100), CPoint(458, 100)})
        EXPECT_TRUE(editortest::near(image.getPixel(int32_t(p.x), int32_t(p.y)), kLitFace))
            << p.x << ", " << p.y << ": " << editortest::describe(image.getPixel(int32_t(p.x), int32_t(p.y)));
    // The layer image lies over the needle.
    EXPECT_TRUE(editortest::near(image.getPixel(463, 34 + kLayerTop + 2), kLayerMark));
}

TEST(MeterRender, NeedleEndPointsFollowTheValue)
{
    for (const float v : {0.0f, 0.25f, 1.0f, -0.1f, 1.1f}) {
        SCOPED_TRACE(v);
        MeterRig rig;
        const RgbaImage image = rig.render(v, v);
        // One pixel in from the outer end, and the middle of the needle, lie on it.
        const double theta = 3.0 * kPi / 4.0 - kPi / 2.0 * v;
        for (const double r : {75.0, 40.0}) {
            const int32_t x = int32_t(std::floor(463.5 + r * std::cos(theta)));
            const int32_t y = int32_t(std::floor(143.5 - r * std::sin(theta)));
            const CColor pixel = image.getPixel(x, y);
            EXPECT_LT(pixel.red, 160) << r << " at " << x << ", " << y << ": " << editortest::describe(pixel);
        }
        // Nothing of the needle beyond its outer end (the face, or the layer's mark).
        const int32_t x = int32_t(std::floor(463.5 + 80 * std::cos(theta)));
        const int32_t y = int32_t(std::floor(143.5 - 80 * std::sin(theta)));
        EXPECT_GT(image.getPixel(x, y).red, 240) << editortest::describe(image.getPixel(x, y));
    }
}

TEST(MeterRender, MovingNeedleLeavesAFainterTrailOnTheOuterCircle)
{
    MeterRig rig;
    const RgbaImage image = rig.render(0.5f, 0.6f);
    // The trail runs from the needle (81 degrees) back to 76.5 degrees at radius 76: its middle near (478.3, 69.0).
    const CColor trail = image.getPixel(478, 68);
    EXPECT_TRUE(editortest::near(trail, overFace(61), 8)) << editortest::describe(trail);
    // The needle itself at alpha 93, 40 pixels out.
    const CColor needle = image.getPixel(469, 103);
    EXPECT_TRUE(editortest::near(needle, overFace(93), 8)) << editortest::describe(needle);
    EXPECT_FLOAT_EQ(rig.control->getLastDrawnValue(), 0.6f);
    EXPECT_NEAR(rig.control->getLastNeedleEnd().x, 463.5 + 76 * std::cos(81.0 * kPi / 180.0), 1e-4);
}

TEST(MeterRender, LampStateChoosesTheFace)
{
    MeterRig rig;
    EXPECT_EQ(rig.control->getLampState(), 1);
    EXPECT_TRUE(editortest::near(rig.render(0.5f, 0.5f).getPixel(420, 160), kLitFace));
    rig.control->setLampState(0);
    EXPECT_TRUE(editortest::near(rig.render(0.5f, 0.5f).getPixel(420, 160), kDarkFace));
}

TEST(MeterRender, AnswersTheTypeQueryAsItsOwnClassAndCopies)
{
    MeterRig rig;
    for (const char* name : {"COldVuMeter2", "CControl", "CView", "CBaseObject"})
        EXPECT_TRUE(rig.control->isTypeOf(name)) << name;
    CBaseObject* copy = rig.control->newCopy();
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->isTypeOf("COldVuMeter2"));
    EXPECT_EQ(static_cast<COldVuMeter2*>(copy)->getFaceRect(), kMeter);
    copy->forget();
}

}  // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gui/CDrawContext.h"
#include "gui/CFrame.h"
#include "gui/IOffscreenSurface.h"
#include "gui/controls/CAnimKnob.h"
#include "gui/controls/CParamDisplay.h"
#include "tests/gui/GuiTestSupport.h"

namespace
{

using guitest::describe;
using guitest::near;

constexpr CColor kGreen{0, 200, 0};

// Fills more than its own rectangle (the frame must clip it) and draws a one-pixel line.
struct PainterView : CView
{
    explicit PainterView(const CRect& size) : CView(size) {}
    void draw(CDrawContext* context) override
    {
        context->setFillColor(kGreen);
        context->drawRect(CRect(5, 5, 35, 25), kDrawFilled);
        context->setFrameColor(kBlackCColor);
        context->drawLine(CPoint(10, 20), CPoint(30, 20));
        setDirty(false);
    }
};

void expectPixel(const RgbaImage& image, int x, int y, const CColor& expected)
{
    const CColor actual = image.getPixel(x, y);
    EXPECT_TRUE(near(actual, expected)) << "pixel " << x << "," << y << " is " << describe(actual) << ", expected "
                                        << describe(expected);
}

TEST(OffscreenRender, FrameDrawsBackgroundThenViewsClippedToThemselves)
{
    RgbaImage art = guitest::solidImage(40, 30, kRedCColor);
    guitest::fillRows(art, 15, 30, kBlueCColor);
    CBitmap* background = guitest::bitmapOf(art, "frame-background");
    ASSERT_TRUE(background->isLoaded());

    auto* frame = new CFrame(CRect(0, 0, 40, 30), nullptr);
    frame->setBackground(background);
    background->forget();
    frame->addView(new PainterView(CRect(10, 5, 30, 25)));

    const RgbaImage image = frame->renderOffscreen();
    ASSERT_EQ(image.width, 40);
    ASSERT_EQ(image.height, 30);
    expectPixel(image, 2, 2, kRedCColor);
    expectPixel(image, 2, 28, kBlueCColor);
    expectPixel(image, 7, 10, kRedCColor);   // the view's fill beyond its left edge is clipped away
    expectPixel(image, 32, 22, kBlueCColor); // ... and beyond its right edge
    expectPixel(image, 10, 5, kGreen);
    expectPixel(image, 29, 24, kGreen);
    expectPixel(image, 15, 20, kBlackCColor); // the line covers exactly row 20
    expectPixel(image, 15, 19, kGreen);
    expectPixel(image, 15, 21, kGreen);

    // A part of the frame: the same pixels, cropped.
    const RgbaImage part = frame->renderOffscreen(CRect(10, 15, 20, 25));
    ASSERT_EQ(part.width, 10);
    ASSERT_EQ(part.height, 10);
    expectPixel(part, 5, 5, kBlackCColor);
    expectPixel(part, 0, 0, kGreen);

    // Written as a PNG and read back, the render is the same image.
    const std::vector<uint8_t> png = guitest::pngBytes(image, "frame-render");
    CBitmap decoded(png.data(), png.size());
    EXPECT_EQ(decoded.getWidth(), 40);
    EXPECT_EQ(decoded.getHeight(), 30);
    frame->forget();
}

TEST(OffscreenRender, FilmStripKnobShowsTheImageOfItsValue)
{
    RgbaImage strip = guitest::solidImage(10, 30, kRedCColor);
    guitest::fillRows(strip, 10, 20, kGreen);
    guitest::fillRows(strip, 20, 30, kBlueCColor);
    CBitmap* bitmap = guitest::bitmapOf(strip, "strip");
    auto* frame = new CFrame(CRect(0, 0, 20, 20), nullptr);
    auto* knob = new CAnimKnob(CRect(5, 5, 15, 15), nullptr, 0, 10, bitmap);
    bitmap->forget();
    frame->addView(knob);
    EXPECT_EQ(knob->getNumSubPixmaps(), 3);
    const struct
    {
        float value;
        CColor colour;
    } cases[] = {{0.f, kRedCColor}, {0.24f, kRedCColor}, {0.25f, kGreen}, {0.5f, kGreen}, {0.8f, kBlueCColor},
                 {1.f, kBlueCColor}};
    for (const auto& c : cases)
    {
        knob->setValue(c.value);
        const RgbaImage image = frame->renderOffscreen();
        SCOPED_TRACE(c.value);
        expectPixel(image, 5, 5, c.colour);
        expectPixel(image, 14, 14, c.colour);
        EXPECT_EQ(image.getPixel(4, 4).alpha, 0) << "outside the knob nothing is drawn";
    }
    frame->forget();
}

TEST(OffscreenRender, AlphaArcsAndTextFollowTheContextState)
{
    auto surface = createOffscreenSurface(60, 60);
    ASSERT_NE(surface, nullptr);
    CDrawContext& context = surface->getDrawContext();
    context.setFillColor(kBlackCColor);
    context.drawRect(CRect(0, 0, 60, 60), kDrawFilled);

    // Half-transparent white bitmap over black: mid grey.
    CBitmap* white = guitest::bitmapOf(guitest::solidImage(10, 10, kWhiteCColor), "white");
    context.drawBitmap(white, CRect(0, 0, 10, 10), CPoint(), 0.5f);
    context.setGlobalAlpha(0.5f);
    context.drawBitmap(white, CRect(10, 0, 20, 10), CPoint(), 0.5f);
    context.setGlobalAlpha(1.f);
    white->forget();

    // Angles count anticlockwise from 12 o'clock: 0..90 is the upper-left quarter of the circle.
    context.setDrawMode(kAntiAliasing);
    context.setLineWidth(3);
    context.setFrameColor(kRedCColor);
    context.drawArc(CRect(20, 20, 60, 60), 0, 90);

    // Text clipped away entirely leaves the pixels alone.
    context.setClipRect(CRect(0, 50, 10, 60));
    context.setFontColor(kGreen);
    context.drawString("Qor", CRect(20, 10, 60, 20), kLeftText);
    context.resetClipRect();

    const RgbaImage image = surface->readPixels();
    const CColor half = image.getPixel(5, 5);
    EXPECT_NEAR(half.red, 128, 2);
    EXPECT_NEAR(image.getPixel(15, 5).red, 64, 2);
    const double r = 20;
    const auto at = [&](double degrees) {
        const double a = degrees * 3.14159265358979 / 180.0;
        return image.getPixel(static_cast<int>(40 - r * std::sin(a)), static_cast<int>(40 - r * std::cos(a)));
    };
    EXPECT_GT(at(45).red, 200) << "upper left is on the arc";
    EXPECT_EQ(at(-45).red, 0) << "upper right is not";
    EXPECT_EQ(at(135).red, 0) << "lower left is not";
    for (int y = 10; y < 20; ++y)
        for (int x = 20; x < 60; ++x)
            ASSERT_EQ(image.getPixel(x, y).green, 0) << "clipped text drew at " << x << "," << y;

    // Arial is drawn with a metric-compatible face: an "i" is 0.222 em wide.
    context.setFont(CFontDesc("Arial", 100));
    EXPECT_NEAR(context.getStringWidth("i"), 22.2, 1.0);
    context.setFont(kNormalFontSmall);
    EXPECT_GT(context.getStringWidth("Threshold"), 30);
}

TEST(OffscreenRender, ParamDisplayDrawsItsTextInTheFontColour)
{
    auto* frame = new CFrame(CRect(0, 0, 60, 20), nullptr);
    auto* display = new CParamDisplay(CRect(0, 0, 60, 20));
    display->setStyle(kNoFrame);
    display->setBackColor(kBlackCColor);
    display->setFontColor(kWhiteCColor);
    display->setFont(CFontDesc("Arial", 14));
    display->setStringConvert([](float value, char* text) { std::snprintf(text, 256, "%+.1f", value * 48 - 36); });
    display->setValue(0.5f);
    frame->addView(display);
    char text[CParamDisplay::kTextCapacity];
    display->getDisplayText(text);
    EXPECT_STREQ(text, "-12.0");

    const RgbaImage image = frame->renderOffscreen();
    int lit = 0;
    int leftmost = 60;
    int rightmost = -1;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            if (image.getPixel(x, y).red > 128)
            {
                ++lit;
                leftmost = std::min(leftmost, x);
                rightmost = std::max(rightmost, x);
            }
    EXPECT_GT(lit, 20) << "the text is drawn";
    EXPECT_NEAR((leftmost + rightmost) / 2.0, 30, 3) << "and centred";
    frame->forget();
}

} // namespace

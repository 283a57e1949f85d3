// The drawing conventions every backend keeps (cairo natively, GDI+ in the Windows build), checked on offscreen
// renders: where strokes, fills, arcs, text and bitmap parts land, so that the editor looks the same on both.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "gui/CBitmap.h"
#include "gui/CDrawContext.h"
#include "gui/IOffscreenSurface.h"
#include "tests/gui/GuiTestSupport.h"

namespace
{

using guitest::describe;
using guitest::near;

constexpr CColor kNone{0, 0, 0, 0};
constexpr CColor kGreen{0, 200, 0};

std::unique_ptr<IOffscreenSurface> surfaceOf(int32_t width, int32_t height)
{
    auto surface = createOffscreenSurface(width, height);
    EXPECT_NE(surface, nullptr);
    return surface;
}

// "#" where the pixel is (near) the colour, "." elsewhere, for a row range: readable failure output.
std::string rowsOf(const RgbaImage& image, int32_t top, int32_t bottom, const CColor& colour)
{
    std::string text;
    for (int32_t y = top; y < bottom; ++y)
    {
        for (int32_t x = 0; x < image.width; ++x)
            text += near(image.getPixel(x, y), colour, 8) ? '#' : '.';
        text += '\n';
    }
    return text;
}

struct Bounds
{
    int left = 1 << 20;
    int top = 1 << 20;
    int right = -1;
    int bottom = -1;
    int count = 0;
};

// The box around every pixel whose alpha is at least half.
Bounds drawnBounds(const RgbaImage& image)
{
    Bounds b;
    for (int32_t y = 0; y < image.height; ++y)
        for (int32_t x = 0; x < image.width; ++x)
            if (image.getPixel(x, y).alpha >= 128)
            {
                b.left = std::min(b.left, x);
                b.top = std::min(b.top, y);
                b.right = std::max(b.right, x + 1);
                b.bottom = std::max(b.bottom, y + 1);
                ++b.count;
            }
    return b;
}

TEST(DrawConventions, FillsCoverTheirRectangleAndStrokesLieInsideIt)
{
    const struct
    {
        CDrawStyle style;
        int lineWidth;
        const char* rows; // rows 0..7 of a 10 x 8 surface, rectangle 2, 1, 8, 7
    } cases[] = {
        {kDrawFilled, 1,
         "..........\n"
         "..######..\n"
         "..######..\n"
         "..######..\n"
         "..######..\n"
         "..######..\n"
         "..######..\n"
         "..........\n"},
        {kDrawStroked, 1,
         "..........\n"
         "..######..\n"
         "..#....#..\n"
         "..#....#..\n"
         "..#....#..\n"
         "..#....#..\n"
         "..######..\n"
         "..........\n"},
        {kDrawStroked, 2,
         "..........\n"
         "..######..\n"
         "..######..\n"
         "..##..##..\n"
         "..##..##..\n"
         "..######..\n"
         "..######..\n"
         "..........\n"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE("style " + std::to_string(c.style) + ", width " + std::to_string(c.lineWidth));
        auto surface = surfaceOf(10, 8);
        CDrawContext& context = surface->getDrawContext();
        context.setLineWidth(c.lineWidth);
        context.setFillColor(kGreen);
        context.setFrameColor(kGreen);
        context.drawRect(CRect(2, 1, 8, 7), c.style);
        EXPECT_EQ(rowsOf(surface->readPixels(), 0, 8, kGreen), c.rows);
    }
}

TEST(DrawConventions, AliasedLinesCoverThePixelsOfTheirCoordinates)
{
    auto surface = surfaceOf(8, 6);
    CDrawContext& context = surface->getDrawContext();
    context.setFrameColor(kGreen);
    context.drawLine(CPoint(1, 2), CPoint(7, 2));
    context.drawLine(CPoint(3, 3), CPoint(3, 6));
    EXPECT_EQ(rowsOf(surface->readPixels(), 0, 6, kGreen),
              "........\n"
              "........\n"
              ".######.\n"
              "...#....\n"
              "...#....\n"
              "...#....\n");
}

TEST(DrawConventions, PieSlicesRunAnticlockwiseFromStartToEnd)
{
    // Angles anticlockwise from 12 o'clock. Each case fills a slice of a circle of radius 20 around (20, 20) and
    // names the quarters (upper left, lower left, lower right, upper right) that must be filled.
    const struct
    {
        float start;
        float end;
        bool upperLeft;
        bool lowerLeft;
        bool lowerRight;
        bool upperRight;
    } cases[] = {
        {0, 90, true, false, false, false},
        {90, 180, false, true, false, false},
        {-90, 0, false, false, false, true},
        {270, 90, true, false, false, true},   // through 12 o'clock: the upper half
        {90, 270, false, true, true, false},   // through 6 o'clock: the lower half
        {0, 360, true, true, true, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.start) + " to " + std::to_string(c.end));
        auto surface = surfaceOf(40, 40);
        CDrawContext& context = surface->getDrawContext();
        context.setDrawMode(kAntiAliasing);
        context.setFillColor(kGreen);
        context.drawArc(CRect(0, 0, 40, 40), c.start, c.end, kDrawFilled);
        const RgbaImage image = surface->readPixels();
        EXPECT_EQ(image.getPixel(12, 12).alpha == 255, c.upperLeft);
        EXPECT_EQ(image.getPixel(12, 28).alpha == 255, c.lowerLeft);
        EXPECT_EQ(image.getPixel(28, 28).alpha == 255, c.lowerRight);
        EXPECT_EQ(image.getPixel(28, 12).alpha == 255, c.upperRight);
    }
}

TEST(DrawConventions, BitmapPartsFromAnOffsetAndNothingBeyondTheBitmap)
{
    // A strip of three 10 x 10 frames: red, green, blue.
    RgbaImage art = guitest::solidImage(10, 30, kRedCColor);
    guitest::fillRows(art, 10, 20, kGreen);
    guitest::fillRows(art, 20, 30, kBlueCColor);
    CBitmap* strip = guitest::bitmapOf(art, "convention-strip");
    ASSERT_TRUE(strip->isLoaded());
    auto surface = surfaceOf(20, 20);
    CDrawContext& context = surface->getDrawContext();
    // From the middle of the green frame, into a destination larger than what is left of the strip.
    context.drawBitmap(strip, CRect(2, 1, 20, 20), CPoint(0, 15));
    strip->forget();
    const RgbaImage image = surface->readPixels();
    const struct
    {
        int x;
        int y;
        CColor colour;
    } pixels[] = {
        {2, 1, kGreen},  {11, 5, kGreen}, {2, 6, kBlueCColor}, {11, 15, kBlueCColor},
        {2, 16, kNone},  // below the strip's end
        {12, 5, kNone},  // right of the strip
        {1, 5, kNone},   // left of the destination
        {5, 0, kNone},   // above it
    };
    for (const auto& p : pixels)
        EXPECT_TRUE(near(image.getPixel(p.x, p.y), p.colour))
            << p.x << "," << p.y << " is " << describe(image.getPixel(p.x, p.y)) << ", expected "
            << describe(p.colour);
}

TEST(DrawConventions, DecodedPngKeepsItsColoursAndAlpha)
{
    RgbaImage art = guitest::solidImage(4, 3, CColor(200, 100, 50, 255));
    guitest::fillRows(art, 1, 2, CColor(10, 220, 130, 128));
    guitest::fillRows(art, 2, 3, kNone);
    CBitmap* bitmap = guitest::bitmapOf(art, "convention-alpha");
    ASSERT_TRUE(bitmap->isLoaded());
    EXPECT_EQ(bitmap->getWidth(), 4);
    EXPECT_EQ(bitmap->getHeight(), 3);
    auto surface = surfaceOf(4, 3);
    surface->getDrawContext().drawBitmap(bitmap, CRect(0, 0, 4, 3));
    bitmap->forget();
    const RgbaImage image = surface->readPixels();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_TRUE(near(image.getPixel(x, y), art.getPixel(x, y)))
                << x << "," << y << " is " << describe(image.getPixel(x, y)) << ", expected "
                << describe(art.getPixel(x, y));
}

TEST(DrawConventions, BytesThatAreNotAPngGiveAnEmptyBitmap)
{
    const std::vector<uint8_t> png = guitest::pngBytes(guitest::solidImage(2, 2, kRedCColor), "convention-cut");
    ASSERT_GT(png.size(), 40u);
    const std::vector<uint8_t> cut(png.begin(), png.begin() + 40);
    const uint8_t bmp[] = {'B', 'M', 0x3A, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0, 0x28, 0};
    const struct
    {
        const char* name;
        const uint8_t* data;
        size_t size;
    } cases[] = {
        {"a truncated PNG", cut.data(), cut.size()},
        {"a BMP header", bmp, sizeof bmp},
        {"nothing", nullptr, 0},
    };
    for (const auto& c : cases)
    {
        CBitmap bitmap(c.data, c.size);
        EXPECT_FALSE(bitmap.isLoaded()) << c.name;
        EXPECT_EQ(bitmap.getWidth(), 0) << c.name;
    }
}

TEST(DrawConventions, TextSitsInItsRectangleByAlignment)
{
    const struct
    {
        CHoriTxtAlign align;
        int expectedLeft;  // -1: no constraint
        int expectedRight; // -1: no constraint
    } cases[] = {
        {kLeftText, 10, -1},
        {kRightText, -1, 110},
        {kCenterText, -1, -1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE("alignment " + std::to_string(c.align));
        auto surface = surfaceOf(120, 40);
        CDrawContext& context = surface->getDrawContext();
        context.setFont(CFontDesc("Arial", 14));
        context.setFontColor(kBlackCColor);
        const CRect box(10, 10, 110, 30);
        context.drawString("HHHH", box, c.align);
        const Bounds drawn = drawnBounds(surface->readPixels());
        ASSERT_GT(drawn.count, 20);
        if (c.expectedLeft >= 0)
        {
            EXPECT_NEAR(drawn.left, c.expectedLeft, 3);
        }
        if (c.expectedRight >= 0)
        {
            EXPECT_NEAR(drawn.right, c.expectedRight, 3);
        }
        if (c.align == kCenterText)
        {
            EXPECT_NEAR((drawn.left + drawn.right) / 2.0, 60, 2);
        }
        // Capitals of a 14-pixel font stand about 10 pixels tall, centred on the box.
        EXPECT_NEAR(drawn.bottom - drawn.top, 10, 2);
        EXPECT_NEAR((drawn.top + drawn.bottom) / 2.0, 20, 2.5);
    }
}

} // namespace

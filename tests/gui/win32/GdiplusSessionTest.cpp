// GDI+ runs while anything of the backend needs it, and is shut down after the last user.
#include <gtest/gtest.h>

#include "gui/CBitmap.h"
#include "gui/IOffscreenSurface.h"
#include "gui/win32/GdiplusSession.h"
#include "tests/gui/GuiTestSupport.h"

namespace
{

TEST(GdiplusSession, HeldByBitmapsAndSurfacesAndReleasedWithTheLast)
{
    const int before = GdiplusSession::activeCount();
    {
        const std::vector<uint8_t> png = guitest::pngBytes(guitest::solidImage(3, 3, kRedCColor), "session");
        EXPECT_EQ(GdiplusSession::activeCount(), before) << "writing a file holds GDI+ only while it writes";
        auto* decoded = new CBitmap(png.data(), png.size());
        ASSERT_TRUE(decoded->isLoaded());
        auto* empty = new CBitmap(4, 4);
        ASSERT_TRUE(empty->isLoaded());
        auto surface = createOffscreenSurface(8, 8);
        ASSERT_NE(surface, nullptr);
        EXPECT_EQ(GdiplusSession::activeCount(), before + 3);

        // Drawing after the other users are gone still works: the surface keeps GDI+ running.
        surface->getDrawContext().drawBitmap(decoded, CRect(0, 0, 3, 3));
        decoded->forget();
        empty->forget();
        EXPECT_EQ(GdiplusSession::activeCount(), before + 1);
        const RgbaImage image = surface->readPixels();
        EXPECT_EQ(image.getPixel(1, 1), kRedCColor);
    }
    EXPECT_EQ(GdiplusSession::activeCount(), before);

    // And it starts again for the next user.
    CBitmap again(2, 2);
    EXPECT_TRUE(again.isLoaded());
}

TEST(GdiplusSession, UndecodableBytesHoldNothing)
{
    const int before = GdiplusSession::activeCount();
    const uint8_t notPng[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 1, 2, 3};
    CBitmap bitmap(notPng, sizeof notPng);
    EXPECT_FALSE(bitmap.isLoaded());
    EXPECT_EQ(GdiplusSession::activeCount(), before);
}

} // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/CFrame.h"
#include "gui/controls/COptionMenu.h"
#include "gui/controls/COptionMenuPopup.h"
#include "gui/controls/CSplashScreen.h"
#include "tests/gui/GuiTestSupport.h"

namespace
{

class ModalFixture : public testing::Test
{
protected:
    void SetUp() override { frame = new CFrame(CRect(0, 0, 300, 200), nullptr); }
    void TearDown() override { frame->forget(); }

    void click(const CPoint& at, int32_t buttons = kLButton)
    {
        CPoint p = at;
        frame->onMouseDown(p, buttons);
        p = at;
        frame->onMouseUp(p, 0);
    }

    guitest::RecordingListener listener;
    CFrame* frame = nullptr;
};

TEST_F(ModalFixture, OptionMenuChoosesFromItsPopupList)
{
    auto* menu = new COptionMenu(CRect(20, 170, 40, 184), &listener, 32);
    for (const char* title : {"Zero", "One", "-", "Three", "Four"})
        menu->addEntry(title);
    menu->setNbItemsPerColumn(2);
    menu->setCurrent(1);
    frame->addView(menu);
    EXPECT_FLOAT_EQ(menu->getMax(), 4.f);
    EXPECT_STREQ(menu->getCurrentTitle(), "One");

    click(CPoint(25, 175)); // opens; its own release chooses nothing
    ASSERT_TRUE(menu->isPopupOpen());
    auto* popup = static_cast<COptionMenuPopup*>(frame->getModalView());
    ASSERT_TRUE(popup->isTypeOf("COptionMenuPopup"));
    EXPECT_EQ(popup->getRows(), 2);
    EXPECT_EQ(popup->getColumns(), 3);
    EXPECT_TRUE(CRect(frame->getBounds()).bound(popup->getViewSize()) == popup->getViewSize())
        << "the list fits inside the frame";
    EXPECT_EQ(popup->entryAt(popup->entryRect(2).getCenter()), -1) << "a separator cannot be chosen";
    EXPECT_TRUE(listener.values.empty());

    // Press on one entry, release on another: nothing.
    CPoint p = popup->entryRect(3).getCenter();
    frame->onMouseDown(p, kLButton);
    p = popup->entryRect(4).getCenter();
    frame->onMouseUp(p, 0);
    EXPECT_TRUE(menu->isPopupOpen());
    click(popup->entryRect(3).getCenter());
    EXPECT_FALSE(menu->isPopupOpen());
    EXPECT_EQ(frame->getModalView(), nullptr);
    EXPECT_EQ(menu->getCurrent(), 3);
    EXPECT_EQ(listener.values, std::vector<float>({3.f}));

    // A press outside the list closes it; so does Escape.
    click(CPoint(25, 175));
    ASSERT_TRUE(menu->isPopupOpen());
    click(CPoint(290, 5));
    EXPECT_FALSE(menu->isPopupOpen());
    click(CPoint(25, 175));
    VstKeyCode escape{0, VKEY_ESCAPE, 0};
    EXPECT_EQ(frame->onKeyDown(escape), 1);
    EXPECT_FALSE(menu->isPopupOpen());
    EXPECT_EQ(listener.values.size(), 1u);

    // Entry titles can change; an open list goes away with its menu.
    EXPECT_TRUE(menu->setEntryTitle(3, "Drei"));
    EXPECT_STREQ(menu->getCurrentTitle(), "Drei");
    EXPECT_TRUE(menu->checkEntryAlone(3));
    EXPECT_TRUE(menu->isCheckEntry(3));
    EXPECT_FALSE(menu->isCheckEntry(1));
    click(CPoint(25, 175));
    popup = static_cast<COptionMenuPopup*>(frame->getModalView()); // a new list each time
    ASSERT_NE(popup, nullptr);
    const RgbaImage open = frame->renderOffscreen(popup->getViewSize());
    EXPECT_FALSE(open.empty());
    frame->removeView(menu);
    EXPECT_EQ(frame->getModalView(), nullptr);
}

TEST_F(ModalFixture, OptionMenuListIsDrawnOverTheFrame)
{
    auto* menu = new COptionMenu(CRect(10, 10, 30, 24), &listener, 32);
    for (int i = 0; i < 48; ++i)
        menu->addEntry(("Program " + std::to_string(i)).c_str());
    frame->addView(menu);
    click(CPoint(15, 15));
    auto* popup = static_cast<COptionMenuPopup*>(frame->getModalView());
    ASSERT_NE(popup, nullptr);
    EXPECT_GE(popup->getRows() * popup->getColumns(), 48);
    const CRect list = popup->getViewSize();
    EXPECT_LE(list.bottom, 200);
    EXPECT_LE(list.right, 300);
    const RgbaImage image = frame->renderOffscreen();
    const CColor inside = image.getPixel(static_cast<int>(list.right) - 3, static_cast<int>(list.bottom) - 3);
    EXPECT_EQ(inside.alpha, 255) << "the list is opaque";
    EXPECT_EQ(image.getPixel(static_cast<int>(list.right) + 2, static_cast<int>(list.top) + 2).alpha, 0)
        << "beyond it the frame (no background) stays transparent";
}

TEST_F(ModalFixture, SplashScreenShowsItsViewUntilClickedAway)
{
    CBitmap* about = guitest::bitmapOf(guitest::solidImage(300, 200, kRedCColor), "about");
    auto* splash = new CSplashScreen(CRect(100, 100, 200, 130), &listener, 19, about, CRect(0, 0, 300, 200));
    about->forget();
    auto* other = new CControl(CRect(0, 0, 50, 50), &listener, 1);
    frame->addView(other);
    frame->addView(splash);

    click(CPoint(150, 110));
    EXPECT_TRUE(splash->isSplashing());
    EXPECT_EQ(frame->getModalView(), splash->getSplashView());
    EXPECT_FLOAT_EQ(splash->getValue(), 1.f);
    const RgbaImage shown = frame->renderOffscreen();
    EXPECT_TRUE(guitest::near(shown.getPixel(10, 10), kRedCColor)) << "the splash covers the frame";

    click(CPoint(10, 10)); // lands on the splash view, which closes it
    EXPECT_FALSE(splash->isSplashing());
    EXPECT_EQ(frame->getModalView(), nullptr);
    EXPECT_FLOAT_EQ(splash->getValue(), 0.f);
    EXPECT_EQ(listener.values, std::vector<float>({1.f, 0.f})) << "the control under the splash heard nothing";
    EXPECT_EQ(frame->renderOffscreen().getPixel(10, 10).alpha, 0);

    // Splashing again and removing the control takes the splash down with it.
    click(CPoint(150, 110));
    EXPECT_TRUE(splash->isSplashing());
    frame->removeView(splash);
    EXPECT_EQ(frame->getModalView(), nullptr);
}

} // namespace

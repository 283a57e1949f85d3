// An invisible control over an area of the panel: a left click sets its value to 1 and shows the splash view over
// the frame as its modal view; unSplash (by default a click on the splash view) sets the value back to min,
// removes the view and tells the listener at both.
#pragma once

#include <cstdint>

#include "gui/CControl.h"

class CSplashScreen : public CControl
{
public:
    // The splash view draws `background` from `offset` over `toDisplay`.
    CSplashScreen(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                  const CRect& toDisplay, const CPoint& offset = CPoint());
    // Shows `splashView`, which should call unSplash when it wants to close (the control keeps its own reference).
    CSplashScreen(const CRect& size, CControlListener* listener, int32_t tag, CView* splashView);
    CSplashScreen(const CSplashScreen&) = delete;
    ~CSplashScreen() override;

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    bool removed(CView* parent) override;

    // Shows the splash view as the frame's modal view; false when not in a frame or another modal view is set.
    virtual bool splash();
    virtual void unSplash();
    bool isSplashing() const;

    CView* getSplashView() const { return splashView_; }
    const CRect& getDisplayArea() const { return toDisplay_; }
    const CPoint& getDisplayOffset() const { return offset_; }

    QOR_GUI_TYPE(CSplashScreen, CControl)

protected:
    CView* splashView_ = nullptr;
    CRect toDisplay_;
    CPoint offset_;
};

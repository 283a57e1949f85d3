#include "effect/editor/controls/CAbout.h"

#include "effect/editor/controls/CSplashScreenMyView.h"
#include "gui/CFrame.h"

CAbout::CAbout(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
               const CRect& toDisplay, const CPoint& offset, const CPoint& versionPosition)
    : CSplashScreen(size, listener, tag, background, toDisplay, offset), versionPosition_(versionPosition)
{
}

CMouseEventResult CAbout::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    setValue(getValue() != 0.0f ? 0.0f : 1.0f);
    if (getValue() != 0.0f) {
        CFrame* frame = getFrame();
        auto* view = new CSplashScreenMyView(this, getDisplayArea(), getBackground(), getDisplayOffset(),
                                             versionPosition_);
        // The frame keeps the view's only reference: it goes with the frame if the window closes while it shows.
        if (!frame || !frame->setModalView(view))
            setValue(0.0f);
        view->forget();
    }
    valueChanged();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

// The About box: an invisible area of the panel that, clicked, shows the About image with the version over the
// whole window (as the frame's modal view, a CSplashScreenMyView) until that is clicked. GUI thread.
#pragma once

#include <cstdint>

#include "gui/controls/CSplashScreen.h"

class CAbout : public CSplashScreen
{
public:
    // The About image `background` is shown from `offset` over `toDisplay`, the version text at `versionPosition`
    // inside it.
    CAbout(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background, const CRect& toDisplay,
           const CPoint& offset, const CPoint& versionPosition);

    // A left click toggles the value; on 1 the About screen is shown. Its own click un-splashes (the value back to 0,
    // the listener told) and removes it.
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;

    const CPoint& getVersionPosition() const { return versionPosition_; }

private:
    CPoint versionPosition_;
};

// The About screen: the About image over the window with the version text, shown as the frame's modal view while its
// CAbout is on. A left click hides it again. GUI thread.
#pragma once

#include <cstdint>

#include "gui/CControl.h"

class CAbout;

class CSplashScreenMyView : public CControl
{
public:
    CSplashScreenMyView(CAbout* about, const CRect& size, CBitmap* background, const CPoint& offset,
                        const CPoint& versionPosition);

    void draw(CDrawContext* context) override;
    // Un-splashes its CAbout, marks the frame dirty and removes itself from the frame, which releases it.
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;

    // The box the version text is drawn in, in frame coordinates.
    CRect versionBox() const;

    bool isTypeOf(const char* name) const override;
    CBaseObject* newCopy() const override { return new CSplashScreenMyView(*this); }

private:
    CAbout* about_;
    CPoint versionPosition_;
};

#include "effect/editor/controls/CSplashScreenMyView.h"

#include <cstring>

#include "effect/editor/controls/CAbout.h"
#include "gui/CBitmap.h"
#include "gui/CDrawContext.h"
#include "gui/CFrame.h"

namespace {
constexpr const char* kVersionText = "v.1.0.0";
constexpr CCoord kVersionWidth = 100;
constexpr CCoord kVersionHeight = 15;
}  // namespace

CSplashScreenMyView::CSplashScreenMyView(CAbout* about, const CRect& size, CBitmap* background, const CPoint& offset,
                                         const CPoint& versionPosition)
    : CControl(size, nullptr, -1, background), about_(about), versionPosition_(versionPosition)
{
    setBackOffset(offset);
}

CRect CSplashScreenMyView::versionBox() const
{
    const CRect& size = getViewSize();
    const CCoord left = size.left + versionPosition_.x;
    const CCoord top = size.top + versionPosition_.y;
    return CRect(left, top, left + kVersionWidth, top + kVersionHeight);
}

void CSplashScreenMyView::draw(CDrawContext* context)
{
    if (CBitmap* bitmap = getDrawBackground())
        bitmap->draw(context, getViewSize(), getBackOffset());
    if (context) {
        context->setFont(kNormalFontBig);
        context->setFontColor(kWhiteCColor);
        context->drawString(kVersionText, versionBox(), kLeftText);
    }
    setDirty(false);
}

CMouseEventResult CSplashScreenMyView::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    CFrame* frame = getFrame();
    if (about_)
        about_->unSplash();
    if (frame) {
        frame->setDirty(true);
        // The frame held the view's last reference: nothing of this object may be used after this line.
        frame->setModalView(nullptr);
    }
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

bool CSplashScreenMyView::isTypeOf(const char* name) const
{
    return std::strcmp(name, "CSplashScreenMyView") == 0 || CControl::isTypeOf(name);
}

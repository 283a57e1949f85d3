#include "gui/controls/CSplashScreen.h"

#include "gui/CBitmap.h"
#include "gui/CFrame.h"

namespace
{
// The default splash view: the splash screen's bitmap over the display area; a click closes it.
class SplashView : public CView
{
public:
    SplashView(CSplashScreen* owner, const CRect& area, CBitmap* bitmap, const CPoint& offset)
        : CView(area), owner_(owner)
    {
        setBackground(bitmap);
        setBackOffset(offset);
    }

    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override
    {
        if (!buttons.isLeftButton())
            return kMouseEventNotHandled;
        if (owner_)
            owner_->unSplash();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }

    // The owner holds this view, not the other way round: it detaches itself before it goes.
    void detach() { owner_ = nullptr; }

    QOR_GUI_TYPE(SplashView, CView)

private:
    CSplashScreen* owner_;
};
} // namespace

CSplashScreen::CSplashScreen(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                             const CRect& toDisplay, const CPoint& offset)
    : CControl(size, listener, tag, background), toDisplay_(toDisplay), offset_(offset)
{
    splashView_ = new SplashView(this, toDisplay, background, offset);
    defaultValue_ = 0.f;
}

CSplashScreen::CSplashScreen(const CRect& size, CControlListener* listener, int32_t tag, CView* splashView)
    : CControl(size, listener, tag), splashView_(splashView)
{
    if (splashView_)
    {
        splashView_->remember();
        toDisplay_ = splashView_->getViewSize();
    }
    defaultValue_ = 0.f;
}

CSplashScreen::~CSplashScreen()
{
    if (splashView_)
    {
        if (splashView_->isTypeOf("SplashView"))
            static_cast<SplashView*>(splashView_)->detach();
        splashView_->forget();
    }
}

void CSplashScreen::draw(CDrawContext*) { setDirty(false); }

bool CSplashScreen::isSplashing() const
{
    return splashView_ && frame_ && frame_->getModalView() == splashView_;
}

bool CSplashScreen::splash()
{
    if (!frame_ || !splashView_)
        return false;
    if (!isSplashing() && !frame_->setModalView(splashView_))
        return false;
    setValue(max_);
    valueChanged();
    return true;
}

void CSplashScreen::unSplash()
{
    if (isSplashing())
    {
        frame_->setModalView(nullptr);
        frame_->setDirty();
    }
    if (getValue() != min_)
    {
        setValue(min_);
        valueChanged();
    }
}

CMouseEventResult CSplashScreen::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    if (getValue() == min_)
        splash();
    else
        unSplash();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

bool CSplashScreen::removed(CView* parent)
{
    if (isSplashing())
        frame_->setModalView(nullptr);
    return CControl::removed(parent);
}

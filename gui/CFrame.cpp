#include "gui/CFrame.h"

#include <algorithm>

#include "gui/CBitmap.h"
#include "gui/CDrawContext.h"
#include "gui/IOffscreenSurface.h"
#include "gui/VSTGUIEditorInterface.h"

namespace
{
// Keeps a view alive while one of its handlers runs: a handler may remove the view from the frame.
class KeepAlive
{
public:
    explicit KeepAlive(CBaseObject* object) : object_(object)
    {
        if (object_)
            object_->remember();
    }
    ~KeepAlive()
    {
        if (object_)
            object_->forget();
    }
    KeepAlive(const KeepAlive&) = delete;
    KeepAlive& operator=(const KeepAlive&) = delete;

private:
    CBaseObject* object_;
};
} // namespace

CFrame::CFrame(const CRect& size, VSTGUIEditorInterface* editor) : CView(size), editor_(editor)
{
    frame_ = this;
}

CFrame::~CFrame()
{
    close();
    setModalView(nullptr);
    focusView_ = nullptr;
    removeAll(true);
}

bool CFrame::open(void* parentWindow)
{
    if (platformFrame_)
        return true;
    return open(createPlatformFrame(this, parentWindow, size_));
}

bool CFrame::open(std::unique_ptr<IPlatformFrame> platformFrame)
{
    if (!platformFrame)
        return false;
    platformFrame_ = std::move(platformFrame);
    invalid();
    return true;
}

void CFrame::close()
{
    mouseDownView_ = nullptr;
    mouseOverView_ = nullptr;
    platformFrame_.reset();
}

void* CFrame::getSystemWindow() const { return platformFrame_ ? platformFrame_->getNativeHandle() : nullptr; }

bool CFrame::addView(CView* view)
{
    if (!view || view == this || isChild(view) || view == modalView_)
        return false;
    views_.push_back(view);
    view->attached(this);
    view->setDirty();
    return true;
}

bool CFrame::addView(CView* view, const CRect& mouseableArea, bool mouseEnabled)
{
    if (!addView(view))
        return false;
    view->setMouseableArea(mouseableArea);
    view->setMouseEnabled(mouseEnabled);
    return true;
}

bool CFrame::removeView(CView* view, bool withForget)
{
    const auto it = std::find(views_.begin(), views_.end(), view);
    if (it == views_.end())
        return false;
    views_.erase(it);
    forgetViewState(view);
    invalidRect(view->getViewSize());
    view->removed(this);
    if (withForget)
        view->forget();
    return true;
}

bool CFrame::removeAll(bool withForget)
{
    // Last added first, each removed before its handler runs, so that a view's removed() sees a consistent frame.
    while (!views_.empty())
        removeView(views_.back(), withForget);
    return true;
}

bool CFrame::isChild(const CView* view) const
{
    return std::find(views_.begin(), views_.end(), view) != views_.end();
}

CView* CFrame::getView(int32_t index) const
{
    if (index < 0 || index >= getNbViews())
        return nullptr;
    return views_[static_cast<size_t>(index)];
}

CView* CFrame::getViewAt(const CPoint& where, bool mouseEnabledOnly) const
{
    for (auto it = views_.rbegin(); it != views_.rend(); ++it)
    {
        CView* v = *it;
        if (!v->isVisible())
            continue;
        if (mouseEnabledOnly ? (v->getMouseEnabled() && v->hitTest(where)) : v->getViewSize().pointInside(where))
            return v;
    }
    return nullptr;
}

CView* CFrame::findMouseTarget(const CPoint& where, const CButtonState& buttons) const
{
    for (auto it = views_.rbegin(); it != views_.rend(); ++it)
        if ((*it)->isVisible() && (*it)->getMouseEnabled() && (*it)->hitTest(where, buttons))
            return *it;
    return nullptr;
}

bool CFrame::setModalView(CView* view)
{
    if (view == modalView_)
        return true;
    if (view && modalView_)
        return false;
    if (modalView_)
    {
        CView* old = modalView_;
        modalView_ = nullptr;
        forgetViewState(old);
        invalidRect(old->getViewSize());
        old->removed(this);
        old->forget();
    }
    // A capture or hover from before the change must not outlive it.
    mouseDownView_ = nullptr;
    if (mouseOverView_)
    {
        CView* over = mouseOverView_;
        mouseOverView_ = nullptr;
        KeepAlive keep(over);
        CPoint where = lastMouse_;
        over->onMouseExited(where, CButtonState());
    }
    if (view)
    {
        view->remember();
        modalView_ = view;
        view->attached(this);
        view->setDirty();
        invalidRect(view->getViewSize());
    }
    else
    {
        // The views under the closed modal view need to know where the pointer is again.
        setDirty();
    }
    return true;
}

void CFrame::setFocusView(CView* view)
{
    if (view == focusView_)
        return;
    CView* old = focusView_;
    focusView_ = view;
    if (old)
    {
        KeepAlive keep(old);
        old->looseFocus();
    }
    // looseFocus may have moved the focus on.
    if (view && focusView_ == view)
    {
        if (platformFrame_)
            platformFrame_->takeFocus();
        view->takeFocus();
    }
}

void CFrame::forgetViewState(CView* view)
{
    if (mouseDownView_ == view)
        mouseDownView_ = nullptr;
    if (mouseOverView_ == view)
        mouseOverView_ = nullptr;
    if (focusView_ == view)
        focusView_ = nullptr;
}

void CFrame::idle()
{
    KeepAlive keep(this);
    invalidateDirtyViews();
    if (platformFrame_)
        platformFrame_->processEvents();
    // Changes made by the events just handled: painted by the window's next pass.
    invalidateDirtyViews();
}

void CFrame::invalidateDirtyViews()
{
    if (!platformFrame_)
        return;
    if (isDirty())
    {
        invalid();
        for (CView* v : views_)
            v->setDirty(false);
        if (modalView_)
            modalView_->setDirty(false);
        return;
    }
    for (CView* v : views_)
        if (v->isDirty())
            v->invalid();
    if (modalView_ && modalView_->isDirty())
        modalView_->invalid();
}

void CFrame::invalid()
{
    setDirty(false);
    invalidRect(getBounds());
}

void CFrame::invalidRect(const CRect& rect)
{
    if (!platformFrame_)
        return;
    const CRect r = rect.intersection(getBounds());
    if (!r.isEmpty())
        platformFrame_->invalidRect(r);
}

bool CFrame::setSize(CCoord width, CCoord height)
{
    CRect newSize = size_;
    newSize.setWidth(width).setHeight(height);
    if (newSize == size_)
        return true;
    if (editor_ && !editor_->beforeSizeChange(newSize, size_))
        return false;
    size_ = newSize;
    mouseableArea_ = newSize;
    if (platformFrame_)
        platformFrame_->setSize(newSize);
    invalid();
    return true;
}

void CFrame::draw(CDrawContext* context) { drawRect(context, getBounds()); }

void CFrame::drawChild(CDrawContext* context, CView* view, const CRect& region)
{
    if (!view->isVisible() || !view->getViewSize().rectOverlap(region))
        return;
    const CRect clip = region.intersection(view->getViewSize());
    context->setClipRect(clip);
    // Drawing state a view left behind must not leak into the next one.
    context->setGlobalAlpha(1.f);
    context->setLineWidth(1);
    context->setDrawMode(kAliasing);
    view->drawRect(context, clip);
}

void CFrame::drawRect(CDrawContext* context, const CRect& updateRect)
{
    if (!context)
        return;
    const CRect region = updateRect.intersection(getBounds());
    if (region.isEmpty())
        return;
    KeepAlive keep(this);
    const CRect oldClip = context->getClipRect();
    context->setClipRect(region);
    if (CBitmap* background = getDrawBackground())
        background->draw(context, getBounds(), backOffset_);
    for (size_t i = 0; i < views_.size(); ++i)
        drawChild(context, views_[i], region);
    if (modalView_)
        drawChild(context, modalView_, region);
    context->setClipRect(oldClip);
    if (region == getBounds())
        setDirty(false);
}

RgbaImage CFrame::renderOffscreen() { return renderOffscreen(getBounds()); }

RgbaImage CFrame::renderOffscreen(const CRect& area)
{
    const CRect bounds = getBounds();
    const auto width = static_cast<int32_t>(bounds.getWidth() + 0.5);
    const auto height = static_cast<int32_t>(bounds.getHeight() + 0.5);
    auto surface = createOffscreenSurface(width, height);
    if (!surface)
        return {};
    drawRect(&surface->getDrawContext(), area);
    RgbaImage whole = surface->readPixels();
    // Whole pixels the area touches, inside the frame.
    const auto left = std::max<int32_t>(0, static_cast<int32_t>(area.left));
    const auto top = std::max<int32_t>(0, static_cast<int32_t>(area.top));
    const auto right = std::min<int32_t>(whole.width, static_cast<int32_t>(area.right + 0.999));
    const auto bottom = std::min<int32_t>(whole.height, static_cast<int32_t>(area.bottom + 0.999));
    if (left == 0 && top == 0 && right == whole.width && bottom == whole.height)
        return whole;
    RgbaImage part;
    if (right <= left || bottom <= top)
        return part;
    part.width = right - left;
    part.height = bottom - top;
    part.pixels.resize(static_cast<size_t>(part.width) * part.height * 4);
    for (int32_t y = 0; y < part.height; ++y)
        std::copy_n(&whole.pixels[(static_cast<size_t>(top + y) * whole.width + left) * 4], part.width * 4,
                    &part.pixels[static_cast<size_t>(y) * part.width * 4]);
    return part;
}

CMouseEventResult CFrame::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    lastMouse_ = where;
    if (modalView_)
    {
        CView* modal = modalView_;
        KeepAlive keep(modal);
        CPoint p = where;
        return modal->onMouseDown(p, buttons);
    }
    CView* target = findMouseTarget(where, buttons);
    // A click elsewhere ends the focus view's edit.
    if (focusView_ && focusView_ != target)
        setFocusView(nullptr);
    if (!target)
        return kMouseEventNotHandled;
    KeepAlive keep(target);
    mouseDownView_ = nullptr;
    CPoint p = where;
    const CMouseEventResult result = target->onMouseDown(p, buttons);
    if (result == kMouseEventHandled && !modalView_ && isChild(target))
        mouseDownView_ = target;
    return result;
}

CMouseEventResult CFrame::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    lastMouse_ = where;
    if (modalView_)
    {
        CView* modal = modalView_;
        KeepAlive keep(modal);
        CPoint p = where;
        return modal->onMouseUp(p, buttons);
    }
    CView* captured = mouseDownView_;
    mouseDownView_ = nullptr;
    CMouseEventResult result = kMouseEventNotHandled;
    if (captured)
    {
        KeepAlive keep(captured);
        CPoint p = where;
        result = captured->onMouseUp(p, buttons);
    }
    // The pointer may have ended a drag over another view.
    trackMouseOver(where, CButtonState(buttons.getModifierState()));
    return result;
}

CMouseEventResult CFrame::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    lastMouse_ = where;
    if (modalView_)
    {
        CView* modal = modalView_;
        KeepAlive keep(modal);
        CPoint p = where;
        return modal->onMouseMoved(p, buttons);
    }
    if (CView* captured = mouseDownView_)
    {
        KeepAlive keep(captured);
        CPoint p = where;
        const CMouseEventResult result = captured->onMouseMoved(p, buttons);
        if (result == kMouseMoveEventHandledButDontNeedMoreEvents && mouseDownView_ == captured)
            mouseDownView_ = nullptr;
        return result;
    }
    return trackMouseOver(where, buttons);
}

CMouseEventResult CFrame::trackMouseOver(CPoint& where, const CButtonState& buttons)
{
    CView* over = getViewAt(where, true);
    if (over != mouseOverView_)
    {
        if (CView* old = mouseOverView_)
        {
            mouseOverView_ = nullptr;
            KeepAlive keep(old);
            CPoint p = where;
            old->onMouseExited(p, buttons);
        }
        // An exit handler may have changed the children.
        over = getViewAt(where, true);
        if (over)
        {
            mouseOverView_ = over;
            KeepAlive keep(over);
            CPoint p = where;
            over->onMouseEntered(p, buttons);
        }
    }
    if (!over || over != mouseOverView_)
        return kMouseEventNotHandled;
    KeepAlive keep(over);
    CPoint p = where;
    return over->onMouseMoved(p, buttons);
}

CMouseEventResult CFrame::onMouseExited(CPoint& where, const CButtonState& buttons)
{
    if (modalView_)
    {
        CView* modal = modalView_;
        KeepAlive keep(modal);
        CPoint p = where;
        return modal->onMouseExited(p, buttons);
    }
    // A drag goes on outside the window; only the hover ends.
    if (mouseDownView_ || !mouseOverView_)
        return kMouseEventHandled;
    CView* old = mouseOverView_;
    mouseOverView_ = nullptr;
    KeepAlive keep(old);
    CPoint p = where;
    old->onMouseExited(p, buttons);
    return kMouseEventHandled;
}

bool CFrame::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons)
{
    lastMouse_ = where;
    if (modalView_)
    {
        CView* modal = modalView_;
        KeepAlive keep(modal);
        return modal->onWheel(where, distance, buttons);
    }
    // Top to bottom; the first view that uses the wheel takes it. A copy: a handler may change the children.
    const std::vector<CView*> views(views_.rbegin(), views_.rend());
    for (CView* v : views)
    {
        if (!isChild(v) || !v->isVisible() || !v->getMouseEnabled() || !v->hitTest(where, buttons))
            continue;
        KeepAlive keep(v);
        if (v->onWheel(where, distance, buttons))
            return true;
    }
    return false;
}

int32_t CFrame::onKeyDown(VstKeyCode& key) { return routeKey(key, &CView::onKeyDown); }

int32_t CFrame::onKeyUp(VstKeyCode& key) { return routeKey(key, &CView::onKeyUp); }

// Keys go to the focus view first, then to the modal view; 1 when one of them took it, -1 otherwise.
int32_t CFrame::routeKey(VstKeyCode& key, int32_t (CView::*handler)(VstKeyCode&))
{
    // Each is read when its turn comes: the focus view's handler may change the modal view.
    for (CView* CFrame::*slot : {&CFrame::focusView_, &CFrame::modalView_})
    {
        CView* view = this->*slot;
        if (!view)
            continue;
        KeepAlive keep(view);
        if ((view->*handler)(key) == 1)
            return 1;
    }
    return -1;
}

bool CFrame::getCurrentMouseLocation(CPoint& where) const
{
    return platformFrame_ && platformFrame_->getCurrentMousePosition(where);
}

bool CFrame::getCurrentMouseButtons(CButtonState& buttons) const
{
    return platformFrame_ && platformFrame_->getCurrentMouseButtons(buttons);
}

void CFrame::setCursor(CCursorType type)
{
    if (platformFrame_)
        platformFrame_->setMouseCursor(type);
}

void CFrame::platformDrawRect(CDrawContext* context, const CRect& updateRect) { drawRect(context, updateRect); }

CMouseEventResult CFrame::platformOnMouseDown(CPoint& where, const CButtonState& buttons)
{
    KeepAlive keep(this);
    return onMouseDown(where, buttons);
}

CMouseEventResult CFrame::platformOnMouseUp(CPoint& where, const CButtonState& buttons)
{
    KeepAlive keep(this);
    return onMouseUp(where, buttons);
}

CMouseEventResult CFrame::platformOnMouseMoved(CPoint& where, const CButtonState& buttons)
{
    KeepAlive keep(this);
    return onMouseMoved(where, buttons);
}

CMouseEventResult CFrame::platformOnMouseExited(CPoint& where, const CButtonState& buttons)
{
    KeepAlive keep(this);
    return onMouseExited(where, buttons);
}

bool CFrame::platformOnMouseWheel(const CPoint& where, float distance, const CButtonState& buttons)
{
    KeepAlive keep(this);
    return onWheel(where, distance, buttons);
}

int32_t CFrame::platformOnKeyDown(VstKeyCode& key)
{
    KeepAlive keep(this);
    return onKeyDown(key);
}

int32_t CFrame::platformOnKeyUp(VstKeyCode& key)
{
    KeepAlive keep(this);
    return onKeyUp(key);
}

#include "gui/CView.h"

#include "gui/CBitmap.h"
#include "gui/CDrawContext.h"
#include "gui/CFrame.h"

namespace
{
void replaceBitmap(CBitmap*& slot, CBitmap* bitmap)
{
    if (slot == bitmap)
        return;
    if (bitmap)
        bitmap->remember();
    if (slot)
        slot->forget();
    slot = bitmap;
}
} // namespace

CView::CView(const CRect& size) : size_(size), mouseableArea_(size) {}

CView::CView(const CView& other)
    : CBaseObject(other),
      size_(other.size_),
      mouseableArea_(other.mouseableArea_),
      backOffset_(other.backOffset_),
      visible_(other.visible_),
      mouseEnabled_(other.mouseEnabled_),
      dirty_(other.dirty_.load())
{
    replaceBitmap(background_, other.background_);
    replaceBitmap(disabledBackground_, other.disabledBackground_);
}

CView::~CView()
{
    replaceBitmap(background_, nullptr);
    replaceBitmap(disabledBackground_, nullptr);
}

void CView::draw(CDrawContext* context)
{
    if (CBitmap* bitmap = getDrawBackground())
        bitmap->draw(context, size_, backOffset_);
    setDirty(false);
}

CMouseEventResult CView::onMouseDown(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::onMouseUp(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::onMouseMoved(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::onMouseEntered(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::onMouseExited(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }
bool CView::onWheel(const CPoint&, const float&, const CButtonState&) { return false; }
int32_t CView::onKeyDown(VstKeyCode&) { return -1; }
int32_t CView::onKeyUp(VstKeyCode&) { return -1; }

bool CView::hitTest(const CPoint& where, const CButtonState&) const { return mouseableArea_.pointInside(where); }

bool CView::attached(CView* parent)
{
    parent_ = parent;
    if (!parent)
        frame_ = nullptr;
    else if (parent->isTypeOf("CFrame"))
        frame_ = static_cast<CFrame*>(parent);
    else
        frame_ = parent->getFrame();
    return true;
}

bool CView::removed(CView*)
{
    parent_ = nullptr;
    frame_ = nullptr;
    return true;
}

void CView::invalid()
{
    setDirty(false);
    if (frame_)
        frame_->invalidRect(size_);
}

void CView::invalidRect(const CRect& rect)
{
    if (frame_)
        frame_->invalidRect(rect);
}

void CView::setViewSize(const CRect& size, bool invalidate)
{
    if (invalidate)
        invalid();
    size_ = size;
    mouseableArea_ = size;
    if (invalidate)
        invalid();
}

void CView::setVisible(bool visible)
{
    if (visible_ == visible)
        return;
    visible_ = visible;
    if (frame_)
        frame_->invalidRect(size_);
}

void CView::setBackground(CBitmap* background)
{
    replaceBitmap(background_, background);
    setDirty();
}

void CView::setDisabledBackground(CBitmap* background)
{
    replaceBitmap(disabledBackground_, background);
    setDirty();
}

CBitmap* CView::getDrawBackground() const
{
    if (disabledBackground_ && !mouseEnabled_)
        return disabledBackground_;
    return background_;
}

void CView::requestFocus()
{
    if (frame_)
        frame_->setFocusView(this);
}

void CView::releaseFocus()
{
    if (frame_ && frame_->getFocusView() == this)
        frame_->setFocusView(nullptr);
}

// A rectangle of the frame that draws itself and may take mouse, wheel and key events. Views live directly in a
// CFrame (no nested containers), so every rectangle and point is in frame coordinates. GUI thread; only the dirty
// flag may be set from other threads.
#pragma once

#include <atomic>
#include <cstdint>

#include "gui/CBaseObject.h"
#include "gui/CButtonState.h"
#include "gui/Geometry.h"
#include "gui/VstKeyCode.h"

class CBitmap;
class CDrawContext;
class CFrame;

class CView : public CBaseObject
{
public:
    explicit CView(const CRect& size);
    // A copy is detached, has no focus and keeps its own references to the bitmaps.
    CView(const CView& other);
    CView& operator=(const CView&) = delete;
    ~CView() override;

    // Draws the background bitmap (the disabled one when that applies) over the view from the back offset, and
    // clears the dirty flag. The frame sets the clip to the view's rectangle before calling it.
    virtual void draw(CDrawContext* context);
    // Drawing limited to `updateRect`; the default draws the whole view.
    virtual void drawRect(CDrawContext* context, const CRect& updateRect) { draw(context); }

    // Mouse handlers; `where` is in frame coordinates. The defaults decline.
    virtual CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseEntered(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons);
    // Wheel notches (positive: up or away from the user); true when used.
    virtual bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons);
    // 1 when the key was handled, -1 when not.
    virtual int32_t onKeyDown(VstKeyCode& key);
    virtual int32_t onKeyUp(VstKeyCode& key);
    // Whether a press at `where` belongs to this view: inside the mouseable area.
    virtual bool hitTest(const CPoint& where, const CButtonState& buttons = CButtonState()) const;

    // The frame calls these when it adds or removes the view.
    virtual bool attached(CView* parent);
    virtual bool removed(CView* parent);
    bool isAttached() const { return parent_ != nullptr; }
    CView* getParentView() const { return parent_; }
    CFrame* getFrame() const { return frame_; }

    // Dirty views are redrawn at the frame's next idle.
    virtual void setDirty(bool dirty = true) { dirty_.store(dirty, std::memory_order_relaxed); }
    virtual bool isDirty() const { return dirty_.load(std::memory_order_relaxed); }
    // Asks the frame to repaint the view's rectangle now (through the window) and clears the dirty flag.
    virtual void invalid();
    virtual void invalidRect(const CRect& rect);

    // Moves or resizes the view; the mouseable area follows it.
    virtual void setViewSize(const CRect& size, bool invalidate = true);
    const CRect& getViewSize() const { return size_; }
    CRect& getViewSize(CRect& size) const { return size = size_; }
    CCoord getWidth() const { return size_.getWidth(); }
    CCoord getHeight() const { return size_.getHeight(); }
    virtual void setMouseableArea(const CRect& area) { mouseableArea_ = area; }
    const CRect& getMouseableArea() const { return mouseableArea_; }
    CRect& getMouseableArea(CRect& area) const { return area = mouseableArea_; }

    virtual void setVisible(bool visible);
    bool isVisible() const { return visible_; }
    virtual void setMouseEnabled(bool enabled) { mouseEnabled_ = enabled; }
    bool getMouseEnabled() const { return mouseEnabled_; }

    // The view keeps its own reference to the bitmaps.
    virtual void setBackground(CBitmap* background);
    CBitmap* getBackground() const { return background_; }
    // Drawn instead of the background while the view does not take the mouse.
    virtual void setDisabledBackground(CBitmap* background);
    CBitmap* getDisabledBackground() const { return disabledBackground_; }
    // Point of the background bitmap drawn at the view's top-left corner.
    void setBackOffset(const CPoint& offset) { backOffset_ = offset; }
    const CPoint& getBackOffset() const { return backOffset_; }
    // The disabled background when set and the mouse is disabled, otherwise the background.
    CBitmap* getDrawBackground() const;

    // Focus: takeFocus is called when the view becomes the frame's focus view, looseFocus when it stops being it.
    virtual void takeFocus() {}
    virtual void looseFocus() {}
    // Makes this view the frame's focus view (or gives the focus up); nothing when not attached.
    void requestFocus();
    void releaseFocus();

    QOR_GUI_TYPE_COPY(CView, CBaseObject)

protected:
    CRect size_;
    CRect mouseableArea_;
    CPoint backOffset_;
    CBitmap* background_ = nullptr;
    CBitmap* disabledBackground_ = nullptr;
    CView* parent_ = nullptr;
    CFrame* frame_ = nullptr;
    bool visible_ = true;
    bool mouseEnabled_ = true;
    std::atomic<bool> dirty_{false};
};

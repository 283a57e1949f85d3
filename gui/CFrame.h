// The top view of an editor: owns the views added to it, routes mouse, wheel and key events to them, keeps the
// modal view and the focus view, and redraws dirty views at idle. It draws into a platform window once open, or
// into an offscreen image on request. GUI thread.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gui/CView.h"
#include "gui/IPlatformFrame.h"
#include "gui/RgbaImage.h"

class VSTGUIEditorInterface;

class CFrame : public CView, public IPlatformFrameCallback
{
public:
    CFrame(const CRect& size, VSTGUIEditorInterface* editor);
    // Closes the window, removes the modal view, then forgets every child.
    ~CFrame() override;
    CFrame(const CFrame&) = delete;

    // Creates the platform window inside `parentWindow`; false when that fails (the frame then stays usable
    // offscreen).
    bool open(void* parentWindow);
    // Uses an already created platform window (tests use a stand-in).
    bool open(std::unique_ptr<IPlatformFrame> platformFrame);
    void close();
    bool isOpen() const { return platformFrame_ != nullptr; }
    IPlatformFrame* getPlatformFrame() const { return platformFrame_.get(); }
    // X11 Window id or HWND while open, else null.
    void* getSystemWindow() const;
    VSTGUIEditorInterface* getEditor() const { return editor_; }

    // Children, drawn in the order added (the last on top). addView takes over the caller's reference;
    // removeView and removeAll drop it when `withForget`.
    bool addView(CView* view);
    bool addView(CView* view, const CRect& mouseableArea, bool mouseEnabled = true);
    bool removeView(CView* view, bool withForget = true);
    bool removeAll(bool withForget = true);
    bool isChild(const CView* view) const;
    int32_t getNbViews() const { return static_cast<int32_t>(views_.size()); }
    CView* getView(int32_t index) const;
    // The topmost visible view under the point (only mouse-enabled ones when asked), or null.
    CView* getViewAt(const CPoint& where, bool mouseEnabledOnly = true) const;

    // The modal view takes every mouse and wheel event while set and is drawn over the children. The frame keeps
    // its own reference (dropped when replaced by null or on destruction). False when another one is set.
    bool setModalView(CView* view);
    CView* getModalView() const { return modalView_; }

    // The focus view receives the keys; the old one hears looseFocus, the new one takeFocus.
    void setFocusView(CView* view);
    CView* getFocusView() const { return focusView_; }
    // The view holding the mouse between a handled press and its release.
    CView* getMouseDownView() const { return mouseDownView_; }
    CView* getMouseOverView() const { return mouseOverView_; }

    // Pumps the window's events, then repaints the dirty views (or everything when the frame itself is dirty).
    void idle();
    // Repaints through the window (nothing while closed).
    void invalid() override;
    void invalidRect(const CRect& rect) override;
    // Grows or shrinks the frame after the editor agreed (beforeSizeChange).
    bool setSize(CCoord width, CCoord height);
    // The frame's own area in frame coordinates: (0, 0, width, height). The view size is where the frame sits in
    // the host's window.
    CRect getBounds() const { return CRect(0, 0, size_.getWidth(), size_.getHeight()); }

    void draw(CDrawContext* context) override;
    // Clips to the region, draws the background then each visible child over it (clipped to the child) and the
    // modal view last; restores the clip. Clears the dirty flags of what it drew.
    void drawRect(CDrawContext* context, const CRect& updateRect) override;
    // Renders the whole frame (or `area` of it) into an image through the backend's offscreen surface; empty
    // when the backend cannot make one.
    RgbaImage renderOffscreen();
    RgbaImage renderOffscreen(const CRect& area);

    // Event entry points (the platform window calls these through the callback; tests call them directly).
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons) override;
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;
    // The focus view first, then the modal view.
    int32_t onKeyDown(VstKeyCode& key) override;
    int32_t onKeyUp(VstKeyCode& key) override;

    // The pointer's state from the window; false (and nothing changed) while closed.
    bool getCurrentMouseLocation(CPoint& where) const;
    bool getCurrentMouseButtons(CButtonState& buttons) const;
    void setCursor(CCursorType type);

    // IPlatformFrameCallback.
    void platformDrawRect(CDrawContext* context, const CRect& updateRect) override;
    CMouseEventResult platformOnMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult platformOnMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult platformOnMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult platformOnMouseExited(CPoint& where, const CButtonState& buttons) override;
    bool platformOnMouseWheel(const CPoint& where, float distance, const CButtonState& buttons) override;
    int32_t platformOnKeyDown(VstKeyCode& key) override;
    int32_t platformOnKeyUp(VstKeyCode& key) override;

    QOR_GUI_TYPE(CFrame, CView)

protected:
    // Enter/exit bookkeeping for the pointer at `where`; the view under it then gets the move.
    CMouseEventResult trackMouseOver(CPoint& where, const CButtonState& buttons);
    // Drops every pointer this frame keeps to `view` (capture, hover, focus).
    void forgetViewState(CView* view);
    // The topmost visible, mouse-enabled child that takes a press at `where`.
    CView* findMouseTarget(const CPoint& where, const CButtonState& buttons) const;
    // Schedules repaints of the dirty views (the whole frame when it is dirty itself).
    void invalidateDirtyViews();
    void drawChild(CDrawContext* context, CView* view, const CRect& region);
    int32_t routeKey(VstKeyCode& key, int32_t (CView::*handler)(VstKeyCode&));

    VSTGUIEditorInterface* editor_;
    std::unique_ptr<IPlatformFrame> platformFrame_;
    std::vector<CView*> views_;
    CView* modalView_ = nullptr;
    CView* focusView_ = nullptr;
    CView* mouseDownView_ = nullptr;
    CView* mouseOverView_ = nullptr;
    CPoint lastMouse_;
};

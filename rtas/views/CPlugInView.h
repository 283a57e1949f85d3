// The root class of the library's tree of views: a rectangle in a host port with colours, a four-character ID, a
// parent, an ordered list of children (which it owns) and a focus view that receives keys. Every operation runs on
// the host's GUI thread with the plug-in group's context lock held (the host routine entry takes it); the tracking
// loops release it around the host's idle.
#pragma once

#include "rtas/framework/host/DrawingServices.h"
#include "rtas/views/ViewGeometry.h"

#include <cstdint>
#include <string>

namespace rtas::views {

struct ItemRecord;

class CPlugInView
{
public:
    CPlugInView();
    CPlugInView(const CPlugInView&) = delete;
    CPlugInView& operator=(const CPlugInView&) = delete;

    // Unlinks and deletes every child, in list order.
    virtual ~CPlugInView();
    virtual void FinishCreate();
    virtual void AttachItemRecord(const ItemRecord* record) {}
    virtual void InsertSubView(CPlugInView* view, bool nest);
    virtual void AppendSibling(CPlugInView* view);
    virtual void SetParent(CPlugInView* view) { fParent = view; }
    virtual CPlugInView* FindSubViewAt(Point point);
    virtual void SubViewMoved(CPlugInView* view) {}
    virtual void Deactivate();
    virtual void Activate();
    virtual void SetPort(OpaqueGrafPtr port);
    virtual void GetFrame(Rect* rect) const { *rect = fFrame; }
    virtual void Show();
    virtual void Hide();
    virtual void HandleKeyDown(char character, bool* handled) { *handled = false; }
    virtual void EndEditing(bool accept) {}
    virtual void BeginEditing() {}
    virtual bool WantsFocus() { return false; }
    virtual void HandleKey(const EventRecord& event, bool* handled);
    virtual int32_t HandleMouseDown(const EventRecord& event);
    virtual bool TrackMouse(const EventRecord& event, bool quick);
    virtual void DragSubView(const EventRecord& event, CPlugInView* view);
    virtual void Draw(const Rect& rect);
    virtual void Update(const Rect* rect);
    virtual void Idle(int32_t argument);
    virtual void SetHighlighted(bool on);
    virtual void SetEnabled(bool on) { fEnabled = on; }
    virtual bool IsEnabled() const { return fEnabled; }
    virtual void MoveBy(int16_t dh, int16_t dv);
    virtual void GetForeColor(RGBColour* colour);
    virtual void GetBackColor(RGBColour* colour);
    virtual void SetForeColor(const RGBColour& colour) { fForeColour = colour; }
    virtual void SetBackColor(const RGBColour& colour) { fBackColour = colour; }
    virtual HostPattern* GetBackPattern();
    virtual void BeginBackground();
    virtual void EndBackground();
    virtual void GetControlIndex(int32_t* index) { *index = 0; }
    virtual bool IsProcessControl() { return false; }
    virtual bool IsControlHighlightOn();
    virtual void GetControlHighlight(int16_t* colour, int32_t* state, std::string* text);
    virtual HostPattern* LoadPattern(int16_t id);
    virtual CPlugInView* BuildSubViews();
    virtual void ConnectSubViews();
    virtual void DisconnectSubViews();
    virtual void DrawBackground(const Rect& rect);
    virtual void DrawContent(const Rect& rect) { DrawBackground(rect); }
    virtual void Click(const EventRecord& event);

    CPlugInView* GetParent() const { return fParent; }
    CPlugInView* GetFirstChild() const { return fFirstChild; }
    CPlugInView* GetNextSibling() const { return fNextSibling; }
    CPlugInView* GetRoot();
    uint32_t GetViewID() const { return fViewID; }
    void SetViewID(uint32_t code) { fViewID = code; }
    const Rect& Frame() const { return fFrame; }
    void SetFrame(const Rect& rect) { fFrame = rect; }
    void SetLimitRect(const Rect& rect) { fLimitRect = rect; }
    void GetVisibleRect(Rect* rect) const;
    OpaqueGrafPtr GetPort() const { return fPort; }
    CPlugInView* FindViewByID(uint32_t code);
    void MoveTo(int16_t h, int16_t v);
    void MoveByAndRedraw(int16_t dh, int16_t dv);
    void Invalidate();
    void RemoveSubView(CPlugInView* view);
    // Makes the view's port current with its origin and the clip of its visible part (and clip, when given);
    // -7400 when four states are already pushed. EndDrawing undoes it (-7400 when nothing is pushed).
    void BeginDrawing(const Rect* clip);
    void EndDrawing();
    int16_t DrawingDepth() const { return fDepth; }
    bool IsDraggable() const { return fDraggable; }
    void SetDraggable(bool on) { fDraggable = on; }
    bool IsDragging() const { return fDragging; }
    void SetDragging(bool on) { fDragging = on; }
    bool IsHighlighted() const { return fHighlighted; }
    bool IsActive() const { return fActive; }
    CPlugInView* GetFocus() const { return fFocus; }
    void SetFocus(CPlugInView* view) { fFocus = view; }

protected:
    void SetHighlightedByte(bool on) { fHighlighted = on; }

private:
    struct DrawingState
    {
        OpaqueGrafPtr port;
        Point origin;
        HostRegion* clip;
    };

    RGBColour fForeColour{0x0000, 0x0000, 0x2222};
    RGBColour fBackColour{0x8888, 0x8888, 0x8888};
    OpaqueGrafPtr fPort = nullptr;
    CPlugInView* fParent = nullptr;
    CPlugInView* fFocus = nullptr;
    bool fActive = false;
    Point fPortOrigin{0, 0};
    Rect fFrame{0, 0, 0, 0};
    Rect fLimitRect{-32000, -32000, 32000, 32000};
    bool fEnabled = false;
    bool fHighlighted = false;
    bool fDraggable = false;
    bool fDragging = false;
    uint32_t fViewID = kNoViewID;
    CPlugInView* fFirstChild = nullptr;
    CPlugInView* fNextSibling = nullptr;
    DrawingState fStates[4]{};
    int16_t fDepth = 0;
};

// Runs BeginDrawing and, whatever happens, the matching EndDrawing.
class ScopedDrawing
{
public:
    ScopedDrawing(CPlugInView& view, const Rect* clip) : fView(view) { fView.BeginDrawing(clip); }
    ~ScopedDrawing() { fView.EndDrawing(); }
    ScopedDrawing(const ScopedDrawing&) = delete;
    ScopedDrawing& operator=(const ScopedDrawing&) = delete;

private:
    CPlugInView& fView;
};

// The plug-in group's idle with the host lock released, as every tracking loop runs it once a pass.
void IdleGroupWithLockReleased();

// Registers the port that covers others (a pop-up) and its rectangle in its local coordinates; a null port repaints
// every view whose drawing the cover held back, last entry first.
void SetCoveringPort(OpaqueGrafPtr port, const Rect* rect);

}  // namespace rtas::views

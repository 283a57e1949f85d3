#include "rtas/views/CPlugInView.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CProcessGroupInterface.h"
#include "rtas/framework/ModuleState.h"
#include "rtas/framework/ResultCodes.h"
#include "rtas/views/ViewLayerState.h"

namespace rtas::views {
namespace {

constexpr int32_t kBrokenInvariant = -7400;
constexpr uint32_t kLibraryClick = 0x12345678;
constexpr uint16_t kShiftKey = 0x0200;

Point globalOf(Point p)
{
    PortLocalToGlobal(&p);
    return p;
}

Point localOf(Point p)
{
    PortGlobalToLocal(&p);
    return p;
}

}  // namespace

void IdleGroupWithLockReleased()
{
    if (CProcessGroupInterface* group = GetModuleGroup())
        group->IdleWithLockReleased();
}

CPlugInView::CPlugInView() = default;

CPlugInView::~CPlugInView()
{
    while (CPlugInView* child = fFirstChild) {
        RemoveSubView(child);
        delete child;
    }
    for (int16_t i = fDepth; i > 0; --i)
        DisposeRegion(fStates[i - 1].clip);
    ForgetPendingRedraws(this);
}

void CPlugInView::FinishCreate()
{
    BuildSubViews();
}

CPlugInView* CPlugInView::GetRoot()
{
    CPlugInView* view = this;
    while (view->fParent != nullptr)
        view = view->fParent;
    return view;
}

void CPlugInView::InsertSubView(CPlugInView* view, bool nest)
{
    if (view == nullptr)
        return;
    if (nest)
        for (CPlugInView* child = fFirstChild; child != nullptr; child = child->fNextSibling)
            if (RectEncloses(child->fFrame, view->fFrame)) {
                child->InsertSubView(view, true);
                return;
            }
    view->fNextSibling = nullptr;
    if (fFirstChild != nullptr) {
        fFirstChild->AppendSibling(view);
    } else {
        fFirstChild = view;
        view->SetParent(this);
    }
}

void CPlugInView::AppendSibling(CPlugInView* view)
{
    view->SetParent(fParent);
    CPlugInView* last = this;
    while (last->fNextSibling != nullptr)
        last = last->fNextSibling;
    last->fNextSibling = view;
    view->fNextSibling = nullptr;
}

void CPlugInView::RemoveSubView(CPlugInView* view)
{
    if (view == nullptr)
        return;
    if (fFirstChild == view) {
        fFirstChild = view->fNextSibling;
    } else {
        for (CPlugInView* child = fFirstChild; child != nullptr; child = child->fNextSibling)
            if (child->fNextSibling == view) {
                child->fNextSibling = view->fNextSibling;
                break;
            }
    }
    // A focus kept anywhere above must not outlive the removed view's place in the tree.
    for (CPlugInView* holder = this; holder != nullptr; holder = holder->fParent)
        for (CPlugInView* f = holder->fFocus; f != nullptr; f = f->fParent)
            if (f == view) {
                holder->fFocus = nullptr;
                break;
            }
    view->fParent = nullptr;
    view->fNextSibling = nullptr;
}

void CPlugInView::GetVisibleRect(Rect* rect) const
{
    Rect r = SectRects(fLimitRect, fFrame);
    if (fParent != nullptr) {
        Rect outer;
        fParent->GetVisibleRect(&outer);
        r = SectRects(r, outer);
    }
    *rect = r;
}

CPlugInView* CPlugInView::FindSubViewAt(Point point)
{
    if (!PointInRect(point, fFrame))
        return nullptr;
    for (CPlugInView* child = fFirstChild; child != nullptr; child = child->fNextSibling)
        if (PointInRect(point, child->fFrame))
            return child->FindSubViewAt(point);
    return this;
}

CPlugInView* CPlugInView::FindViewByID(uint32_t code)
{
    if (code == kNoViewID)
        return nullptr;
    for (CPlugInView* child = fFirstChild; child != nullptr; child = child->fNextSibling)
        if (child->fViewID == code)
            return child;
    for (CPlugInView* child = fFirstChild; child != nullptr; child = child->fNextSibling)
        if (CPlugInView* found = child->FindViewByID(code))
            return found;
    return nullptr;
}

void CPlugInView::Deactivate()
{
    fActive = false;
    for (CPlugInView* child = fFirstChild; child != nullptr; child = child->fNextSibling)
        child->Deactivate();
}

void CPlugInView::Activate()
{
    fActive = true;
    for (CPlugInView* child = fFirstChild; child != nullptr; child = child->fNextSibling)
        child->Activate();
}

void CPlugInView::SetPort(OpaqueGrafPtr port)
{
    fPort = port;
    if (port != nullptr) {
        GetPortOrigin(port, &fPortOrigin);
    } else if (fFocus != nullptr) {
        CPlugInView* focus = fFocus;
        if (focus != this)
            focus->SetPort(nullptr);
        focus->EndEditing(false);
        fFocus = nullptr;
    }
    for (CPlugInView* child = fFirstChild; child != nullptr; child = child->fNextSibling)
        child->SetPort(port);
}

void CPlugInView::Show()
{
    if (fFrame.left > 8191) {
        Invalidate();
        MoveBy(-16384, 0);
        Invalidate();
    }
}

void CPlugInView::Hide()
{
    if (fFrame.left < 8192) {
        Invalidate();
        MoveBy(16384, 0);
        Invalidate();
    }
}

void CPlugInView::MoveBy(int16_t dh, int16_t dv)
{
    fFrame = OffsetRect(fFrame, dh, dv);
    for (CPlugInView* child = fFirstChild; child != nullptr; child = child->fNextSibling)
        child->MoveBy(dh, dv);
}

void CPlugInView::MoveTo(int16_t h, int16_t v)
{
    const int16_t dh = int16_t(h - fFrame.left), dv = int16_t(v - fFrame.top);
    if (dh == 0 && dv == 0)
        return;
    Invalidate();
    MoveBy(dh, dv);
    Invalidate();
}

void CPlugInView::Invalidate()
{
    if (fPort == nullptr)
        return;
    ScopedDrawing drawing(*this, nullptr);
    InvalPortRect(fPort, &fFrame);
}

void CPlugInView::MoveByAndRedraw(int16_t dh, int16_t dv)
{
    if (fPort == nullptr) {
        MoveBy(dh, dv);
        return;
    }
    if (dh == 0 && dv == 0)
        return;
    ScopedDrawing drawing(*this, nullptr);
    const Rect old = fFrame;
    MoveBy(dh, dv);
    const Rect now = fFrame;
    Rect first = old, second{0, 0, 0, 0};
    if (RectsMeet(old, now)) {
        second = old;
        if (dv < 0)
            first.top = now.bottom;
        else
            first.bottom = now.top;
        if (dh < 0)
            second.left = now.right;
        else
            second.right = now.left;
        if (dh != 0 && dv != 0) {
            if (dv < 0)
                second.bottom = now.bottom;
            else
                second.top = now.top;
        }
    }
    Update(&now);
    CPlugInView* root = GetRoot();
    if (!IsEmptyRect(first))
        root->Update(&first);
    if (!IsEmptyRect(second))
        root->Update(&second);
}

void CPlugInView::BeginDrawing(const Rect* clip)
{
    if (fDepth >= 4)
        throw CDAEError(kBrokenInvariant);
    DrawingState& state = fStates[fDepth];
    state.port = GetGrafPort();
    SetGrafPort(fPort);
    GetPortOrigin(fPort, &state.origin);
    state.clip = NewRegion();
    GetClipRegion(state.clip);
    ++fDepth;
    SetPenMode(8);
    SetTextMode(8);
    SetPortOrigin(fPortOrigin.h, fPortOrigin.v);

    Rect r;
    GetVisibleRect(&r);
    if (clip != nullptr)
        r = SectRects(r, *clip);
    ViewLayerState& shared = LayerState();
    if (shared.coveringPort != nullptr && shared.coveringPort != fPort) {
        const Point topLeft = localOf(Point{shared.coveringRect.top, shared.coveringRect.left});
        const Point bottomRight = localOf(Point{shared.coveringRect.bottom, shared.coveringRect.right});
        const Rect cover{topLeft.v, topLeft.h, bottomRight.v, bottomRight.h};
        const Rect held = SectRects(r, cover);
        if (!IsEmptyRect(held)) {
            HostRegion* whole = NewRegion();
            HostRegion* cut = NewRegion();
            RectRegion(whole, &r);
            RectRegion(cut, &cover);
            DiffRegion(whole, cut, whole);
            SetClipRegion(whole);
            DisposeRegion(whole);
            DisposeRegion(cut);
            for (int32_t i = 0; i < shared.pendingCount; ++i)
                if (shared.pending[i].view == this) {
                    shared.pending[i].rect = UnionRects(shared.pending[i].rect, held);
                    return;
                }
            if (shared.pendingCount >= kMaxPendingRedraws) {
                EndDrawing();
                throw CDAEError(kBrokenInvariant);
            }
            shared.pending[shared.pendingCount++] = PendingRedraw{this, held};
            return;
        }
    }
    ClipToRect(&r);
}

void CPlugInView::EndDrawing()
{
    if (fDepth <= 0)
        throw CDAEError(kBrokenInvariant);
    DrawingState& state = fStates[--fDepth];
    SetPortOrigin(state.origin.h, state.origin.v);
    SetClipRegion(state.clip);
    DisposeRegion(state.clip);
    state.clip = nullptr;
    SetGrafPort(state.port);
}

void SetCoveringPort(OpaqueGrafPtr port, const Rect* rect)
{
    ViewLayerState& shared = LayerState();
    shared.coveringPort = port;
    if (port != nullptr && rect != nullptr) {
        const OpaqueGrafPtr previous = GetGrafPort();
        SetGrafPort(port);
        const Point topLeft = globalOf(Point{rect->top, rect->left});
        const Point bottomRight = globalOf(Point{rect->bottom, rect->right});
        SetGrafPort(previous);
        shared.coveringRect = Rect{topLeft.v, topLeft.h, bottomRight.v, bottomRight.h};
    }
    if (port == nullptr)
        while (shared.pendingCount > 0) {
            const PendingRedraw entry = shared.pending[--shared.pendingCount];
            entry.view->Update(&entry.rect);
        }
}

void CPlugInView::Update(const Rect* rect)
{
    if (fPort == nullptr)
        return;
    Rect r;
    GetVisibleRect(&r);
    if (rect != nullptr)
        r = SectRects(r, *rect);
    if (IsEmptyRect(r))
        return;
    ScopedDrawing drawing(*this, &r);
    Draw(r);
}

void CPlugInView::Draw(const Rect& rect)
{
    DrawContent(rect);
    for (CPlugInView* child = fFirstChild; child != nullptr; child = child->fNextSibling) {
        const Rect part = SectRects(child->fFrame, rect);
        if (!IsEmptyRect(part))
            child->Draw(part);
    }
}

void CPlugInView::Idle(int32_t argument)
{
    for (CPlugInView* child = fFirstChild; child != nullptr; child = child->fNextSibling)
        child->Idle(argument);
    IdleGroupWithLockReleased();
}

void CPlugInView::SetHighlighted(bool on)
{
    if (fHighlighted == on)
        return;
    fHighlighted = on;
    Update(nullptr);
}

void CPlugInView::GetForeColor(RGBColour* colour)
{
    *colour = fHighlighted ? RGBColour{0x0000, 0x6666, 0xFFFF} : fForeColour;
}

void CPlugInView::GetBackColor(RGBColour* colour)
{
    if (fParent != nullptr)
        fParent->GetBackColor(colour);
    else
        *colour = fBackColour;
}

HostPattern* CPlugInView::GetBackPattern()
{
    return fParent != nullptr ? fParent->GetBackPattern() : nullptr;
}

void CPlugInView::BeginBackground()
{
    ViewLayerState& shared = LayerState();
    if (HostPattern* pattern = GetBackPattern()) {
        shared.savedBackPattern = ::GetBackPattern();
        shared.backPatternSaved = true;
        SetBackPattern(pattern);
    } else {
        SetBackPattern(nullptr);
    }
}

void CPlugInView::EndBackground()
{
    ViewLayerState& shared = LayerState();
    if (shared.backPatternSaved) {
        SetBackPattern(shared.savedBackPattern);
        shared.savedBackPattern = nullptr;
        shared.backPatternSaved = false;
    }
}

bool CPlugInView::IsControlHighlightOn()
{
    return fParent != nullptr && fParent->IsControlHighlightOn();
}

void CPlugInView::GetControlHighlight(int16_t* colour, int32_t* state, std::string* text)
{
    if (fParent != nullptr) {
        fParent->GetControlHighlight(colour, state, text);
        return;
    }
    *colour = 0;
    *state = 0;
    text->clear();
}

HostPattern* CPlugInView::LoadPattern(int16_t id)
{
    return LoadPatternResource(id);
}

CPlugInView* CPlugInView::BuildSubViews()
{
    if (fParent != nullptr)
        return fParent;
    ConnectSubViews();
    return nullptr;
}

void CPlugInView::ConnectSubViews()
{
    for (CPlugInView* child = fFirstChild; child != nullptr; child = child->fNextSibling)
        child->ConnectSubViews();
}

void CPlugInView::DisconnectSubViews()
{
    for (CPlugInView* child = fFirstChild; child != nullptr; child = child->fNextSibling)
        child->DisconnectSubViews();
}

void CPlugInView::DrawBackground(const Rect& rect)
{
    if (fParent != nullptr)
        return;
    RGBColour saved, back;
    ::GetBackColour(&saved);
    GetBackColor(&back);
    SetBackColour(&back);
    BeginBackground();
    const Rect r = SectRects(fFrame, rect);
    EraseRectangle(&r);
    EndBackground();
    SetBackColour(&saved);
}

int32_t CPlugInView::HandleMouseDown(const EventRecord& event)
{
    ScopedDrawing drawing(*this, nullptr);
    CPlugInView* target = FindSubViewAt(event.where);
    while (target != nullptr && !target->IsEnabled())
        target = target->fParent;
    if (fFocus != nullptr && fFocus != target) {
        CPlugInView* focus = fFocus;
        fFocus = nullptr;
        focus->EndEditing(false);
    }
    if (target != nullptr) {
        if (target->WantsFocus() && fActive)
            fFocus = target;
        target->Click(event);
    }
    return 0;
}

void CPlugInView::Click(const EventRecord& event)
{
    if (fDraggable) {
        SetHighlighted(true);
        if (fParent != nullptr)
            fParent->DragSubView(event, this);
        SetHighlighted(false);
    } else if (IsEnabled()) {
        TrackMouse(event, event.message == kLibraryClick);
    }
}

bool CPlugInView::TrackMouse(const EventRecord& event, bool quick)
{
    const bool down = MouseStillDown() != 0;
    if (!down || quick)
        return down;
    bool inside = PointInRect(event.where, fFrame);
    SetHighlighted(inside);
    while (MouseStillDown()) {
        Point mouse;
        GetMousePoint(&mouse);
        const bool now = PointInRect(mouse, fFrame);
        if (now != inside) {
            inside = now;
            SetHighlighted(inside);
        }
        IdleGroupWithLockReleased();
    }
    SetHighlighted(false);
    return inside;
}

void CPlugInView::DragSubView(const EventRecord& event, CPlugInView* view)
{
    const Rect bounds = InsetRect(fFrame, 1, 1);
    const Rect& v = view->fFrame;
    const Rect allowed{int16_t(event.where.v + bounds.top - v.top), int16_t(event.where.h + bounds.left - v.left),
                       int16_t(event.where.v + bounds.bottom - v.bottom),
                       int16_t(event.where.h + bounds.right - v.right)};
    view->fDragging = true;
    Point last = event.where;
    while (MouseStillDown()) {
        Point mouse;
        GetMousePoint(&mouse);
        if (mouse.v < allowed.top)
            mouse.v = allowed.top;
        else if (mouse.v >= allowed.bottom)
            mouse.v = allowed.bottom;
        if (mouse.h < allowed.left)
            mouse.h = allowed.left;
        else if (mouse.h >= allowed.right)
            mouse.h = allowed.right;
        if (mouse.h != last.h || mouse.v != last.v) {
            view->MoveByAndRedraw(int16_t(mouse.h - last.h), int16_t(mouse.v - last.v));
            SubViewMoved(view);
            last = mouse;
        }
        IdleGroupWithLockReleased();
    }
    view->fDragging = false;
}

void CPlugInView::HandleKey(const EventRecord& event, bool* handled)
{
    ScopedDrawing drawing(*this, nullptr);
    *handled = false;
    CPlugInView* focus = fFocus;
    if (focus == nullptr)
        return;
    const char code = char(event.message & 0xFF);
    switch (code) {
    case 3:
        focus->EndEditing(true);
        focus->BeginEditing();
        *handled = true;
        return;
    case 9: {
        focus->EndEditing(true);
        *handled = true;
        CPlugInView* parent = focus->fParent;
        CPlugInView* found = nullptr;
        if (parent != nullptr) {
            CPlugInView* before = nullptr;
            CPlugInView* firstAfter = nullptr;
            CPlugInView* lastAfter = nullptr;
            CPlugInView* firstBefore = nullptr;
            bool after = false;
            for (CPlugInView* v = parent->fFirstChild; v != nullptr; v = v->fNextSibling) {
                if (v == focus) {
                    after = true;
                    continue;
                }
                if (!v->WantsFocus())
                    continue;
                if (after) {
                    if (firstAfter == nullptr)
                        firstAfter = v;
                    lastAfter = v;
                } else {
                    if (firstBefore == nullptr)
                        firstBefore = v;
                    before = v;
                }
            }
            if (event.modifiers & kShiftKey)
                found = before != nullptr ? before : lastAfter;
            else
                found = firstAfter != nullptr ? firstAfter : (firstBefore != nullptr ? firstBefore : nullptr);
            // Searching "from the first child up to the current one" includes the current view itself.
            if (found == nullptr && focus->WantsFocus())
                found = focus;
        }
        fFocus = found;
        if (found != nullptr)
            found->BeginEditing();
        return;
    }
    case 13:
        focus->EndEditing(true);
        fFocus = nullptr;
        *handled = true;
        return;
    case 27:
        focus->EndEditing(false);
        fFocus = nullptr;
        *handled = true;
        return;
    default:
        focus->HandleKeyDown(code, handled);
        return;
    }
}

}  // namespace rtas::views

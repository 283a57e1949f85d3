#include "rtas/views/CDialControlEditor.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/views/CControlView.h"
#include "rtas/views/CStaticTextView.h"
#include "rtas/views/DescriptionParser.h"
#include "rtas/views/GroupReader.h"
#include "rtas/views/ViewRegistry.h"

#include <algorithm>
#include <cmath>

namespace rtas::views {
namespace {

const RGBColour kFace{0xAAAA, 0xAAAA, 0xAAAA};

bool SamePoint(Point a, Point b) { return a.h == b.h && a.v == b.v; }

}  // namespace

void CDialControlEditor::ReadDescription(DescriptionParser& parser)
{
    CControlEditor::ReadDescription(parser);
    GroupReader group(parser.NextGroup());
    while (!group.AtEnd()) {
        const DescriptionNode& node = group.Take(kNodeKeyword);
        if (node.value == kKeyReverse)
            fReverse = true;
        else if (node.value == kKeyCyclical)
            fCyclical = true;
        else
            throw CDAEError(-7400);
    }
}

void CDialControlEditor::PointerFor(int32_t value, Point* inner, Point* outer) const
{
    double angle = value / 2147483647.0 * 3.1415926538;
    if (!fCyclical)
        angle *= 0.8;
    if (fReverse)
        angle = -angle;
    angle -= 1.5707963269;
    const Rect r = InsetRect(Frame(), 8, 8);
    const int32_t h = (r.right - r.left) / 2, v = (r.bottom - r.top) / 2;
    const int32_t ch = (r.left + r.right) / 2, cv = (r.top + r.bottom) / 2;
    const double dh = h * std::cos(angle), dv = v * std::sin(angle);
    *outer = Point{int16_t(cv + int32_t(dv)), int16_t(ch + int32_t(dh))};
    *inner = Point{int16_t(cv + int32_t(0.25 * dv)), int16_t(ch + int32_t(0.25 * dh))};
}

int32_t CDialControlEditor::ValueForPoint(Point point, int32_t current) const
{
    const Rect& f = Frame();
    const double ch = (f.left + f.right) / 2.0, cv = (f.top + f.bottom) / 2.0;
    // Degrees clockwise from straight up, 0 to 360.
    double angle = std::atan2(point.h - ch, cv - point.v) * 180.0 / 3.14159265358979;
    angle = std::round(angle);
    if (angle < 0)
        angle += 360;
    if (angle > 180)
        angle -= 360;
    if (fReverse)
        angle = -angle;
    if (!fCyclical)
        angle = angle * 10 / 8;
    angle = std::clamp(angle, -180.0, 180.0);
    const int32_t h16 = angle == 180 ? 0x7FFF : int32_t(angle * 65536 / 360);
    if (h16 == (current >> 16))
        return current;
    uint32_t value = uint32_t(h16) << 16;
    if (h16 > 0)
        value |= uint32_t(2 * h16) & 0xFFFF;
    return int32_t(value);
}

void CDialControlEditor::DrawContent(const Rect& rect)
{
    DrawBackground(rect);
    const Rect face = InsetRect(Frame(), 4, 4);
    RGBColour savedBack, fore;
    ::GetBackColour(&savedBack);
    SetBackColour(&kFace);
    BeginBackground();
    SetBackPattern(nullptr);
    EraseOvalIn(&face);
    EndBackground();
    SetBackColour(&savedBack);
    GetForeColor(&fore);
    SetForeColour(&fore);
    SetPenSize(2, 2);
    FrameOvalIn(&face);
    SetPenSize(1, 1);
    PointerFor(GetValue(), &fInner, &fOuter);
    DrawPointer(fInner, fOuter);
}

void CDialControlEditor::DrawPointer(Point inner, Point outer)
{
    RGBColour fore;
    GetForeColor(&fore);
    SetForeColour(&fore);
    SetPenSize(1, 1);
    PenMoveTo(inner.h, inner.v);
    PenLineTo(outer.h, outer.v);
}

void CDialControlEditor::ErasePointer(Point inner, Point outer)
{
    SetForeColour(&kFace);
    SetPenSize(1, 1);
    PenMoveTo(inner.h, inner.v);
    PenLineTo(outer.h, outer.v);
}

void CDialControlEditor::UpdateFromControl()
{
    Point inner, outer;
    PointerFor(GetValue(), &inner, &outer);
    if (SamePoint(inner, fInner) && SamePoint(outer, fOuter))
        return;
    const Point oldInner = fInner, oldOuter = fOuter;
    fInner = inner;
    fOuter = outer;
    if (GetPort() != nullptr) {
        ScopedDrawing drawing(*this, nullptr);
        ErasePointer(oldInner, oldOuter);
        DrawPointer(fInner, fOuter);
    }
}

void CDialControlEditor::ControlChanged()
{
    Point inner, outer;
    PointerFor(GetValue(), &inner, &outer);
    if (SamePoint(inner, fInner) && SamePoint(outer, fOuter))
        return;
    fInner = inner;
    fOuter = outer;
    Invalidate();
}

void CDialControlEditor::MoveBy(int16_t dh, int16_t dv)
{
    CControlEditor::MoveBy(dh, dv);
    fInner = Point{int16_t(fInner.v + dv), int16_t(fInner.h + dh)};
    fOuter = Point{int16_t(fOuter.v + dv), int16_t(fOuter.h + dh)};
}

bool CDialControlEditor::TrackMouse(const EventRecord& event, bool quick)
{
    Point last = event.where;
    if (!quick)
        last.h = int16_t(last.h - 1);
    SetHighlighted(true);
    Rect visible;
    GetVisibleRect(&visible);
    while (MouseStillDown()) {
        Point mouse;
        GetMousePoint(&mouse);
        if (quick && !PointInRect(mouse, visible) && PointInRect(mouse, Frame()))
            break;
        if (GetControlView() != nullptr)
            GetControlView()->Idle(0);
        if (SamePoint(mouse, last))
            continue;
        last = mouse;
        const int32_t current = GetValue();
        const int32_t value = ValueForPoint(mouse, current);
        if (value != current)
            SetValue(value);
    }
    SetHighlighted(false);
    return true;
}

void CDialControlEditor::GetValuePoint(Point* point)
{
    Point inner;
    PointerFor(GetValue(), &inner, point);
}

void CDialControlEditor::GetForeColor(RGBColour* colour)
{
    RGBColour inherited;
    CControlEditor::GetForeColor(&inherited);
    TextForeColour(*this, inherited, colour);
}

}  // namespace rtas::views

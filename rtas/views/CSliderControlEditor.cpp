#include "rtas/views/CSliderControlEditor.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/views/CControlView.h"
#include "rtas/views/DescriptionParser.h"
#include "rtas/views/GroupReader.h"
#include "rtas/views/ViewRegistry.h"

namespace rtas::views {
namespace {

constexpr uint16_t kCommandKey = 0x0100;

}  // namespace

void CSliderControlEditor::ReadDescription(DescriptionParser& parser)
{
    CControlEditor::ReadDescription(parser);
    GroupReader group(parser.NextGroup());
    if (!group.AtEnd()) {
        const DescriptionNode& node = group.Take(kNodeKeyword);
        if (node.value != kKeyReverse)
            throw CDAEError(-7400);
        fReverse = true;
    }
    group.Finish();
}

bool CSliderControlEditor::IsVertical() const
{
    const Rect& f = Frame();
    return f.right - f.left < f.bottom - f.top;
}

int32_t CSliderControlEditor::Travel() const
{
    const Rect& f = Frame();
    const int32_t w = f.right - f.left, h = f.bottom - f.top;
    return IsVertical() ? h - int32_t(0.75 * w) : w - int32_t(0.75 * h);
}

void CSliderControlEditor::GetKnobRect(Rect* rect)
{
    const Rect& f = Frame();
    const int32_t w = f.right - f.left, h = f.bottom - f.top;
    const int32_t travel = Travel();
    const int32_t v = GetValue();
    const int32_t q = (v < 0x7FFF8000 ? (v + 0x8000) >> 17 : v >> 17) + 0x4000;
    int32_t position = int32_t(int64_t(travel) * q / 32767);
    if (fReverse)
        position = travel - position;
    if (IsVertical()) {
        const int32_t knob = int32_t(0.75 * w);
        *rect = Rect{int16_t(f.bottom - position - knob), f.left, int16_t(f.bottom - position), f.right};
    } else {
        const int32_t knob = int32_t(0.75 * h);
        *rect = Rect{f.top, int16_t(f.left + position), f.bottom, int16_t(f.left + position + knob)};
    }
}

CPlugInView* CSliderControlEditor::BuildSubViews()
{
    auto* knob = new CCustomView;
    Rect r;
    GetKnobRect(&r);
    knob->SetFrame(r);
    knob->SetEnabled(false);
    knob->SetDraggable(false);
    knob->SetViewID(0x4B6E6F62);  // 'Knob'
    knob->SetPlate(true, 0, IsVertical() ? 1 : 2);
    knob->FinishCreate();
    InsertSubView(knob, true);
    fKnob = knob;
    return CControlEditor::BuildSubViews();
}

void CSliderControlEditor::UpdateFromControl()
{
    if (fKnob == nullptr)
        return;
    Rect r;
    GetKnobRect(&r);
    fKnob->MoveByAndRedraw(int16_t(r.left - fKnob->Frame().left), int16_t(r.top - fKnob->Frame().top));
}

void CSliderControlEditor::ControlChanged()
{
    if (fKnob == nullptr)
        return;
    Rect r;
    GetKnobRect(&r);
    fKnob->MoveTo(r.left, r.top);
}

void CSliderControlEditor::DrawContent(const Rect& rect)
{
    const Rect& f = Frame();
    Rect groove, area = rect;
    if (IsVertical()) {
        const int16_t centre = int16_t((f.left + f.right) / 2);
        groove = Rect{int16_t(f.top + 2), int16_t(centre - 1), int16_t(f.bottom - 2), int16_t(centre + 1)};
        area.left = int16_t(area.left - 1);
        area.right = int16_t(area.right + 1);
    } else {
        const int16_t centre = int16_t((f.top + f.bottom) / 2);
        groove = Rect{int16_t(centre - 1), int16_t(f.left + 2), int16_t(centre + 1), int16_t(f.right - 2)};
        area.top = int16_t(area.top - 1);
        area.bottom = int16_t(area.bottom + 1);
    }
    DrawBackground(area);
    RGBColour saved;
    ::GetForeColour(&saved);
    SetPenSize(1, 1);
    const RGBColour dark{0x3333, 0x3333, 0x3333}, light{0x9999, 0x9999, 0x9999};
    SetForeColour(&dark);
    PenMoveTo(groove.left, int16_t(groove.bottom - 1));
    PenLineTo(groove.left, groove.top);
    PenLineTo(int16_t(groove.right - 1), groove.top);
    SetForeColour(&light);
    PenLineTo(int16_t(groove.right - 1), int16_t(groove.bottom - 1));
    PenLineTo(groove.left, int16_t(groove.bottom - 1));
    SetForeColour(&saved);
}

void CSliderControlEditor::DrawBackground(const Rect& rect)
{
    if (GetParent() != nullptr)
        return;
    const RGBColour grey{0x8888, 0x8888, 0x8888};
    SetBackColour(&grey);
    BeginBackground();
    EraseRectangle(&rect);
    EndBackground();
}

bool CSliderControlEditor::TrackMouse(const EventRecord& event, bool quick)
{
    Rect knob;
    GetKnobRect(&knob);
    if (!PointInRect(event.where, knob))
        return CControlEditor::TrackMouse(event, quick);
    int32_t travel = Travel();
    if (event.modifiers & kCommandKey)
        travel *= GetFineFactor();
    if (travel <= 0)
        return false;
    const int32_t start = ControlValueToInteger(GetValue(), 0, travel);
    int32_t last = GetValue();
    if (fKnob != nullptr)
        fKnob->SetHighlighted(true);
    Rect visible;
    GetVisibleRect(&visible);
    while (MouseStillDown()) {
        Point mouse;
        GetMousePoint(&mouse);
        if (quick && !PointInRect(mouse, visible) && PointInRect(mouse, Frame()))
            break;
        int32_t delta = IsVertical() ? event.where.v - mouse.v : mouse.h - event.where.h;
        if (fReverse)
            delta = -delta;
        const int32_t value = IntegerToControlValue(start + delta, 0, travel);
        if (value == last) {
            if (GetControlView() != nullptr)
                GetControlView()->Idle(0);
        } else {
            SetValue(value);
            last = value;
        }
        UpdateFromControl();
    }
    if (fKnob != nullptr)
        fKnob->SetHighlighted(false);
    return true;
}

void CSliderControlEditor::GetValuePoint(Point* point)
{
    Rect r;
    GetKnobRect(&r);
    *point = Point{int16_t((r.top + r.bottom) / 2), int16_t((r.left + r.right) / 2)};
}

}  // namespace rtas::views

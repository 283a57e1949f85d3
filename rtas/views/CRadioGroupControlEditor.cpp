#include "rtas/views/CRadioGroupControlEditor.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/views/DescriptionParser.h"
#include "rtas/views/GroupReader.h"

namespace rtas::views {

void CRadioGroupControlEditor::ReadDescription(DescriptionParser& parser)
{
    CControlEditor::ReadDescription(parser);
    GroupReader group(parser.NextGroup());
    while (!group.AtEnd())
        if (group.TakeText() == "EnableHighlight")
            fHighlightFrame = true;
}

CPlugInView* CRadioGroupControlEditor::ChildAt(int32_t index) const
{
    if (index < 0)
        return nullptr;
    CPlugInView* child = GetFirstChild();
    for (int32_t i = 0; child != nullptr && i < index; ++i)
        child = child->GetNextSibling();
    return child;
}

void CRadioGroupControlEditor::UpdateFromControl()
{
    // A step without a child selects nothing rather than a stale button.
    CPlugInView* now = ChildAt(GetStep());
    if (now == fSelected)
        return;
    if (fSelected != nullptr)
        fSelected->SetHighlighted(false);
    fSelected = now;
    if (fSelected != nullptr)
        fSelected->SetHighlighted(true);
}

bool CRadioGroupControlEditor::TrackMouse(const EventRecord& event, bool quick)
{
    Rect visible;
    GetVisibleRect(&visible);
    Point mouse = event.where;
    bool first = true;
    while (first || (quick && MouseStillDown())) {
        if (!first)
            GetMousePoint(&mouse);
        first = false;
        if (!PointInRect(mouse, visible))
            break;
        int32_t index = 0;
        CPlugInView* over = nullptr;
        for (CPlugInView* child = GetFirstChild(); child != nullptr; child = child->GetNextSibling(), ++index)
            if (PointInRect(mouse, child->Frame())) {
                over = child;
                break;
            }
        if (over == nullptr || index >= GetStepCount())
            break;
        if (over != fSelected) {
            SetStep(index);
            IdleGroupWithLockReleased();
        }
    }
    return true;
}

void CRadioGroupControlEditor::DrawContent(const Rect& rect)
{
    CControlEditor::DrawContent(rect);
    const bool on = fHighlightFrame && IsControlHighlightOn();
    if (on) {
        int16_t colour = 0;
        int32_t state = 0;
        std::string text;
        GetControlHighlight(&colour, &state, &text);
        RGBColour frame{0, 0xDDDD, 0};
        if (colour == 0)
            frame = RGBColour{0xFFFF, 0, 0};
        else if (colour == 1)
            frame = RGBColour{0, 0, 0xAAAA};
        else if (colour == 3)
            frame = RGBColour{0xFFFF, 0xCCCC, 0};
        RGBColour saved;
        ::GetForeColour(&saved);
        SetForeColour(&frame);
        SetPenSize(1, 1);
        FrameRectangle(&Frame());
        SetForeColour(&saved);
        fFrameDrawn = true;
    } else if (fFrameDrawn) {
        fFrameDrawn = false;
        Invalidate();
    }
}

void CRadioGroupControlEditor::GetValuePoint(Point* point)
{
    const Rect& r = fSelected != nullptr ? fSelected->Frame() : Frame();
    *point = Point{int16_t((r.top + r.bottom) / 2), int16_t((r.left + r.right) / 2)};
}

}  // namespace rtas::views

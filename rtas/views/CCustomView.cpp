#include "rtas/views/CCustomView.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/PlugInResourceFile.h"
#include "rtas/views/DescriptionParser.h"
#include "rtas/views/GroupReader.h"
#include "rtas/views/PlateColours.h"
#include "rtas/views/ViewLayerState.h"
#include "rtas/views/ViewRegistry.h"

#include <utility>

namespace rtas::views {

CCustomView::CCustomView()
{
    LoadPlatePatternsIfMissing();
}

CCustomView::~CCustomView()
{
    ViewLayerState& shared = LayerState();
    if (fCountedAsUser && --shared.plateUsers == 0) {
        for (HostPattern*& pattern : shared.platePatterns) {
            DisposePattern(pattern);
            pattern = nullptr;
        }
    }
}

void CCustomView::LoadPlatePatternsIfMissing()
{
    ViewLayerState& shared = LayerState();
    if (shared.platePatterns[0] == nullptr || shared.platePatterns[1] == nullptr) {
        const int16_t previous = UsePlugInResourceFile();
        if (shared.platePatterns[0] == nullptr)
            shared.platePatterns[0] = LoadPattern(1001);
        if (shared.platePatterns[1] == nullptr)
            shared.platePatterns[1] = LoadPattern(1002);
        ReleasePlugInResourceFile(previous);
    }
    // Counted once, so the last user really gives the patterns back.
    if (!fCountedAsUser && (shared.platePatterns[0] != nullptr || shared.platePatterns[1] != nullptr)) {
        fCountedAsUser = true;
        ++shared.plateUsers;
    }
}

void CCustomView::ReadDescription(DescriptionParser& parser)
{
    GroupReader group(parser.NextGroup());
    SetViewID(uint32_t(group.Take(kNodeFourCC).value));
    while (!group.AtEnd()) {
        const DescriptionNode& node = group.Take();
        if (node.type == kNodeKeyword && node.value == kKeyPlate) {
            fPlate = true;
        } else if (node.type == kNodeKeyword && node.value == kKeyInversePlate) {
            fPlate = true;
            fInversePlate = true;
        } else if (node.type == kNodeInteger) {
            fColourIndex = int16_t(node.value);
        } else {
            throw CDAEError(-7400);
        }
    }
    LoadPlatePatternsIfMissing();
}

void CCustomView::SetPlate(bool plate, int16_t colourIndex, int16_t gripFlags)
{
    fPlate = plate;
    fColourIndex = colourIndex;
    fGripFlags = gripFlags;
    if (GetPort() != nullptr)
        Update(&Frame());
}

void CCustomView::SetHighlighted(bool on)
{
    CPlugInView::SetHighlighted(on);
}

int CCustomView::GetPlateColourSet()
{
    if (IsHighlighted())
        return 1;
    if (IsControlHighlightOn()) {
        int16_t colour = 0;
        int32_t state = 0;
        std::string text;
        GetControlHighlight(&colour, &state, &text);
        const int set = PlateSetForHighlight(colour);
        if (set >= 0)
            return set;
    }
    return fColourIndex;
}

void CCustomView::GetForeColor(RGBColour* colour)
{
    CPlugInView::GetForeColor(colour);
}

void CCustomView::GetBackColor(RGBColour* colour)
{
    if (fPlate)
        *colour = PlateColourSet(GetPlateColourSet())[2];
    else
        CPlugInView::GetBackColor(colour);
}

HostPattern* CCustomView::GetBackPattern()
{
    if (!fPlate)
        return CPlugInView::GetBackPattern();
    return LayerState().platePatterns[fColourIndex != 0 ? 1 : 0];
}

void CCustomView::DrawBackground(const Rect& rect)
{
    if (fPlate)
        DrawPlate(rect);
    else
        CPlugInView::DrawBackground(SectRects(Frame(), rect));
}

void CCustomView::DrawPlate(const Rect&)
{
    const Rect f = Frame();
    RGBColour c[6];
    const RGBColour* set = PlateColourSet(GetPlateColourSet());
    for (int i = 0; i < 6; ++i)
        c[i] = set[i];
    if (fInversePlate) {
        std::swap(c[0], c[5]);
        std::swap(c[1], c[4]);
    }
    RGBColour saved;
    ::GetForeColour(&saved);
    SetPenSize(1, 1);
    const Rect grip = InsetRect(f, 3, 3);

    SetForeColour(&c[2]);
    const Rect face = fInversePlate ? Rect{int16_t(f.top + 3), int16_t(f.left + 3), int16_t(f.bottom - 2),
                                           int16_t(f.right - 2)}
                                    : Rect{int16_t(f.top + 2), int16_t(f.left + 2), int16_t(f.bottom - 3),
                                           int16_t(f.right - 3)};
    FillRectangle(&face);

    SetForeColour(&c[0]);
    PenMoveTo(f.left, int16_t(f.bottom - 2));
    PenLineTo(f.left, f.top);
    PenLineTo(int16_t(f.right - 2), f.top);
    if (fGripFlags & 1)
        DrawGrip(0, grip);
    if (fGripFlags & 2)
        DrawGrip(2, grip);

    SetForeColour(&c[1]);
    PenMoveTo(int16_t(f.left + 1), int16_t(f.bottom - 3));
    PenLineTo(int16_t(f.left + 1), int16_t(f.top + 1));
    PenLineTo(int16_t(f.right - 3), int16_t(f.top + 1));

    SetForeColour(&c[3]);
    PenMoveTo(f.left, int16_t(f.bottom - 1));
    PenLineTo(int16_t(f.left + 2), int16_t(f.bottom - 3));
    if (fInversePlate)
        PenLineTo(int16_t(f.left + 2), int16_t(f.top + 2));
    else
        PenLineTo(int16_t(f.right - 3), int16_t(f.bottom - 3));
    PenLineTo(int16_t(f.right - 3), int16_t(f.top + 2));
    PenLineTo(int16_t(f.right - 1), f.top);
    if (fGripFlags & 1)
        DrawGrip(1, grip);
    if (fGripFlags & 2)
        DrawGrip(3, grip);

    SetForeColour(&c[4]);
    PenMoveTo(int16_t(f.left + 2), int16_t(f.bottom - 2));
    PenLineTo(int16_t(f.right - 2), int16_t(f.bottom - 2));
    PenLineTo(int16_t(f.right - 2), int16_t(f.top + 2));

    SetForeColour(&c[5]);
    PenMoveTo(int16_t(f.left + 1), int16_t(f.bottom - 1));
    PenLineTo(int16_t(f.right - 1), int16_t(f.bottom - 1));
    PenLineTo(int16_t(f.right - 1), int16_t(f.top + 1));

    SetForeColour(&saved);
}

void CCustomView::DrawGrip(int kind, const Rect& g)
{
    const int16_t w = int16_t(g.right - g.left), h = int16_t(g.bottom - g.top);
    const int16_t length = int16_t(kind < 2 ? w - 2 : h - 2);
    const int repeats = kind < 2 ? h / 3 : w / 3;
    PenMoveTo(g.left, g.top);
    for (int i = 0; i < repeats; ++i) {
        switch (kind) {
        case 0:
            PenMove(1, 1);
            PenLine(length, 0);
            PenLine(0, -1);
            PenMove(int16_t(-(length + 1)), 3);
            break;
        case 1:
            PenMove(0, 1);
            PenLine(0, -1);
            PenLine(length, 0);
            PenMove(int16_t(-length), 3);
            break;
        case 2:
            PenMove(1, 1);
            PenLine(0, length);
            PenLine(-1, 0);
            PenMove(3, int16_t(-(length + 1)));
            break;
        default:
            PenMove(1, 0);
            PenLine(-1, 0);
            PenLine(0, length);
            PenMove(3, int16_t(-length));
            break;
        }
    }
}

}  // namespace rtas::views

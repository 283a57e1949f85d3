#include "rtas/views/PopupMenuGeometry.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/host/ControlServices.h"
#include "rtas/views/ViewGeometry.h"

#include <algorithm>

namespace rtas::views {

int16_t ArrowsFor(const Rect& content, const Rect& visible)
{
    int16_t arrows = 0;
    if (content.top < visible.top)
        arrows |= kArrowTop;
    if (content.bottom > visible.bottom)
        arrows |= kArrowBottom;
    if (content.left < visible.left)
        arrows |= kArrowLeft;
    if (content.right > visible.right)
        arrows |= kArrowRight;
    return arrows;
}

PopupGeometry PlacePopup(const Rect& wanted, Point point)
{
    Rect screen;
    if (!GetScreenRectAt(point, &screen))
        throw CDAEError(-7400);
    screen = InsetRect(screen, 5, 5);
    PopupGeometry g;
    Rect r = wanted;
    // Slide the menu onto the screen where it fits; where it does not, keep its start and clip.
    const int16_t height = int16_t(r.bottom - r.top), width = int16_t(r.right - r.left);
    if (height <= screen.bottom - screen.top) {
        if (r.top < screen.top)
            r = OffsetRect(r, 0, screen.top - r.top);
        if (r.bottom > screen.bottom)
            r = OffsetRect(r, 0, screen.bottom - r.bottom);
    }
    if (width <= screen.right - screen.left) {
        if (r.left < screen.left)
            r = OffsetRect(r, screen.left - r.left, 0);
        if (r.right > screen.right)
            r = OffsetRect(r, screen.right - r.right, 0);
    }
    g.content = r;
    g.visible = SectRects(r, screen);
    g.arrows = ArrowsFor(g.content, g.visible);
    return g;
}

bool AutoScrollStep(PopupGeometry& g, Point mouse, int16_t pause, int16_t* dh, int16_t* dv, int16_t* pauseTicks)
{
    *dh = *dv = 0;
    *pauseTicks = 0;
    int16_t beyond = 0;
    if (mouse.v < g.visible.top && (g.arrows & kArrowTop)) {
        *dv = int16_t(std::min<int>(kMaxScrollStep, g.visible.top - g.content.top));
        beyond = int16_t(g.visible.top - mouse.v);
    } else if (mouse.v >= g.visible.bottom && (g.arrows & kArrowBottom)) {
        *dv = int16_t(-std::min<int>(kMaxScrollStep, g.content.bottom - g.visible.bottom));
        beyond = int16_t(mouse.v - g.visible.bottom + 1);
    } else if (mouse.h < g.visible.left && (g.arrows & kArrowLeft)) {
        *dh = int16_t(std::min<int>(kMaxScrollStep, g.visible.left - g.content.left));
        beyond = int16_t(g.visible.left - mouse.h);
    } else if (mouse.h >= g.visible.right && (g.arrows & kArrowRight)) {
        *dh = int16_t(-std::min<int>(kMaxScrollStep, g.content.right - g.visible.right));
        beyond = int16_t(mouse.h - g.visible.right + 1);
    }
    if (*dh == 0 && *dv == 0)
        return false;
    g.content = OffsetRect(g.content, *dh, *dv);
    g.arrows = ArrowsFor(g.content, g.visible);
    *pauseTicks = beyond <= kArrowBand ? pause : 0;
    return true;
}

void DrawArrowBands(const PopupGeometry& g, const RGBColour& background)
{
    const Rect& v = g.visible;
    RGBColour saved, savedBack;
    GetForeColour(&saved);
    GetBackColour(&savedBack);
    const RGBColour black{0, 0, 0};
    SetBackColour(&background);
    SetForeColour(&black);
    SetPenSize(1, 1);
    auto band = [&](int16_t flag, Rect r) {
        if (!(g.arrows & flag))
            return;
        EraseRectangle(&r);
        const int16_t midH = int16_t((r.left + r.right) / 2), midV = int16_t((r.top + r.bottom) / 2);
        // A triangle 12 wide and 6 deep, its tip 3 pixels from the outer edge, pointing outwards.
        for (int16_t row = 0; row < 6; ++row) {
            const int16_t half = int16_t(row);
            switch (flag) {
            case kArrowTop:
                PenMoveTo(int16_t(midH - half), int16_t(r.top + 3 + row));
                PenLineTo(int16_t(midH + half), int16_t(r.top + 3 + row));
                break;
            case kArrowBottom:
                PenMoveTo(int16_t(midH - half), int16_t(r.bottom - 4 - row));
                PenLineTo(int16_t(midH + half), int16_t(r.bottom - 4 - row));
                break;
            case kArrowLeft:
                PenMoveTo(int16_t(r.left + 3 + row), int16_t(midV - half));
                PenLineTo(int16_t(r.left + 3 + row), int16_t(midV + half));
                break;
            default:
                PenMoveTo(int16_t(r.right - 4 - row), int16_t(midV - half));
                PenLineTo(int16_t(r.right - 4 - row), int16_t(midV + half));
                break;
            }
        }
    };
    band(kArrowTop, Rect{v.top, v.left, int16_t(v.top + kArrowBand), v.right});
    band(kArrowBottom, Rect{int16_t(v.bottom - kArrowBand), v.left, v.bottom, v.right});
    band(kArrowLeft, Rect{v.top, v.left, v.bottom, int16_t(v.left + kArrowBand)});
    band(kArrowRight, Rect{v.top, int16_t(v.right - kArrowBand), v.bottom, v.right});
    SetForeColour(&saved);
    SetBackColour(&savedBack);
}

}  // namespace rtas::views

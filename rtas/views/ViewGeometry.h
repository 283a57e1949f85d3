// Rectangles, points and colours of the view layer: port coordinates, top-left inclusive, bottom-right exclusive.
#pragma once

#include "rtas/framework/host/DrawingServices.h"

#include <algorithm>

namespace rtas::views {

inline bool IsEmptyRect(const Rect& r) { return r.bottom <= r.top || r.right <= r.left; }

// The common part of a and b; an empty rectangle (all 0) when they do not meet.
inline Rect SectRects(const Rect& a, const Rect& b)
{
    const Rect r{std::max(a.top, b.top), std::max(a.left, b.left), std::min(a.bottom, b.bottom),
                 std::min(a.right, b.right)};
    return IsEmptyRect(r) ? Rect{0, 0, 0, 0} : r;
}

inline bool RectsMeet(const Rect& a, const Rect& b) { return !IsEmptyRect(SectRects(a, b)); }

inline Rect UnionRects(const Rect& a, const Rect& b)
{
    return Rect{std::min(a.top, b.top), std::min(a.left, b.left), std::max(a.bottom, b.bottom),
                std::max(a.right, b.right)};
}

inline bool PointInRect(const Point& p, const Rect& r)
{
    return p.v >= r.top && p.v < r.bottom && p.h >= r.left && p.h < r.right;
}

inline bool RectEncloses(const Rect& outer, const Rect& inner)
{
    return outer.top <= inner.top && outer.left <= inner.left && outer.bottom >= inner.bottom &&
           outer.right >= inner.right;
}

inline Rect InsetRect(const Rect& r, int dh, int dv)
{
    return Rect{int16_t(r.top + dv), int16_t(r.left + dh), int16_t(r.bottom - dv), int16_t(r.right - dh)};
}

inline Rect OffsetRect(const Rect& r, int dh, int dv)
{
    return Rect{int16_t(r.top + dv), int16_t(r.left + dh), int16_t(r.bottom + dv), int16_t(r.right + dh)};
}

inline bool SameRect(const Rect& a, const Rect& b)
{
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}

inline bool SameColour(const RGBColour& a, const RGBColour& b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

constexpr uint32_t kNoViewID = 0x4E4F4E45;  // 'NONE'

}  // namespace rtas::views

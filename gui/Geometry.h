// Points and rectangles of the graphics layer. Coordinates are doubles in pixels of the frame, y grows downwards;
// an edge may lie between pixels (260.5).
#pragma once

#include <algorithm>

using CCoord = double;

struct CPoint
{
    CCoord x = 0;
    CCoord y = 0;

    constexpr CPoint() = default;
    constexpr CPoint(CCoord px, CCoord py) : x(px), y(py) {}

    CPoint& offset(CCoord dx, CCoord dy)
    {
        x += dx;
        y += dy;
        return *this;
    }
    CPoint operator+(const CPoint& p) const { return {x + p.x, y + p.y}; }
    CPoint operator-(const CPoint& p) const { return {x - p.x, y - p.y}; }
    bool operator==(const CPoint& p) const { return x == p.x && y == p.y; }
    bool operator!=(const CPoint& p) const { return !(*this == p); }
};

struct CRect
{
    CCoord left = 0;
    CCoord top = 0;
    CCoord right = 0;
    CCoord bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(CCoord l, CCoord t, CCoord r, CCoord b) : left(l), top(t), right(r), bottom(b) {}
    // Origin and size.
    constexpr CRect(const CPoint& origin, const CPoint& size)
        : left(origin.x), top(origin.y), right(origin.x + size.x), bottom(origin.y + size.y)
    {
    }

    CCoord getWidth() const { return right - left; }
    CCoord getHeight() const { return bottom - top; }
    CCoord width() const { return getWidth(); }
    CCoord height() const { return getHeight(); }
    CPoint getTopLeft() const { return {left, top}; }
    CPoint getBottomRight() const { return {right, bottom}; }
    CPoint getSize() const { return {getWidth(), getHeight()}; }
    CPoint getCenter() const { return {(left + right) / 2, (top + bottom) / 2}; }

    CRect& setWidth(CCoord w)
    {
        right = left + w;
        return *this;
    }
    CRect& setHeight(CCoord h)
    {
        bottom = top + h;
        return *this;
    }
    CRect& offset(CCoord dx, CCoord dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
        return *this;
    }
    CRect& moveTo(CCoord x, CCoord y) { return offset(x - left, y - top); }
    CRect& moveTo(const CPoint& p) { return moveTo(p.x, p.y); }
    // Grows (negative: shrinks) every edge by the amounts.
    CRect& inset(CCoord dx, CCoord dy)
    {
        left += dx;
        right -= dx;
        top += dy;
        bottom -= dy;
        return *this;
    }
    // Swaps edges so that left <= right and top <= bottom.
    CRect& normalize()
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
        return *this;
    }

    // Nothing inside: zero or negative width or height.
    bool isEmpty() const { return right <= left || bottom <= top; }
    // Left and top edges inside, right and bottom edges outside.
    bool pointInside(const CPoint& p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    // True when the two rectangles share an area of non-zero size.
    bool rectOverlap(const CRect& r) const
    {
        return !isEmpty() && !r.isEmpty() && r.left < right && r.right > left && r.top < bottom && r.bottom > top;
    }
    // Clips this rectangle to `r` (the intersection); an empty result collapses to zero size at a clamped corner.
    CRect& bound(const CRect& r)
    {
        left = std::max(left, r.left);
        top = std::max(top, r.top);
        right = std::min(right, r.right);
        bottom = std::min(bottom, r.bottom);
        if (right < left)
            right = left;
        if (bottom < top)
            bottom = top;
        return *this;
    }
    CRect intersection(const CRect& r) const { return CRect(*this).bound(r); }
    // Grows this rectangle to hold `r` too (an empty `r` changes nothing).
    CRect& unite(const CRect& r)
    {
        if (r.isEmpty())
            return *this;
        if (isEmpty())
            return *this = r;
        left = std::min(left, r.left);
        top = std::min(top, r.top);
        right = std::max(right, r.right);
        bottom = std::max(bottom, r.bottom);
        return *this;
    }

    bool operator==(const CRect& r) const
    {
        return left == r.left && top == r.top && right == r.right && bottom == r.bottom;
    }
    bool operator!=(const CRect& r) const { return !(*this == r); }
};

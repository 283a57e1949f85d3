// The one drawing interface every backend implements (cairo on Linux, GDI+ on Windows). The context keeps the
// drawing state; backends read it at each drawing call. Coordinates are the frame's; a drawing call paints only
// inside the clip rectangle. GUI thread.
#pragma once

#include <cstdint>

#include "gui/CColor.h"
#include "gui/CFontDesc.h"
#include "gui/Geometry.h"

class CBitmap;

enum CDrawStyle : int32_t
{
    kDrawStroked = 0,
    kDrawFilled,
    kDrawFilledAndStroked,
};

enum CDrawMode : int32_t
{
    kAliasing = 0,
    kAntiAliasing,
};

enum CHoriTxtAlign : int32_t
{
    kLeftText = 0,
    kCenterText,
    kRightText,
};

class CDrawContext
{
public:
    explicit CDrawContext(const CRect& surfaceRect) : surfaceRect_(surfaceRect), clipRect_(surfaceRect) {}
    virtual ~CDrawContext() = default;
    CDrawContext(const CDrawContext&) = delete;
    CDrawContext& operator=(const CDrawContext&) = delete;

    void setLineWidth(CCoord width) { lineWidth_ = width; }
    CCoord getLineWidth() const { return lineWidth_; }
    void setFrameColor(const CColor& color) { frameColor_ = color; }
    const CColor& getFrameColor() const { return frameColor_; }
    void setFillColor(const CColor& color) { fillColor_ = color; }
    const CColor& getFillColor() const { return fillColor_; }
    void setFontColor(const CColor& color) { fontColor_ = color; }
    const CColor& getFontColor() const { return fontColor_; }
    void setFont(const CFontDesc& font) { font_ = font; }
    const CFontDesc& getFont() const { return font_; }
    // Antialiasing of lines, rectangles and arcs (text and bitmaps are always smooth).
    void setDrawMode(CDrawMode mode) { drawMode_ = mode; }
    CDrawMode getDrawMode() const { return drawMode_; }
    // Multiplies the alpha of everything drawn, 0..1.
    void setGlobalAlpha(float alpha) { globalAlpha_ = alpha < 0 ? 0 : (alpha > 1 ? 1 : alpha); }
    float getGlobalAlpha() const { return globalAlpha_; }

    // The clip is always kept inside the surface.
    void setClipRect(const CRect& clip) { clipRect_ = CRect(clip).bound(surfaceRect_); }
    CRect& getClipRect(CRect& clip) const { return clip = clipRect_; }
    const CRect& getClipRect() const { return clipRect_; }
    void resetClipRect() { clipRect_ = surfaceRect_; }
    // The whole drawable area, in frame coordinates.
    const CRect& getSurfaceRect() const { return surfaceRect_; }

    // A line of the line width in the frame colour.
    virtual void drawLine(const CPoint& from, const CPoint& to) = 0;
    // Stroked in the frame colour (line centred on the edges), filled in the fill colour.
    virtual void drawRect(const CRect& rect, CDrawStyle style = kDrawStroked) = 0;
    // The part of the ellipse inscribed in `rect` from startAngle to endAngle, in degrees counted anticlockwise from
    // the 12 o'clock direction (90 points left, -90 right); the arc runs anticlockwise from start to end. Stroked in
    // the frame colour with the line width.
    virtual void drawArc(const CRect& rect, float startAngle, float endAngle, CDrawStyle style = kDrawStroked) = 0;
    // One line of UTF-8 text in the font and font colour, aligned horizontally in `rect` and centred vertically on
    // it. Text is clipped to the clip rectangle, not to `rect`.
    virtual void drawString(const char* utf8, const CRect& rect, CHoriTxtAlign align = kCenterText) = 0;
    // Width in pixels of the text in the current font.
    virtual CCoord getStringWidth(const char* utf8) = 0;
    // Copies the bitmap's area starting at `offset` (bitmap pixels) into `dest` without scaling, blended with
    // `alpha` (0..1) times the global alpha. Parts beyond the bitmap stay untouched.
    virtual void drawBitmap(CBitmap* bitmap, const CRect& dest, const CPoint& offset = CPoint(), float alpha = 1.f) = 0;

protected:
    CRect surfaceRect_;
    CRect clipRect_;
    CCoord lineWidth_ = 1;
    CColor frameColor_ = kBlackCColor;
    CColor fillColor_ = kWhiteCColor;
    CColor fontColor_ = kBlackCColor;
    CFontDesc font_ = kNormalFont;
    CDrawMode drawMode_ = kAliasing;
    float globalAlpha_ = 1.f;
};

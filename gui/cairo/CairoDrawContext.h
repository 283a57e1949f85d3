// The draw context over any cairo surface: the offscreen image surface on Linux, and the X11 window's surface
// (the X11 backend creates one per paint). Coordinates are the frame's; `surfaceRect` is the area of the frame the
// surface shows, its top-left drawn at the surface's (0, 0). GUI thread.
#pragma once

#include <cairo.h>

#include "gui/CDrawContext.h"

class CairoDrawContext : public CDrawContext
{
public:
    // Draws through `cr` (the context keeps its own reference and restores cr's state when destroyed).
    CairoDrawContext(cairo_t* cr, const CRect& surfaceRect);
    // Creates its own cairo_t over `surface`.
    CairoDrawContext(cairo_surface_t* surface, const CRect& surfaceRect);
    ~CairoDrawContext() override;
    CairoDrawContext(const CairoDrawContext&) = delete;
    CairoDrawContext& operator=(const CairoDrawContext&) = delete;

    cairo_t* getCairo() const { return cr_; }

    void drawLine(const CPoint& from, const CPoint& to) override;
    void drawRect(const CRect& rect, CDrawStyle style = kDrawStroked) override;
    void drawArc(const CRect& rect, float startAngle, float endAngle, CDrawStyle style = kDrawStroked) override;
    void drawString(const char* utf8, const CRect& rect, CHoriTxtAlign align = kCenterText) override;
    CCoord getStringWidth(const char* utf8) override;
    void drawBitmap(CBitmap* bitmap, const CRect& dest, const CPoint& offset = CPoint(), float alpha = 1.f) override;

private:
    // Saves cairo's state and applies the clip, antialiasing and line width; paired with cairo_restore.
    void beginDrawing();
    void setSourceColor(const CColor& color);
    void selectFont();

    cairo_t* cr_;
};

// The draw context over a GDI+ Graphics: the frame window's back buffer and the offscreen surface. Coordinates are
// the frame's; `surfaceRect` is the area of the frame the graphics show, its top-left drawn at the graphics' (0, 0).
// Pixel edges lie on whole coordinates (as with cairo), so both backends put the same pixels in the same places.
// GUI thread.
#pragma once

#include "gui/CDrawContext.h"
#include "gui/win32/GdiplusHeaders.h"

class GdiplusDrawContext : public CDrawContext
{
public:
    // Draws through `graphics`, whose state is restored when the context is destroyed.
    GdiplusDrawContext(Gdiplus::Graphics* graphics, const CRect& surfaceRect);
    ~GdiplusDrawContext() override;
    GdiplusDrawContext(const GdiplusDrawContext&) = delete;
    GdiplusDrawContext& operator=(const GdiplusDrawContext&) = delete;

    Gdiplus::Graphics* getGraphics() const { return graphics_; }

    void drawLine(const CPoint& from, const CPoint& to) override;
    void drawRect(const CRect& rect, CDrawStyle style = kDrawStroked) override;
    void drawArc(const CRect& rect, float startAngle, float endAngle, CDrawStyle style = kDrawStroked) override;
    void drawString(const char* utf8, const CRect& rect, CHoriTxtAlign align = kCenterText) override;
    CCoord getStringWidth(const char* utf8) override;
    void drawBitmap(CBitmap* bitmap, const CRect& dest, const CPoint& offset = CPoint(), float alpha = 1.f) override;

private:
    enum Drawing
    {
        kShapes,
        kText,
        kBitmap,
    };
    // Saves the graphics state and applies the clip, the smoothing and the pixel placement for the kind of drawing;
    // paired with endDrawing.
    Gdiplus::GraphicsState beginDrawing(Drawing drawing);
    void endDrawing(Gdiplus::GraphicsState state);
    Gdiplus::Color colorOf(const CColor& color) const;

    Gdiplus::Graphics* graphics_;
    Gdiplus::GraphicsState initialState_;
};

#include "gui/cairo/CairoDrawContext.h"

#include <cmath>
#include <cstring>

#include "gui/CBitmap.h"
#include "gui/cairo/CairoBitmap.h"

namespace
{
constexpr double kPi = 3.14159265358979323846;

// Families the product's artwork names, mapped to the metric-compatible ones Linux has.
const char* familyFor(const std::string& name)
{
    if (name == "Arial" || name == "Helvetica")
        return "Liberation Sans";
    if (name == "Times New Roman" || name == "Times")
        return "Liberation Serif";
    if (name == "Courier New" || name == "Courier")
        return "Liberation Mono";
    return name.c_str();
}

cairo_t* createCairo(cairo_surface_t* surface) { return cairo_create(surface); }
} // namespace

CairoDrawContext::CairoDrawContext(cairo_t* cr, const CRect& surfaceRect)
    : CDrawContext(surfaceRect), cr_(cairo_reference(cr))
{
    cairo_save(cr_);
    cairo_translate(cr_, -surfaceRect.left, -surfaceRect.top);
}

CairoDrawContext::CairoDrawContext(cairo_surface_t* surface, const CRect& surfaceRect)
    : CairoDrawContext(createCairo(surface), surfaceRect)
{
    // The delegated constructor took its own reference.
    cairo_destroy(cr_);
}

CairoDrawContext::~CairoDrawContext()
{
    cairo_restore(cr_);
    cairo_destroy(cr_);
}

void CairoDrawContext::beginDrawing()
{
    cairo_save(cr_);
    // Clip edges on whole pixels: a fractional clip would leave half-covered seams between neighbouring views.
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    cairo_rectangle(cr_, clipRect_.left, clipRect_.top, clipRect_.getWidth(), clipRect_.getHeight());
    cairo_clip(cr_);
    cairo_set_antialias(cr_, drawMode_ == kAntiAliasing ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(cr_, lineWidth_);
}

void CairoDrawContext::setSourceColor(const CColor& color)
{
    cairo_set_source_rgba(cr_, color.red / 255.0, color.green / 255.0, color.blue / 255.0,
                          color.alpha / 255.0 * globalAlpha_);
}

void CairoDrawContext::selectFont()
{
    cairo_select_font_face(cr_, familyFor(font_.name),
                           (font_.style & kItalicFace) ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           (font_.style & kBoldFace) ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, font_.size);
    cairo_font_options_t* options = cairo_font_options_create();
    // The same glyph placement on a window and offscreen: no subpixel colours, no hinting.
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr_, options);
    cairo_font_options_destroy(options);
}

void CairoDrawContext::drawLine(const CPoint& from, const CPoint& to)
{
    beginDrawing();
    // Without smoothing, an odd-width line through pixel coordinates covers exactly those pixels.
    double shift = 0;
    if (drawMode_ != kAntiAliasing && static_cast<long>(std::lround(lineWidth_)) % 2 == 1)
        shift = 0.5;
    cairo_move_to(cr_, from.x + shift, from.y + shift);
    cairo_line_to(cr_, to.x + shift, to.y + shift);
    setSourceColor(frameColor_);
    cairo_stroke(cr_);
    cairo_restore(cr_);
}

void CairoDrawContext::drawRect(const CRect& rect, CDrawStyle style)
{
    beginDrawing();
    if (style == kDrawFilled || style == kDrawFilledAndStroked)
    {
        cairo_rectangle(cr_, rect.left, rect.top, rect.getWidth(), rect.getHeight());
        setSourceColor(fillColor_);
        cairo_fill(cr_);
    }
    if (style == kDrawStroked || style == kDrawFilledAndStroked)
    {
        // The stroke lies inside the rectangle.
        const double half = lineWidth_ / 2;
        cairo_rectangle(cr_, rect.left + half, rect.top + half, rect.getWidth() - lineWidth_,
                        rect.getHeight() - lineWidth_);
        setSourceColor(frameColor_);
        cairo_stroke(cr_);
    }
    cairo_restore(cr_);
}

void CairoDrawContext::drawArc(const CRect& rect, float startAngle, float endAngle, CDrawStyle style)
{
    const double rx = rect.getWidth() / 2;
    const double ry = rect.getHeight() / 2;
    if (rx <= 0 || ry <= 0)
        return;
    // Our angles run anticlockwise from 12 o'clock; cairo's clockwise from 3 o'clock (y down).
    const double a1 = (-90.0 - startAngle) * kPi / 180.0;
    const double a2 = (-90.0 - endAngle) * kPi / 180.0;
    beginDrawing();
    const CPoint centre = rect.getCenter();
    cairo_save(cr_);
    cairo_translate(cr_, centre.x, centre.y);
    cairo_scale(cr_, rx, ry);
    if (style != kDrawStroked)
        cairo_move_to(cr_, 0, 0);
    if (startAngle != endAngle)
        cairo_arc_negative(cr_, 0, 0, 1, a1, a2);
    if (style != kDrawStroked)
        cairo_close_path(cr_);
    cairo_restore(cr_);
    if (style != kDrawStroked)
    {
        setSourceColor(fillColor_);
        if (style == kDrawFilledAndStroked)
            cairo_fill_preserve(cr_);
        else
            cairo_fill(cr_);
    }
    if (style != kDrawFilled)
    {
        setSourceColor(frameColor_);
        cairo_stroke(cr_);
    }
    cairo_new_path(cr_);
    cairo_restore(cr_);
}

void CairoDrawContext::drawString(const char* utf8, const CRect& rect, CHoriTxtAlign align)
{
    if (!utf8 || !*utf8)
        return;
    beginDrawing();
    selectFont();
    cairo_font_extents_t font;
    cairo_font_extents(cr_, &font);
    cairo_text_extents_t text;
    cairo_text_extents(cr_, utf8, &text);
    double x = rect.left;
    if (align == kCenterText)
        x = rect.left + (rect.getWidth() - text.x_advance) / 2;
    else if (align == kRightText)
        x = rect.right - text.x_advance;
    const double y = rect.top + (rect.getHeight() - (font.ascent + font.descent)) / 2 + font.ascent;
    // Whole-pixel baselines keep the text as sharp as the hinting-free glyphs allow.
    cairo_move_to(cr_, std::round(x), std::round(y));
    setSourceColor(fontColor_);
    cairo_show_text(cr_, utf8);
    cairo_new_path(cr_);
    cairo_restore(cr_);
}

CCoord CairoDrawContext::getStringWidth(const char* utf8)
{
    if (!utf8 || !*utf8)
        return 0;
    cairo_save(cr_);
    selectFont();
    cairo_text_extents_t text;
    cairo_text_extents(cr_, utf8, &text);
    cairo_restore(cr_);
    return text.x_advance;
}

void CairoDrawContext::drawBitmap(CBitmap* bitmap, const CRect& dest, const CPoint& offset, float alpha)
{
    if (!bitmap || !bitmap->getPlatformBitmap())
        return;
    auto* platform = static_cast<CairoBitmap*>(bitmap->getPlatformBitmap());
    beginDrawing();
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    // Only the bitmap's own pixels: the area beyond it stays untouched.
    CRect area(dest.left, dest.top, dest.left + platform->getWidth() - offset.x,
               dest.top + platform->getHeight() - offset.y);
    area.bound(dest);
    cairo_rectangle(cr_, area.left, area.top, area.getWidth(), area.getHeight());
    cairo_clip(cr_);
    cairo_set_source_surface(cr_, platform->getSurface(), dest.left - offset.x, dest.top - offset.y);
    // One bitmap pixel per screen pixel, also at half-pixel positions.
    cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_NEAREST);
    const double a = static_cast<double>(alpha) * globalAlpha_;
    if (a >= 1.0)
        cairo_paint(cr_);
    else
        cairo_paint_with_alpha(cr_, a < 0 ? 0 : a);
    cairo_restore(cr_);
}

// The gain-reduction meter: a backlit paper face in a black housing (lamp lit and dark), and the layer over the
// needle with the housing, the pivot's shroud and the glass. The needle itself is drawn by the editor between them.
#include <cmath>

#include "Art.h"
#include "PanelParts.h"
#include "Shading.h"
#include "Surface.h"
#include "Text.h"

namespace {
using layout::kPivot;

const Box kWindow{7, 7, 138, 138};
// The needle turns about the pixel centre of the pivot.
const Point kCentre{kPivot.x + 0.5, kPivot.y + 0.5};
constexpr double kArc = 63.0;
constexpr double kShroud = 13.0;
const Colour kInk = rgb8(40, 35, 30);
const Colour kRedInk = rgb8(178, 42, 28);

// The editor's needle angle for a meter value (1 = no gain reduction), anticlockwise from the right.
double needleAngle(double value) { return 3.0 * kPi / 4.0 - kPi / 2.0 * value; }
Point onArc(double value, double radius)
{
    const double a = needleAngle(value);
    return {kCentre.x + radius * std::cos(a), kCentre.y - radius * std::sin(a)};
}
double gainOfDecibels(double reduction) { return std::pow(10.0, -reduction / 20.0); }

void drawHousing(cairo_t* cr)
{
    cairo_pattern_t* body = cairo_pattern_create_linear(0, 0, 0, 145);
    cairo_pattern_add_color_stop_rgb(body, 0.0, 0.17, 0.175, 0.19);
    cairo_pattern_add_color_stop_rgb(body, 1.0, 0.07, 0.072, 0.08);
    cairo_rectangle(cr, 0, 0, 145, 145);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    // Bevels: the outer edge catches light at the top, the window's edge at the bottom.
    roundedRectangle(cr, {0.5, 0.5, 144.5, 144.5}, 3.0);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.10);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    roundedRectangle(cr, {kWindow.left - 1.5, kWindow.top - 1.5, kWindow.right + 1.5, kWindow.bottom + 1.5}, 7.0);
    cairo_pattern_t* edge = cairo_pattern_create_linear(0, kWindow.top, 0, kWindow.bottom);
    cairo_pattern_add_color_stop_rgba(edge, 0.0, 0, 0, 0, 0.8);
    cairo_pattern_add_color_stop_rgba(edge, 1.0, 1, 1, 1, 0.22);
    cairo_set_source(cr, edge);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    const Point screws[] = {{4.5, 4.5}, {140.5, 4.5}, {4.5, 140.5}, {140.5, 140.5}};
    for (const Point& p : screws)
        drawScrew(cr, p, 2.3, 0.6 + p.x * 0.01);
}

void drawPaper(cairo_t* cr, bool lit)
{
    cairo_save(cr);
    roundedRectangle(cr, kWindow, 6.0);
    cairo_clip(cr);
    // Lit: the lamp behind the paper glows warm in the middle and fades to amber at the edges.
    cairo_pattern_t* paper = cairo_pattern_create_radial(kCentre.x, kCentre.y - 25, 8, kCentre.x, kCentre.y - 20, 105);
    if (lit)
    {
        cairo_pattern_add_color_stop_rgb(paper, 0.0, 1.0, 0.93, 0.72);
        cairo_pattern_add_color_stop_rgb(paper, 0.55, 0.98, 0.83, 0.55);
        cairo_pattern_add_color_stop_rgb(paper, 1.0, 0.80, 0.58, 0.30);
    }
    else
    {
        cairo_pattern_add_color_stop_rgb(paper, 0.0, 0.56, 0.53, 0.47);
        cairo_pattern_add_color_stop_rgb(paper, 0.55, 0.50, 0.47, 0.41);
        cairo_pattern_add_color_stop_rgb(paper, 1.0, 0.36, 0.33, 0.29);
    }
    cairo_set_source(cr, paper);
    cairo_paint(cr);
    cairo_pattern_destroy(paper);
    cairo_restore(cr);
}

void drawScale(cairo_t* cr, bool lit)
{
    // Print is darker on a lit face only because the face around it is brighter.
    const double ink = lit ? 1.0 : 0.85;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    // The arc: black from no reduction to 10 dB, red beyond.
    const double heavy = gainOfDecibels(10.0);
    cairo_set_line_width(cr, 1.4);
    cairo_arc_negative(cr, kCentre.x, kCentre.y, kArc, -needleAngle(1.0), -needleAngle(heavy));
    cairo_set_source_rgba(cr, kInk.r, kInk.g, kInk.b, ink);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 3.0);
    cairo_arc_negative(cr, kCentre.x, kCentre.y, kArc + 1.0, -needleAngle(heavy), -needleAngle(0.0));
    cairo_set_source_rgba(cr, kRedInk.r, kRedInk.g, kRedInk.b, ink);
    cairo_stroke(cr);

    struct Tick
    {
        double reduction;
        const char* text;  // null for an unlabelled tick
    };
    const Tick ticks[] = {{0, "0"},  {1, "1"},   {2, "2"},  {3, "3"},      {4, "4"},
                          {5, nullptr}, {6, "6"}, {8, "8"}, {10, "10"},   {15, nullptr},
                          {20, "20"}, {30, nullptr}};
    const Font font{8.0, true, 0.0};
    for (const Tick& t : ticks)
    {
        const double v = gainOfDecibels(t.reduction);
        const bool red = t.reduction > 10.0;
        const Colour c = red ? kRedInk : kInk;
        const Point a = onArc(v, kArc);
        const Point b = onArc(v, kArc + (t.text ? 7.5 : 4.5));
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, b.x, b.y);
        cairo_set_line_width(cr, t.text ? 1.4 : 1.0);
        cairo_set_source_rgba(cr, c.r, c.g, c.b, ink);
        cairo_stroke(cr);
        if (t.text)
        {
            const Point p = onArc(v, kArc + 14.5);
            cairo_set_source_rgba(cr, c.r, c.g, c.b, ink);
            showText(cr, font, p.x, p.y + capHeight(cr, font) / 2.0, t.text, Align::Centre);
        }
    }
    // The end of the travel: no signal left at all.
    const Point end = onArc(0.0, kArc + 6.0);
    cairo_arc(cr, end.x, end.y, 1.6, 0, 2 * kPi);
    cairo_set_source_rgba(cr, kRedInk.r, kRedInk.g, kRedInk.b, ink);
    cairo_fill(cr);

    cairo_set_source_rgba(cr, kInk.r, kInk.g, kInk.b, ink);
    showText(cr, {13.0, true, 0.5}, kCentre.x, 76.0, "dB", Align::Centre);
}

// The shroud that hides the needle's foot, the glass's reflection and the shadow the housing throws into the
// window; all of it lies over the needle.
void drawShroud(cairo_t* cr)
{
    cairo_save(cr);
    roundedRectangle(cr, kWindow, 6.0);
    cairo_clip(cr);
    cairo_new_path(cr);
    cairo_arc(cr, kCentre.x, kCentre.y, kShroud, kPi, 2.0 * kPi);
    cairo_line_to(cr, kCentre.x + kShroud + 4.0, kCentre.y + 7.0);
    cairo_line_to(cr, kWindow.right, kCentre.y + 9.0);
    cairo_line_to(cr, kWindow.right, kWindow.bottom);
    cairo_line_to(cr, kWindow.left, kWindow.bottom);
    cairo_line_to(cr, kWindow.left, kCentre.y + 9.0);
    cairo_line_to(cr, kCentre.x - kShroud - 4.0, kCentre.y + 7.0);
    cairo_close_path(cr);
    cairo_pattern_t* black = cairo_pattern_create_linear(0, kCentre.y - kShroud, 0, kWindow.bottom);
    cairo_pattern_add_color_stop_rgb(black, 0.0, 0.20, 0.20, 0.21);
    cairo_pattern_add_color_stop_rgb(black, 0.35, 0.07, 0.07, 0.075);
    cairo_pattern_add_color_stop_rgb(black, 1.0, 0.03, 0.03, 0.035);
    cairo_set_source(cr, black);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(black);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.14);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    printText(cr, {6.0, true, 2.0}, kCentre.x, kWindow.bottom - 8.0, "QOR KALVENOR", Align::Centre,
              palette::kPrintDim, 0.8);
    // The needle's hub.
    cairo_arc(cr, kCentre.x, kCentre.y, 3.2, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 0.30, 0.30, 0.32);
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawGlass(cairo_t* cr)
{
    cairo_save(cr);
    roundedRectangle(cr, kWindow, 6.0);
    cairo_clip(cr);
    // Shadow of the housing's edge along the top and the left of the window.
    cairo_pattern_t* top = cairo_pattern_create_linear(0, kWindow.top, 0, kWindow.top + 9);
    cairo_pattern_add_color_stop_rgba(top, 0.0, 0, 0, 0, 0.45);
    cairo_pattern_add_color_stop_rgba(top, 1.0, 0, 0, 0, 0.0);
    cairo_set_source(cr, top);
    cairo_paint(cr);
    cairo_pattern_destroy(top);
    cairo_pattern_t* left = cairo_pattern_create_linear(kWindow.left, 0, kWindow.left + 6, 0);
    cairo_pattern_add_color_stop_rgba(left, 0.0, 0, 0, 0, 0.3);
    cairo_pattern_add_color_stop_rgba(left, 1.0, 0, 0, 0, 0.0);
    cairo_set_source(cr, left);
    cairo_paint(cr);
    cairo_pattern_destroy(left);
    // A broad reflection across the upper left of the glass.
    cairo_move_to(cr, kWindow.left, kWindow.top);
    cairo_line_to(cr, kWindow.left + 95, kWindow.top);
    cairo_curve_to(cr, kWindow.left + 60, kWindow.top + 20, kWindow.left + 25, kWindow.top + 45, kWindow.left,
                   kWindow.top + 78);
    cairo_close_path(cr);
    cairo_pattern_t* sheen = cairo_pattern_create_linear(kWindow.left, kWindow.top, kWindow.left + 50,
                                                         kWindow.top + 50);
    cairo_pattern_add_color_stop_rgba(sheen, 0.0, 1, 1, 1, 0.20);
    cairo_pattern_add_color_stop_rgba(sheen, 1.0, 1, 1, 1, 0.02);
    cairo_set_source(cr, sheen);
    cairo_fill(cr);
    cairo_pattern_destroy(sheen);
    cairo_restore(cr);
}
}  // namespace

void paintMeterFace(Surface& surface, bool lampLit)
{
    cairo_t* cr = surface.cr();
    drawHousing(cr);
    drawPaper(cr, lampLit);
    drawScale(cr, lampLit);
}

void paintMeterGlass(Surface& surface)
{
    cairo_t* cr = surface.cr();
    // Only the housing's frame: its window stays clear so the needle shows through.
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, 145, 145);
    roundedRectangle(cr, kWindow, 6.0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(cr);
    drawHousing(cr);
    cairo_restore(cr);
    drawShroud(cr);
    drawGlass(cr);
}

// The About screen shown over the whole editor: product name (the editor writes the version beside it at 508, 64),
// what the unit does, how its controls respond, and how to close the screen.
#include <cmath>

#include "Art.h"
#include "PanelParts.h"
#include "Shading.h"
#include "Surface.h"
#include "Text.h"

namespace {
using namespace layout;

// Right edge of the product name: the version text starts at x 508 with its top at y 64.
constexpr double kNameRight = 498.0;
constexpr double kNameBaseline = 77.0;

void drawDecoration(cairo_t* cr)
{
    // A large faint knob scale, as if the panel's threshold scale were printed on the glass behind the text.
    const Point c{690, 150};
    for (int i = 0; i <= 48; ++i)
    {
        const double a = travelAngle(i / 48.0);
        const double inner = 96.0, outer = i % 6 == 0 ? 118.0 : 108.0;
        cairo_move_to(cr, c.x + inner * std::sin(a), c.y - inner * std::cos(a));
        cairo_line_to(cr, c.x + outer * std::sin(a), c.y - outer * std::cos(a));
    }
    cairo_set_line_width(cr, 2.0);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.05);
    cairo_stroke(cr);
    cairo_arc(cr, c.x, c.y, 88.0, 0, 2 * kPi);
    cairo_set_line_width(cr, 1.0);
    cairo_set_source_rgba(cr, palette::kAmber.r, palette::kAmber.g, palette::kAmber.b, 0.10);
    cairo_stroke(cr);
}

void heading(cairo_t* cr, double x, double y, const char* text)
{
    printText(cr, {7.5, true, 1.8}, x, y, text, Align::Left, palette::kAmber);
}

void line(cairo_t* cr, double x, double y, const char* text)
{
    printText(cr, {10.0, false, 0.0}, x, y, text, Align::Left, palette::kPrint, 0.9);
}
}  // namespace

void paintAbout(Surface& surface)
{
    cairo_t* cr = surface.cr();
    fillBrushed(surface, {0, 0, kWidth, kHeight}, rgb8(22, 25, 31), 12200, 0.010);
    // Vignette towards the edges.
    cairo_pattern_t* vignette = cairo_pattern_create_radial(kWidth / 2.0, kHeight / 2.0, 120, kWidth / 2.0,
                                                            kHeight / 2.0, 470);
    cairo_pattern_add_color_stop_rgba(vignette, 0.0, 0, 0, 0, 0.0);
    cairo_pattern_add_color_stop_rgba(vignette, 1.0, 0, 0, 0, 0.55);
    cairo_set_source(cr, vignette);
    cairo_paint(cr);
    cairo_pattern_destroy(vignette);
    drawDecoration(cr);
    roundedRectangle(cr, {6.5, 6.5, kWidth - 6.5, kHeight - 6.5}, 6.0);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.12);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);

    printText(cr, {30.0, true, 3.0}, kNameRight, kNameBaseline, "QOR KALVENOR", Align::Right, palette::kPrint);
    printText(cr, {10.0, true, 4.2}, kNameRight, kNameBaseline + 20.0, "FET COMPRESSOR", Align::Right,
              palette::kAmber);
    cairo_rectangle(cr, 60, 112, kWidth - 120, 1);
    cairo_pattern_t* rule = cairo_pattern_create_linear(60, 0, kWidth - 60, 0);
    cairo_pattern_add_color_stop_rgba(rule, 0.0, palette::kAmber.r, palette::kAmber.g, palette::kAmber.b, 0.0);
    cairo_pattern_add_color_stop_rgba(rule, 0.5, palette::kAmber.r, palette::kAmber.g, palette::kAmber.b, 0.7);
    cairo_pattern_add_color_stop_rgba(rule, 1.0, palette::kAmber.r, palette::kAmber.g, palette::kAmber.b, 0.0);
    cairo_set_source(cr, rule);
    cairo_fill(cr);
    cairo_pattern_destroy(rule);

    const double left = 90.0, right = 440.0;
    heading(cr, left, 138, "THE UNIT");
    line(cr, left, 153, "Field-effect style studio compressor with");
    line(cr, left, 166, "side-chain high-pass filter, stereo link,");
    line(cr, left, 179, "channel choice and parallel blend.");
    heading(cr, left, 203, "PROGRAMS");
    line(cr, left, 218, "48 programs, bank and preset files,");
    line(cr, left, 231, "two quick memories A and B.");

    heading(cr, right, 138, "HANDLING");
    line(cr, right, 153, "Drag a knob up or right; hold Shift for fine steps.");
    line(cr, right, 166, "Ctrl-click or double-click: back to its default.");
    line(cr, right, 179, "The mouse wheel steps knobs and switches.");
    line(cr, right, 192, "Double-click BANK or PRESET to store it as the");
    line(cr, right, 205, "default; Ctrl + double-click to delete it.");

    printText(cr, {7.5, true, 2.4}, kWidth / 2.0, 266, "CLICK ANYWHERE TO CLOSE", Align::Centre,
              palette::kPrintDim, 0.8);
}

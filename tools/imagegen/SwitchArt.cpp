// Two-state buttons (off in the upper half, on in the lower) and the three-position channel selector.
#include <cmath>
#include <functional>

#include "Art.h"
#include "PanelParts.h"
#include "Shading.h"
#include "Surface.h"
#include "Text.h"

namespace {
const Colour kRed = rgb8(255, 52, 36);

// Paints each state into its own band of the image, with the origin at the band's top.
void paintStates(Surface& surface, int count, const std::function<void(cairo_t*, int)>& paint)
{
    cairo_t* cr = surface.cr();
    const double band = static_cast<double>(surface.height()) / count;
    for (int state = 0; state < count; ++state)
    {
        // A band that starts between pixels begins on the next whole one, where a pixel-aligned draw lands.
        const double top = std::ceil(band * state);
        cairo_save(cr);
        cairo_rectangle(cr, 0, top, surface.width(), std::floor(band * (state + 1)) - top);
        cairo_clip(cr);
        cairo_translate(cr, 0, top);
        paint(cr, state);
        cairo_restore(cr);
    }
}

void caption(cairo_t* cr, double x, double baseline, const char* text, double size, Colour colour = palette::kPrint)
{
    printText(cr, {size, true, size > 8 ? 1.6 : 1.0}, x, baseline, text, Align::Centre, colour);
}

// A chrome bat-handle toggle seen from the front: a round nut with the lever tilted up or down.
void drawToggle(cairo_t* cr, Point c, bool up)
{
    // Washer and nut.
    cairo_arc(cr, c.x + 0.5, c.y + 1.5, 11.0, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
    cairo_fill(cr);
    cairo_pattern_t* washer = cairo_pattern_create_linear(c.x - 10, c.y - 10, c.x + 10, c.y + 10);
    cairo_pattern_add_color_stop_rgb(washer, 0.0, 0.86, 0.87, 0.89);
    cairo_pattern_add_color_stop_rgb(washer, 1.0, 0.30, 0.31, 0.33);
    cairo_arc(cr, c.x, c.y, 10.5, 0, 2 * kPi);
    cairo_set_source(cr, washer);
    cairo_fill(cr);
    cairo_pattern_destroy(washer);
    cairo_pattern_t* nut = cairo_pattern_create_linear(c.x + 7, c.y + 7, c.x - 7, c.y - 7);
    cairo_pattern_add_color_stop_rgb(nut, 0.0, 0.80, 0.81, 0.83);
    cairo_pattern_add_color_stop_rgb(nut, 1.0, 0.38, 0.39, 0.41);
    cairo_new_path(cr);
    for (int i = 0; i < 6; ++i)
    {
        const double a = kPi / 6 + i * kPi / 3;
        cairo_line_to(cr, c.x + 7.5 * std::cos(a), c.y + 7.5 * std::sin(a));
    }
    cairo_close_path(cr);
    cairo_set_source(cr, nut);
    cairo_fill(cr);
    cairo_pattern_destroy(nut);
    cairo_arc(cr, c.x, c.y, 4.0, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 0.12, 0.12, 0.13);
    cairo_fill(cr);

    // Lever: tapered from the pivot to a rounded tip, shaded across its width.
    const double dir = up ? -1.0 : 1.0;
    const double length = 16.0;
    const Point tip{c.x, c.y + dir * length};
    if (!up)
    {
        // Its shadow falls on the panel below.
        cairo_move_to(cr, c.x - 2.5, c.y);
        cairo_line_to(cr, tip.x - 4.0 + 2.0, tip.y + 2.0);
        cairo_line_to(cr, tip.x + 4.0 + 2.0, tip.y + 2.0);
        cairo_line_to(cr, c.x + 2.5, c.y);
        cairo_close_path(cr);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
        cairo_fill(cr);
    }
    cairo_pattern_t* chrome = cairo_pattern_create_linear(c.x - 4.5, 0, c.x + 4.5, 0);
    cairo_pattern_add_color_stop_rgb(chrome, 0.0, 0.35, 0.36, 0.38);
    cairo_pattern_add_color_stop_rgb(chrome, 0.35, 0.97, 0.97, 0.98);
    cairo_pattern_add_color_stop_rgb(chrome, 0.6, 0.62, 0.63, 0.66);
    cairo_pattern_add_color_stop_rgb(chrome, 1.0, 0.28, 0.29, 0.31);
    cairo_move_to(cr, c.x - 2.2, c.y);
    cairo_line_to(cr, tip.x - 3.6, tip.y);
    cairo_line_to(cr, tip.x + 3.6, tip.y);
    cairo_line_to(cr, c.x + 2.2, c.y);
    cairo_close_path(cr);
    cairo_set_source(cr, chrome);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, tip.x, tip.y);
    cairo_scale(cr, 1.0, 0.62);
    cairo_arc(cr, 0, 0, 4.2, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_set_source(cr, chrome);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(chrome);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_set_line_width(cr, 0.6);
    cairo_stroke(cr);
}

// A flat rectangular push button with its LED and its name on it.
void drawLabelledButton(cairo_t* cr, double width, const char* text, bool on)
{
    const Box box{1, 1, width - 1, 23};
    drawButtonFace(cr, box, 3.0, on ? Press::Pressed : Press::Normal);
    const double lampX = 9.0;
    drawLamp(cr, {lampX, 12.0}, 2.6, palette::kAmber, on);
    const Colour ink = on ? palette::kPrint : palette::kPrintDim;
    printText(cr, {7.5, true, 0.9}, (lampX + 5.0 + width - 2.0) / 2.0, 15.0, text, Align::Centre, ink);
}

// A square latching push button: sits lower and darker when latched.
void drawSquareButton(cairo_t* cr, const Box& box, bool in)
{
    roundedRectangle(cr, {box.left - 2, box.top - 2, box.right + 2, box.bottom + 2}, 4.0);
    cairo_set_source_rgb(cr, 0.06, 0.065, 0.075);
    cairo_fill(cr);
    drawButtonFace(cr, box, 3.0, in ? Press::Pressed : Press::Normal);
    // Concave centre of the cap.
    const Box dish{box.left + 5, box.top + 5, box.right - 5, box.bottom - (in ? 5 : 6)};
    roundedRectangle(cr, dish, 2.0);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, dish.top, 0, dish.bottom);
    cairo_pattern_add_color_stop_rgba(g, 0.0, 0, 0, 0, 0.25);
    cairo_pattern_add_color_stop_rgba(g, 1.0, 1, 1, 1, 0.08);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// Chicken-head pointer knob for the channel selector, turned by angle (clockwise from up).
void drawSelectorKnob(cairo_t* cr, Point c, double angle)
{
    cairo_arc(cr, c.x + 0.8, c.y + 2.0, 13.5, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
    cairo_fill(cr);
    cairo_pattern_t* body = cairo_pattern_create_radial(c.x - 4, c.y - 5, 1, c.x, c.y, 13);
    cairo_pattern_add_color_stop_rgb(body, 0.0, 0.30, 0.30, 0.32);
    cairo_pattern_add_color_stop_rgb(body, 1.0, 0.05, 0.05, 0.055);
    cairo_arc(cr, c.x, c.y, 12.0, 0, 2 * kPi);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_rotate(cr, angle);
    // The pointer bar across the knob, wider towards its tail and tapering to the pointing end.
    cairo_move_to(cr, -3.2, 12.0);
    cairo_line_to(cr, -2.2, -16.0);
    cairo_arc(cr, 0, -16.0, 2.2, kPi, 2 * kPi);
    cairo_line_to(cr, 3.2, 12.0);
    cairo_arc(cr, 0, 12.0, 3.2, 0, kPi);
    cairo_close_path(cr);
    cairo_pattern_t* bar = cairo_pattern_create_linear(-3.5, 0, 3.5, 0);
    cairo_pattern_add_color_stop_rgb(bar, 0.0, 0.22, 0.22, 0.24);
    cairo_pattern_add_color_stop_rgb(bar, 0.4, 0.12, 0.12, 0.13);
    cairo_pattern_add_color_stop_rgb(bar, 1.0, 0.02, 0.02, 0.025);
    cairo_set_source(cr, bar);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(bar);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.12);
    cairo_set_line_width(cr, 0.7);
    cairo_stroke(cr);
    cairo_move_to(cr, 0, -4.0);
    cairo_line_to(cr, 0, -16.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 1.5);
    cairo_set_source_rgb(cr, 0.93, 0.93, 0.94);
    cairo_stroke(cr);
    cairo_restore(cr);
}
}  // namespace

void paintPowerSwitch(Surface& surface)
{
    const double cx = surface.width() / 2.0;
    paintStates(surface, 2, [cx](cairo_t* cr, int state) {
        const bool on = state == 1;
        caption(cr, cx, 14.5, "POWER", 9.0);
        drawLamp(cr, {cx, 31.0}, 6.0, kRed, on);
        caption(cr, cx, 51.0, "ON", 7.0, palette::kPrintDim);
        caption(cr, cx, 104.0, "OFF", 7.0, palette::kPrintDim);
        drawToggle(cr, {cx, 74.0}, on);
    });
}

void paintLinkButton(Surface& surface)
{
    const double cx = surface.width() / 2.0;
    paintStates(surface, 2, [cx](cairo_t* cr, int state) {
        const bool on = state == 1;
        caption(cr, cx, 10.0, "LINK", 8.0);
        drawLamp(cr, {cx, 21.0}, 3.2, palette::kAmber, on);
        drawSquareButton(cr, {cx - 16, 32, cx + 16, 64}, on);
        caption(cr, cx, 76.0, "STEREO", 6.5, palette::kPrintDim);
    });
}

void paintBlendButton(Surface& surface)
{
    const double width = surface.width();
    paintStates(surface, 2, [width](cairo_t* cr, int state) { drawLabelledButton(cr, width, "BLEND", state == 1); });
}

void paintScHpfButton(Surface& surface)
{
    const double width = surface.width();
    paintStates(surface, 2, [width](cairo_t* cr, int state) { drawLabelledButton(cr, width, "SC HPF", state == 1); });
}

void paintChannelSwitch(Surface& surface)
{
    const Point knob{surface.width() / 2.0, 42.0};
    const char* names[] = {"L", "LR", "R"};
    paintStates(surface, 3, [&](cairo_t* cr, int state) {
        for (int p = 0; p < 3; ++p)
        {
            const double a = (p - 1) * kPi / 4.0;
            const double dx = std::sin(a), dy = -std::cos(a);
            // A dot at each stop, and the stop's name: lit amber where the selector points.
            cairo_arc(cr, knob.x + dx * 18.5, knob.y + dy * 18.5, 1.2, 0, 2 * kPi);
            cairo_set_source_rgb(cr, 0.85, 0.86, 0.88);
            cairo_fill(cr);
            const Colour ink = p == state ? palette::kAmber : palette::kPrintDim;
            printCentred(cr, {8.0, true, 0.3}, knob.x + dx * 27.0, knob.y + dy * 26.0, names[p], ink);
        }
        drawSelectorKnob(cr, knob, (state - 1) * kPi / 4.0);
    });
}

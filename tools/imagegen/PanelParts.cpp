#include "PanelParts.h"

#include <cmath>

#include "Random.h"
#include "Shading.h"
#include "Surface.h"
#include "Text.h"

void fillBrushed(Surface& surface, const Box& box, Colour base, uint64_t seed, double strength)
{
    const int left = static_cast<int>(box.left), top = static_cast<int>(box.top);
    const int width = static_cast<int>(box.width()), height = static_cast<int>(box.height());
    Random random(seed);
    // Each row: white noise smeared along x (the brush strokes) plus a faint per-row tone.
    std::vector<double> noise(width + 64);
    std::vector<double> stroke(width);
    surface.beginPixels();
    for (int y = 0; y < height; ++y)
    {
        for (double& n : noise)
            n = random.signedUnit();
        const int span = 24;
        double sum = 0.0;
        for (int i = 0; i < span; ++i)
            sum += noise[i];
        for (int x = 0; x < width; ++x)
        {
            stroke[x] = sum / span;
            sum += noise[x + span] - noise[x];
        }
        const double rowTone = 0.35 * random.signedUnit();
        for (int x = 0; x < width; ++x)
        {
            const double grain = 0.25 * random.signedUnit();
            const double v = strength * (stroke[x] * 2.2 + rowTone + grain);
            surface.set(left + x, top + y, clamped(added(base, v)), 1.0);
        }
    }
    surface.endPixels();
}

void roundedRectangle(cairo_t* cr, const Box& box, double radius)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, box.right - radius, box.top + radius, radius, -kPi / 2, 0);
    cairo_arc(cr, box.right - radius, box.bottom - radius, radius, 0, kPi / 2);
    cairo_arc(cr, box.left + radius, box.bottom - radius, radius, kPi / 2, kPi);
    cairo_arc(cr, box.left + radius, box.top + radius, radius, kPi, 1.5 * kPi);
    cairo_close_path(cr);
}

void drawScrew(cairo_t* cr, Point c, double radius, double turn)
{
    // Countersink shadow, then the domed head lit from the upper left.
    cairo_arc(cr, c.x + 0.4, c.y + 0.8, radius + 1.0, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
    cairo_fill(cr);
    cairo_pattern_t* head = cairo_pattern_create_radial(c.x - radius * 0.4, c.y - radius * 0.5, radius * 0.1,
                                                        c.x, c.y, radius * 1.1);
    cairo_pattern_add_color_stop_rgb(head, 0.0, 0.82, 0.83, 0.85);
    cairo_pattern_add_color_stop_rgb(head, 0.55, 0.52, 0.54, 0.57);
    cairo_pattern_add_color_stop_rgb(head, 1.0, 0.22, 0.23, 0.25);
    cairo_arc(cr, c.x, c.y, radius, 0, 2 * kPi);
    cairo_set_source(cr, head);
    cairo_fill(cr);
    cairo_pattern_destroy(head);
    // The cross.
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_rotate(cr, turn);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, radius * 0.32);
    for (int arm = 0; arm < 2; ++arm)
    {
        cairo_move_to(cr, -radius * 0.62, 0);
        cairo_line_to(cr, radius * 0.62, 0);
        cairo_rotate(cr, kPi / 2);
    }
    cairo_set_source_rgba(cr, 0.08, 0.08, 0.09, 0.85);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void drawRecess(cairo_t* cr, const Box& box, Colour inside, double radius)
{
    // Lit edge below and right, shadowed edge above and left: the window lies below the panel surface.
    roundedRectangle(cr, {box.left - 1, box.top - 1, box.right + 1, box.bottom + 1}, radius + 1);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, box.top - 1, 0, box.bottom + 1);
    cairo_pattern_add_color_stop_rgba(rim, 0.0, 0, 0, 0, 0.7);
    cairo_pattern_add_color_stop_rgba(rim, 1.0, 1, 1, 1, 0.16);
    cairo_set_source(cr, rim);
    cairo_fill(cr);
    cairo_pattern_destroy(rim);
    roundedRectangle(cr, box, radius);
    cairo_set_source_rgb(cr, inside.r, inside.g, inside.b);
    cairo_fill(cr);
}

double travelAngle(double position) { return (-135.0 + 270.0 * position) * kPi / 180.0; }

void drawKnobScale(cairo_t* cr, const KnobScale& s)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    const Colour print = palette::kPrint;
    for (int i = 0; i <= s.intervals; ++i)
    {
        const bool isMajor = i % s.majorEvery == 0;
        const double a = travelAngle(static_cast<double>(i) / s.intervals);
        const double dx = std::sin(a), dy = -std::cos(a);
        const double outer = isMajor ? s.major : s.minor;
        cairo_move_to(cr, s.centre.x + dx * s.inner, s.centre.y + dy * s.inner);
        cairo_line_to(cr, s.centre.x + dx * outer, s.centre.y + dy * outer);
        cairo_set_line_width(cr, isMajor ? 1.5 : 1.0);
        cairo_set_source_rgba(cr, print.r, print.g, print.b, isMajor ? 0.95 : 0.6);
        cairo_stroke(cr);
    }
    const Font font{s.textSize, true, 0.0};
    for (const ScaleMark& m : s.marks)
    {
        const double a = travelAngle(m.position);
        printCentred(cr, font, s.centre.x + std::sin(a) * s.textRadius, s.centre.y - std::cos(a) * s.textRadius,
                     m.text, palette::kPrintDim);
    }
}

void drawLamp(cairo_t* cr, Point c, double radius, Colour colour, bool lit)
{
    if (lit)
    {
        cairo_pattern_t* glow = cairo_pattern_create_radial(c.x, c.y, radius * 0.5, c.x, c.y, radius * 2.4);
        cairo_pattern_add_color_stop_rgba(glow, 0.0, colour.r, colour.g, colour.b, 0.55);
        cairo_pattern_add_color_stop_rgba(glow, 1.0, colour.r, colour.g, colour.b, 0.0);
        cairo_arc(cr, c.x, c.y, radius * 2.4, 0, 2 * kPi);
        cairo_set_source(cr, glow);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
    }
    // Bezel.
    cairo_pattern_t* ring = cairo_pattern_create_linear(c.x, c.y - radius - 2, c.x, c.y + radius + 2);
    cairo_pattern_add_color_stop_rgb(ring, 0.0, 0.85, 0.86, 0.88);
    cairo_pattern_add_color_stop_rgb(ring, 1.0, 0.25, 0.26, 0.28);
    cairo_arc(cr, c.x, c.y, radius + 1.6, 0, 2 * kPi);
    cairo_set_source(cr, ring);
    cairo_fill(cr);
    cairo_pattern_destroy(ring);
    // Lens: dark and glassy when off; bright with a hot centre when lit.
    const Colour edge = lit ? colour : scaled(colour, 0.28);
    const Colour middle = lit ? mixed(colour, {1, 1, 0.9}, 0.65) : scaled(colour, 0.45);
    cairo_pattern_t* lens = cairo_pattern_create_radial(c.x - radius * 0.2, c.y - radius * 0.2, 0, c.x, c.y, radius);
    cairo_pattern_add_color_stop_rgb(lens, 0.0, middle.r, middle.g, middle.b);
    cairo_pattern_add_color_stop_rgb(lens, 1.0, edge.r, edge.g, edge.b);
    cairo_arc(cr, c.x, c.y, radius, 0, 2 * kPi);
    cairo_set_source(cr, lens);
    cairo_fill(cr);
    cairo_pattern_destroy(lens);
    // Window reflection.
    cairo_arc(cr, c.x - radius * 0.35, c.y - radius * 0.4, radius * 0.32, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 1, 1, 1, lit ? 0.6 : 0.35);
    cairo_fill(cr);
}

void drawButtonFace(cairo_t* cr, const Box& box, double radius, Press press)
{
    const bool pressed = press == Press::Pressed;
    const double lift = press == Press::Hover ? 0.07 : 0.0;
    // Drop shadow, smaller when pressed in.
    roundedRectangle(cr, {box.left, box.top + (pressed ? 0.5 : 1.0), box.right, box.bottom}, radius);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
    cairo_fill(cr);
    const Box face{box.left + 0.5, box.top + 0.5, box.right - 0.5, box.bottom - (pressed ? 0.5 : 1.5)};
    roundedRectangle(cr, face, radius - 0.5);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, face.top, 0, face.bottom);
    if (pressed)
    {
        cairo_pattern_add_color_stop_rgb(g, 0.0, 0.11, 0.115, 0.13);
        cairo_pattern_add_color_stop_rgb(g, 1.0, 0.20, 0.21, 0.23);
    }
    else
    {
        cairo_pattern_add_color_stop_rgb(g, 0.0, 0.36 + lift, 0.375 + lift, 0.41 + lift);
        cairo_pattern_add_color_stop_rgb(g, 1.0, 0.19 + lift, 0.20 + lift, 0.225 + lift);
    }
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    if (!pressed)
    {
        // Highlight along the top edge.
        cairo_move_to(cr, face.left + radius, face.top + 1.0);
        cairo_line_to(cr, face.right - radius, face.top + 1.0);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.22 + lift);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
}

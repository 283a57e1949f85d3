// The preset strip's small buttons (normal, mouse over, pressed, stacked) and the program rocker.
#include <cmath>

#include "Art.h"
#include "PanelParts.h"
#include "Shading.h"
#include "Surface.h"
#include "Text.h"

namespace {
const Press kStates[] = {Press::Normal, Press::Hover, Press::Pressed};

Colour glyphInk(Press press) { return press == Press::Normal ? palette::kPrint : palette::kAmber; }

// Arrow with a tray under it: into the tray to save, out of it to load.
void drawFileGlyph(cairo_t* cr, double cx, double cy, bool save)
{
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, cx - 3.5, cy + 1.0);
    cairo_line_to(cr, cx - 3.5, cy + 3.5);
    cairo_line_to(cr, cx + 3.5, cy + 3.5);
    cairo_line_to(cr, cx + 3.5, cy + 1.0);
    cairo_stroke(cr);
    const double tail = save ? cy - 4.0 : cy + 1.5;
    const double head = save ? cy + 1.5 : cy - 4.0;
    const double back = save ? -2.5 : 2.5;
    cairo_move_to(cr, cx, tail);
    cairo_line_to(cr, cx, head + back * 0.4);
    cairo_stroke(cr);
    cairo_move_to(cr, cx - 2.4, head + back);
    cairo_line_to(cr, cx, head);
    cairo_line_to(cr, cx + 2.4, head + back);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void drawGlyph(cairo_t* cr, StripGlyph glyph, double cx, double cy, Press press)
{
    const Colour ink = glyphInk(press);
    cairo_set_source_rgb(cr, ink.r, ink.g, ink.b);
    switch (glyph)
    {
    case StripGlyph::FileSave:
        drawFileGlyph(cr, cx, cy, true);
        break;
    case StripGlyph::FileLoad:
        drawFileGlyph(cr, cx, cy, false);
        break;
    case StripGlyph::MemoryStore:
        // Record: a dot.
        cairo_arc(cr, cx, cy, 2.4, 0, 2 * kPi);
        cairo_fill(cr);
        break;
    case StripGlyph::MemoryRecall:
        // Play: a triangle.
        cairo_move_to(cr, cx - 2.0, cy - 3.0);
        cairo_line_to(cr, cx + 2.8, cy);
        cairo_line_to(cr, cx - 2.0, cy + 3.0);
        cairo_close_path(cr);
        cairo_fill(cr);
        break;
    case StripGlyph::Manual:
        showText(cr, {9.0, true, 0.0}, cx, cy + 3.3, "?", Align::Centre);
        break;
    }
}

void drawArrowHead(cairo_t* cr, double cx, double cy, double direction)
{
    cairo_move_to(cr, cx + 2.2 * direction, cy);
    cairo_line_to(cr, cx - 1.6 * direction, cy - 3.0);
    cairo_line_to(cr, cx - 1.6 * direction, cy + 3.0);
    cairo_close_path(cr);
    cairo_fill(cr);
}
}  // namespace

void paintStripButton(Surface& surface, StripGlyph glyph)
{
    cairo_t* cr = surface.cr();
    const double w = surface.width(), h = surface.height() / 3.0;
    for (int s = 0; s < 3; ++s)
    {
        cairo_save(cr);
        cairo_translate(cr, 0, s * h);
        drawButtonFace(cr, {0, 0, w, h}, 2.5, kStates[s]);
        const double sink = kStates[s] == Press::Pressed ? 0.5 : 0.0;
        drawGlyph(cr, glyph, w / 2.0, h / 2.0 - 0.5 + sink, kStates[s]);
        cairo_restore(cr);
    }
}

void paintTextButton(Surface& surface, const char* text)
{
    cairo_t* cr = surface.cr();
    const double w = surface.width(), h = surface.height() / 3.0;
    for (int s = 0; s < 3; ++s)
    {
        cairo_save(cr);
        cairo_translate(cr, 0, s * h);
        drawButtonFace(cr, {0, 0, w, h}, 2.5, kStates[s]);
        const double sink = kStates[s] == Press::Pressed ? 0.5 : 0.0;
        const Colour ink = glyphInk(kStates[s]);
        cairo_set_source_rgb(cr, ink.r, ink.g, ink.b);
        showText(cr, {7.0, true, 0.6}, w / 2.0, h / 2.0 + 2.0 + sink, text, Align::Centre);
        cairo_restore(cr);
    }
}

void paintRocker(Surface& surface)
{
    // Normal, mouse over the left half, over the right half, left pressed, right pressed.
    cairo_t* cr = surface.cr();
    const double w = surface.width(), h = surface.height() / 5.0;
    const double middle = std::floor(w / 2.0);
    for (int s = 0; s < 5; ++s)
    {
        const Press left = s == 1 ? Press::Hover : (s == 3 ? Press::Pressed : Press::Normal);
        const Press right = s == 2 ? Press::Hover : (s == 4 ? Press::Pressed : Press::Normal);
        cairo_save(cr);
        cairo_translate(cr, 0, s * h);
        // Each half is a button face of its own, rounded only on its outer side.
        for (int half = 0; half < 2; ++half)
        {
            cairo_save(cr);
            const Box clip = half == 0 ? Box{0, 0, middle, h} : Box{middle, 0, w, h};
            cairo_rectangle(cr, clip.left, clip.top, clip.width(), clip.height());
            cairo_clip(cr);
            drawButtonFace(cr, {0, 0, w, h}, 3.5, half == 0 ? left : right);
            cairo_restore(cr);
        }
        cairo_rectangle(cr, middle - 0.5, 1.0, 1.0, h - 2.0);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
        cairo_fill(cr);
        const Colour li = glyphInk(left), ri = glyphInk(right);
        cairo_set_source_rgb(cr, li.r, li.g, li.b);
        drawArrowHead(cr, middle / 2.0, h / 2.0 - 0.5 + (left == Press::Pressed ? 0.5 : 0.0), -1.0);
        cairo_set_source_rgb(cr, ri.r, ri.g, ri.b);
        drawArrowHead(cr, (middle + w) / 2.0, h / 2.0 - 0.5 + (right == Press::Pressed ? 0.5 : 0.0), 1.0);
        cairo_restore(cr);
    }
}

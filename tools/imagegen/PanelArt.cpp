// The editor's background: brushed anodised panel with the print around every control, the meter's cut-out, the
// name plate and the preset strip. The controls themselves are drawn over it by the editor.
#include <cmath>

#include "Art.h"
#include "PanelParts.h"
#include "Shading.h"
#include "Surface.h"
#include "Text.h"

namespace {
using namespace layout;

Point centreOf(const Box& b) { return {b.centreX(), b.centreY()}; }

KnobScale largeScale(const Box& knob, std::vector<ScaleMark> marks)
{
    return {centreOf(knob), 54.5, 58.0, 61.5, 24, 6, 69.5, 8.0, std::move(marks)};
}

// Small knobs: the ends of the travel are named just outside the last ticks, clear of the display below.
void smallScale(cairo_t* cr, const Box& knob, const char* low, const char* high)
{
    const Point c = centreOf(knob);
    drawKnobScale(cr, {c, 27.0, 29.5, 31.5, 10, 5, 0.0, 0.0, {}});
    const Font font{6.5, true, 0.0};
    printCentred(cr, font, c.x - 30.0, c.y + 26.0, low, palette::kPrintDim);
    printCentred(cr, font, c.x + 30.0, c.y + 26.0, high, palette::kPrintDim);
}

void label(cairo_t* cr, double x, double baseline, const char* text, double size = 9.0)
{
    printText(cr, {size, true, 1.6}, x, baseline, text, Align::Centre, palette::kPrint);
}

void unit(cairo_t* cr, const Box& display, const char* text)
{
    printText(cr, {7.0, true, 0.3}, display.right + 4.0, display.bottom - 3.5, text, Align::Left,
              palette::kPrintDim);
}

Box grown(const Box& b, double by) { return {b.left - by, b.top - by, b.right + by, b.bottom + by}; }

void drawDisplays(cairo_t* cr)
{
    const Box displays[] = {kThresholdDisplay, kMakeupDisplay, kAttackDisplay, kScHpfDisplay, kRatioDisplay,
                            kBlendDisplay};
    for (const Box& d : displays)
        drawRecess(cr, grown(d, 2.0), palette::kWindow, 2.5);
    // The release display shows the panel from two pixels to its right, so its window covers both spans.
    drawRecess(cr, {kReleaseDisplay.left - 2, kReleaseDisplay.top - 2, kReleaseDisplaySource.right + 2,
                    kReleaseDisplay.bottom + 2},
               palette::kWindow, 2.5);
    unit(cr, kThresholdDisplay, "dB");
    unit(cr, kMakeupDisplay, "dB");
    unit(cr, kAttackDisplay, "ms");
    unit(cr, {0, 0, kReleaseDisplaySource.right, kReleaseDisplay.bottom}, "ms");
    unit(cr, kScHpfDisplay, "Hz");
    unit(cr, kBlendDisplay, "%");
}

void drawKnobPrint(cairo_t* cr)
{
    drawKnobScale(cr, largeScale(kThreshold, {{0, "-36"}, {0.25, "-24"}, {0.5, "-12"}, {0.75, "0"}, {1, "+12"}}));
    drawKnobScale(cr, largeScale(kMakeup, {{0, "-12"}, {0.25, "0"}, {0.5, "+12"}, {0.75, "+24"}, {1, "+36"}}));
    smallScale(cr, kAttack, "0.1", "10");
    smallScale(cr, kRelease, "10", "1k");
    smallScale(cr, kScHpf, "10", "1k");
    smallScale(cr, kRatio, "1", "16");
    smallScale(cr, kBlend, "0", "100");

    label(cr, kThreshold.centreX(), 17.5, "THRESHOLD", 10.5);
    label(cr, kMakeup.centreX(), 18.5, "MAKEUP", 10.5);
    label(cr, kAttack.centreX(), 36.0, "ATTACK");
    label(cr, kRelease.centreX(), 36.0, "RELEASE");
    label(cr, kRatio.centreX(), 170.0, "RATIO");
    label(cr, kChannel.centreX(), 181.5, "CHANNEL", 8.0);
    label(cr, kMeter.centreX(), 18.5, "GAIN REDUCTION", 10.5);
}

void drawMeterCutOut(cairo_t* cr)
{
    // The meter housing sits in a cut-out slightly larger than its face and throws a shadow into it.
    const Box hole = grown(kMeter, 3.0);
    roundedRectangle(cr, hole, 4.0);
    cairo_set_source_rgb(cr, 0.05, 0.055, 0.065);
    cairo_fill(cr);
    for (int i = 1; i <= 4; ++i)
    {
        roundedRectangle(cr, {kMeter.left - 1 + i * 0.5, kMeter.top + i, kMeter.right + 1 + i, kMeter.bottom + i},
                         3.0);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.18);
        cairo_fill(cr);
    }
    roundedRectangle(cr, grown(hole, 0.5), 4.5);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.10);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

void drawNamePlate(Surface& surface)
{
    cairo_t* cr = surface.cr();
    const Box plate = grown(kAbout, -1.0);
    // Shadow, then a brushed aluminium plate with bevelled edges.
    roundedRectangle(cr, {plate.left + 1, plate.top + 2, plate.right + 1, plate.bottom + 2}, 3.0);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
    cairo_fill(cr);
    Surface metal(static_cast<int>(plate.width()), static_cast<int>(plate.height()));
    fillBrushed(metal, {0, 0, plate.width(), plate.height()}, rgb8(176, 180, 186), 77, 0.035);
    cairo_save(cr);
    roundedRectangle(cr, plate, 3.0);
    cairo_clip(cr);
    cairo_set_source_surface(cr, metal.surface(), plate.left, plate.top);
    cairo_paint(cr);
    cairo_pattern_t* sheen = cairo_pattern_create_linear(plate.left, plate.top, plate.right, plate.bottom);
    cairo_pattern_add_color_stop_rgba(sheen, 0.0, 1, 1, 1, 0.18);
    cairo_pattern_add_color_stop_rgba(sheen, 0.45, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(sheen, 1.0, 0, 0, 0, 0.15);
    cairo_set_source(cr, sheen);
    cairo_paint(cr);
    cairo_pattern_destroy(sheen);
    cairo_restore(cr);
    roundedRectangle(cr, {plate.left + 0.5, plate.top + 0.5, plate.right - 0.5, plate.bottom - 0.5}, 2.5);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.55);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);

    const Colour ink = rgb8(24, 26, 30);
    printText(cr, {13.0, true, 2.2}, plate.centreX(), plate.top + 15.0, "QOR KALVENOR", Align::Centre, ink, 0.95);
    printText(cr, {6.5, true, 2.4}, plate.centreX(), plate.top + 24.5, "FET COMPRESSOR", Align::Centre,
              rgb8(140, 60, 20), 0.95);
}

void drawStrip(Surface& surface)
{
    cairo_t* cr = surface.cr();
    const Box strip{0, kStripTop, kWidth, kHeight};
    cairo_rectangle(cr, strip.left, strip.top, strip.width(), strip.height());
    cairo_pattern_t* band = cairo_pattern_create_linear(0, strip.top, 0, strip.bottom);
    cairo_pattern_add_color_stop_rgba(band, 0.0, 0.0, 0.0, 0.0, 0.55);
    cairo_pattern_add_color_stop_rgba(band, 1.0, 0.0, 0.0, 0.0, 0.40);
    cairo_set_source(cr, band);
    cairo_fill(cr);
    cairo_pattern_destroy(band);
    // Edge between the panel and the strip: a shadow line under a thin highlight.
    cairo_rectangle(cr, 0, strip.top - 1, kWidth, 1);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.10);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, strip.top, kWidth, 1);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
    cairo_fill(cr);

    // Groups of buttons sit in shallow trays.
    const Box trays[] = {{17, 266.5, 85, 285}, {88, 266.5, 165, 285}, {349, 266.5, 432, 285}};
    for (const Box& t : trays)
    {
        roundedRectangle(cr, t, 3.0);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
        cairo_fill_preserve(cr);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.06);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
    // The name field and the menu button share one slot.
    drawRecess(cr, {kNameField.left - 1, kNameField.top - 1.5, kRocker.left - 3, kNameField.bottom + 1},
               {0.06, 0.065, 0.075}, 2.0);
    // The program menu's button: the menu control draws nothing of its own over the panel.
    const Box menu = kProgramMenu;
    roundedRectangle(cr, {menu.left + 0.5, menu.top + 0.5, menu.right - 0.5, menu.bottom - 0.5}, 2.0);
    cairo_pattern_t* face = cairo_pattern_create_linear(0, menu.top, 0, menu.bottom);
    cairo_pattern_add_color_stop_rgb(face, 0.0, 0.36, 0.38, 0.42);
    cairo_pattern_add_color_stop_rgb(face, 1.0, 0.20, 0.21, 0.24);
    cairo_set_source(cr, face);
    cairo_fill(cr);
    cairo_pattern_destroy(face);
    const double cx = menu.centreX(), cy = menu.centreY() + 1.0;
    cairo_move_to(cr, cx - 3.5, cy - 2.0);
    cairo_line_to(cr, cx + 3.5, cy - 2.0);
    cairo_line_to(cr, cx, cy + 2.0);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 0.88, 0.89, 0.91);
    cairo_fill(cr);

    const Font small{8.0, true, 0.5};
    printCentred(cr, small, (kStoreA.right + kRecallA.left) / 2.0, 276.0, "A", palette::kAmber);
    printCentred(cr, small, (kStoreB.right + kRecallB.left) / 2.0, 276.0, "B", palette::kAmber);
    const Font caption{7.0, true, 1.4};
    printText(cr, caption, 440.0, 279.5, "MEMORY", Align::Left, palette::kPrintDim);
    printText(cr, caption, kManual.left - 5.0, 279.5, "MANUAL", Align::Right, palette::kPrintDim);
}

void drawEdges(cairo_t* cr)
{
    // Bevel of the front plate: highlight along the top and left, shade along the right.
    cairo_rectangle(cr, 0, 0, kWidth, 1);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.16);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 0, 1, kStripTop);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.08);
    cairo_fill(cr);
    cairo_rectangle(cr, kWidth - 1, 0, 1, kStripTop);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
    // A broad soft light falling from the top.
    cairo_rectangle(cr, 0, 0, kWidth, kStripTop);
    cairo_pattern_t* light = cairo_pattern_create_linear(0, 0, 0, kStripTop);
    cairo_pattern_add_color_stop_rgba(light, 0.0, 1, 1, 1, 0.05);
    cairo_pattern_add_color_stop_rgba(light, 1.0, 0, 0, 0, 0.10);
    cairo_set_source(cr, light);
    cairo_fill(cr);
    cairo_pattern_destroy(light);
}
}  // namespace

void paintBackground(Surface& surface)
{
    cairo_t* cr = surface.cr();
    fillBrushed(surface, {0, 0, kWidth, kHeight}, palette::kPanel, 12102, 0.016);
    drawEdges(cr);
    drawStrip(surface);
    drawMeterCutOut(cr);
    drawKnobPrint(cr);
    drawDisplays(cr);
    drawNamePlate(surface);
    const double screw = 4.2;
    drawScrew(cr, {11, 11}, screw, 0.3);
    drawScrew(cr, {kWidth - 11, 11}, screw, 1.1);
    drawScrew(cr, {11, 251}, screw, 0.9);
    drawScrew(cr, {kWidth - 11, 251}, screw, 0.1);
}

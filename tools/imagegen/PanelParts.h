// Pieces shared by the panel, the About screen and the controls: brushed metal, screws, recesses, knob scales.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Colour.h"
#include "Layout.h"

class Surface;

// Horizontally brushed metal over the box (whole pixels), replacing what is there.
void fillBrushed(Surface& surface, const Box& box, Colour base, uint64_t seed, double strength);
void roundedRectangle(cairo_t* cr, const Box& box, double radius);
// A countersunk cross-head screw; turn in radians.
void drawScrew(cairo_t* cr, Point centre, double radius, double turn);
// A window sunk into the panel: flat inside (so a display that shows the panel shifted still matches).
void drawRecess(cairo_t* cr, const Box& box, Colour inside, double radius);

struct ScaleMark
{
    double position;  // 0..1 along the knob's travel
    std::string text;
};
struct KnobScale
{
    Point centre;
    double inner;     // where the ticks start
    double minor;     // outer radius of a minor tick
    double major;     // outer radius of a major tick
    int intervals;    // between the two ends
    int majorEvery;   // intervals per major tick
    double textRadius;
    double textSize;
    std::vector<ScaleMark> marks;
};
// Angle of a travel position, clockwise from straight up, in radians.
double travelAngle(double position);
void drawKnobScale(cairo_t* cr, const KnobScale& scale);

// A round indicator lamp in a chrome bezel; lit lamps glow onto their surroundings.
void drawLamp(cairo_t* cr, Point centre, double radius, Colour colour, bool lit);
// Vertical gradient face of a raised button, lighter when the mouse is over it, darker and flatter when pressed.
enum class Press
{
    Normal,
    Hover,
    Pressed
};
void drawButtonFace(cairo_t* cr, const Box& box, double radius, Press press);

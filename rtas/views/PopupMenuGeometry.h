// Where a pop-up menu opens and how its content scrolls when the screen cannot show it whole: the menu keeps its
// place on the screen that holds the click (inset by 5), and the sides whose content is hidden show 12-pixel arrow
// bands. Shared by the text and view pop-ups.
#pragma once

#include "rtas/framework/host/DrawingServices.h"

#include <cstdint>

namespace rtas::views {

enum ScrollArrow : int16_t
{
    kArrowBottom = 1,
    kArrowTop = 2,
    kArrowRight = 4,
    kArrowLeft = 8,
};

constexpr int16_t kArrowBand = 12;
constexpr int16_t kMaxScrollStep = 16;

struct PopupGeometry
{
    Rect content{0, 0, 0, 0};  // where the whole content lies (global)
    Rect visible{0, 0, 0, 0};  // the part the screen shows (global)
    int16_t arrows = 0;
};

// Fits a menu whose content would lie at wanted onto the screen that holds point; -7400 when no screen does.
PopupGeometry PlacePopup(const Rect& wanted, Point point);
// The arrow flags for content that reaches beyond the visible rectangle.
int16_t ArrowsFor(const Rect& content, const Rect& visible);
// One scroll step towards a mouse outside the visible rectangle on a side with hidden content: the content moves by
// at most 16 pixels; answers whether it moved and, in pauseTicks, how long to wait (while the mouse is within 12
// pixels beyond the edge).
bool AutoScrollStep(PopupGeometry& g, Point mouse, int16_t pause, int16_t* dh, int16_t* dv, int16_t* pauseTicks);
// Draws the arrow bands of g in the current port (its background erased, a black triangle pointing outwards).
void DrawArrowBands(const PopupGeometry& g, const RGBColour& background);

}  // namespace rtas::views

// The seven plate colour sets, each six colours from the outer light edge to the outer dark edge: 0 outer light,
// 1 inner light, 2 face, 3 corner and middle lines, 4 inner dark, 5 outer dark.
#pragma once

#include "rtas/framework/host/DrawingServices.h"

namespace rtas::views {

constexpr int kPlateColourSets = 7;

const RGBColour* PlateColourSet(int index);

// The set that shows a control highlight colour (0 red, 1 blue, 2 green, 3 amber), or -1 for another colour.
int PlateSetForHighlight(int16_t colour);

}  // namespace rtas::views

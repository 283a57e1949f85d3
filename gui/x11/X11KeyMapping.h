// Translation of X11 key and pointer state into the host protocol's key record and the button-state bits.
// Pure functions: no display needed.
#pragma once

#include <cstdint>

#include "gui/VstKeyCode.h"

// The key record for a key symbol (as XLookupString gives it) and the event's modifier state. Keys with a
// virtual-key number get it (Space also carries ' '); printable keys carry their character (a Unicode code point),
// Ctrl or not. Modifier keys themselves, function keys and anything else map to an empty record (both 0).
VstKeyCode vstKeyFromKeySym(unsigned long keySym, unsigned int state);

// Shift, Alt (Mod1) and Ctrl of an X event's state as the key record's modifier bits.
uint8_t vstModifiersFromState(unsigned int state);

// Held buttons (Button1..3Mask) and Shift, Ctrl, Alt of an X event's state as CButtonState bits.
int32_t buttonStateFromState(unsigned int state);

// The CButtonState bit of X pointer button 1 (left), 2 (middle) or 3 (right); 0 for any other button.
int32_t buttonBit(unsigned int button);

// Wheel notches of a press of X button 4 (up: +1) or 5 (down: -1); 0 for every other button.
float wheelDistance(unsigned int button);

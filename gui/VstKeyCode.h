// A key event as hosts deliver it to an editor: a character, a virtual key for non-character keys and modifier
// bits. The numbers are the host protocol's.
#pragma once

#include <cstdint>

struct VstKeyCode
{
    int32_t character = 0; // the character, 0 for a virtual key
    uint8_t virt = 0;      // a VstVirtualKey, 0 for a character
    uint8_t modifier = 0;  // VstModifierKey bits
};

enum VstVirtualKey : uint8_t
{
    VKEY_BACK = 1,
    VKEY_TAB,
    VKEY_CLEAR,
    VKEY_RETURN,
    VKEY_PAUSE,
    VKEY_ESCAPE,
    VKEY_SPACE,
    VKEY_NEXT,
    VKEY_END,
    VKEY_HOME,
    VKEY_LEFT,
    VKEY_UP,
    VKEY_RIGHT,
    VKEY_DOWN,
    VKEY_PAGEUP,
    VKEY_PAGEDOWN,
    VKEY_SELECT,
    VKEY_PRINT,
    VKEY_ENTER,
    VKEY_SNAPSHOT,
    VKEY_INSERT,
    VKEY_DELETE,
    VKEY_HELP,
};

enum VstModifierKey : uint8_t
{
    MODIFIER_SHIFT = 1 << 0,
    MODIFIER_ALTERNATE = 1 << 1,
    MODIFIER_COMMAND = 1 << 2,
    MODIFIER_CONTROL = 1 << 3,
};

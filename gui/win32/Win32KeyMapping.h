// Translation of Win32 key and mouse message parameters into the host protocol's key record and the button-state
// bits. Pure functions of their arguments (the caller reads the keyboard state).
#pragma once

#include <cstdint>

#include "gui/VstKeyCode.h"

struct Win32Modifiers
{
    bool shift = false;
    bool control = false;
    bool alt = false;
};

// The key record for a WM_KEYDOWN/WM_KEYUP virtual key. Keys with a virtual-key number get it (Space also carries
// ' '; the keypad's Enter, an extended Return, is VKEY_ENTER). With Ctrl (and not AltGr, i.e. not Ctrl+Alt),
// letters and digits carry their lower-case character, since WM_CHAR then only brings a control code. Everything
// else maps to an empty record: its character arrives with WM_CHAR.
VstKeyCode vstKeyFromVirtualKey(unsigned int virtualKey, bool extended, const Win32Modifiers& modifiers);

// The key record for a WM_CHAR code unit that completes a character (a code point, surrogate pairs joined by the
// caller); empty for control codes and Space, which arrive as virtual keys.
VstKeyCode vstKeyFromCharacter(uint32_t codePoint, const Win32Modifiers& modifiers);

uint8_t vstModifiers(const Win32Modifiers& modifiers);

// CButtonState bits from a mouse message's MK_* flags, and Alt (which the flags do not carry).
int32_t buttonStateFromMouseFlags(uintptr_t flags, bool alt);

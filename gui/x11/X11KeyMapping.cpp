#include "gui/x11/X11KeyMapping.h"

#include <X11/X.h>
#include <X11/keysym.h>

#include "gui/CButtonState.h"

namespace
{

struct VirtualKey
{
    unsigned long keySym;
    uint8_t virt;
};

// Keys the record names by number rather than by character (the keypad's editing keys included).
constexpr VirtualKey kVirtualKeys[] = {
    {XK_BackSpace, VKEY_BACK},   {XK_Tab, VKEY_TAB},           {XK_ISO_Left_Tab, VKEY_TAB},
    {XK_Clear, VKEY_CLEAR},      {XK_Return, VKEY_RETURN},     {XK_Pause, VKEY_PAUSE},
    {XK_Escape, VKEY_ESCAPE},    {XK_space, VKEY_SPACE},       {XK_End, VKEY_END},
    {XK_Home, VKEY_HOME},        {XK_Left, VKEY_LEFT},         {XK_Up, VKEY_UP},
    {XK_Right, VKEY_RIGHT},      {XK_Down, VKEY_DOWN},         {XK_Page_Up, VKEY_PAGEUP},
    {XK_Page_Down, VKEY_PAGEDOWN}, {XK_Select, VKEY_SELECT},   {XK_Print, VKEY_SNAPSHOT},
    {XK_KP_Enter, VKEY_ENTER},   {XK_Insert, VKEY_INSERT},     {XK_Delete, VKEY_DELETE},
    {XK_Help, VKEY_HELP},        {XK_KP_Space, VKEY_SPACE},    {XK_KP_Tab, VKEY_TAB},
    {XK_KP_Home, VKEY_HOME},     {XK_KP_End, VKEY_END},        {XK_KP_Left, VKEY_LEFT},
    {XK_KP_Up, VKEY_UP},         {XK_KP_Right, VKEY_RIGHT},    {XK_KP_Down, VKEY_DOWN},
    {XK_KP_Page_Up, VKEY_PAGEUP}, {XK_KP_Page_Down, VKEY_PAGEDOWN}, {XK_KP_Insert, VKEY_INSERT},
    {XK_KP_Delete, VKEY_DELETE}, {XK_KP_Begin, VKEY_CLEAR},
};

// Keypad keys that type a character (with Num Lock on).
struct KeypadCharacter
{
    unsigned long keySym;
    char character;
};

constexpr KeypadCharacter kKeypadCharacters[] = {
    {XK_KP_0, '0'},        {XK_KP_1, '1'},        {XK_KP_2, '2'},        {XK_KP_3, '3'},        {XK_KP_4, '4'},
    {XK_KP_5, '5'},        {XK_KP_6, '6'},        {XK_KP_7, '7'},        {XK_KP_8, '8'},        {XK_KP_9, '9'},
    {XK_KP_Decimal, '.'},  {XK_KP_Separator, ','}, {XK_KP_Add, '+'},     {XK_KP_Subtract, '-'},
    {XK_KP_Multiply, '*'}, {XK_KP_Divide, '/'},   {XK_KP_Equal, '='},
};

// Key symbols carry Unicode code points above this base.
constexpr unsigned long kUnicodeKeySymBase = 0x01000000;

int32_t characterOf(unsigned long keySym)
{
    // Latin-1 key symbols are their own code points.
    if ((keySym >= 0x20 && keySym <= 0x7E) || (keySym >= 0xA0 && keySym <= 0xFF))
        return static_cast<int32_t>(keySym);
    if (keySym > kUnicodeKeySymBase && keySym <= kUnicodeKeySymBase + 0x10FFFF) {
        const unsigned long codePoint = keySym - kUnicodeKeySymBase;
        return codePoint >= 0x20 ? static_cast<int32_t>(codePoint) : 0;
    }
    for (const KeypadCharacter& key : kKeypadCharacters)
        if (key.keySym == keySym)
            return key.character;
    return 0;
}

} // namespace

VstKeyCode vstKeyFromKeySym(unsigned long keySym, unsigned int state)
{
    VstKeyCode key;
    key.modifier = vstModifiersFromState(state);
    for (const VirtualKey& entry : kVirtualKeys) {
        if (entry.keySym == keySym) {
            key.virt = entry.virt;
            if (entry.virt == VKEY_SPACE)
                key.character = ' ';
            return key;
        }
    }
    key.character = characterOf(keySym);
    return key;
}

uint8_t vstModifiersFromState(unsigned int state)
{
    uint8_t modifiers = 0;
    if (state & ShiftMask)
        modifiers |= MODIFIER_SHIFT;
    if (state & Mod1Mask)
        modifiers |= MODIFIER_ALTERNATE;
    if (state & ControlMask)
        modifiers |= MODIFIER_CONTROL;
    return modifiers;
}

int32_t buttonStateFromState(unsigned int state)
{
    int32_t buttons = 0;
    if (state & Button1Mask)
        buttons |= kLButton;
    if (state & Button2Mask)
        buttons |= kMButton;
    if (state & Button3Mask)
        buttons |= kRButton;
    if (state & ShiftMask)
        buttons |= kShift;
    if (state & ControlMask)
        buttons |= kControl;
    if (state & Mod1Mask)
        buttons |= kAlt;
    return buttons;
}

int32_t buttonBit(unsigned int button)
{
    switch (button) {
    case Button1:
        return kLButton;
    case Button2:
        return kMButton;
    case Button3:
        return kRButton;
    default:
        return 0;
    }
}

float wheelDistance(unsigned int button)
{
    if (button == Button4)
        return 1.f;
    if (button == Button5)
        return -1.f;
    return 0.f;
}

// X11 key symbols and pointer state as the frame receives them.
#include <gtest/gtest.h>

#include <X11/X.h>
#include <X11/keysym.h>

#include "gui/CButtonState.h"
#include "gui/x11/X11KeyMapping.h"

namespace
{

struct KeyCase
{
    const char* name;
    unsigned long keySym;
    unsigned int state;
    int32_t character;
    uint8_t virt;
    uint8_t modifier;
};

TEST(X11KeyMapping, KeySymsBecomeVirtualKeysOrCharacters)
{
    const KeyCase cases[] = {
        {"letter", XK_a, 0, 'a', 0, 0},
        {"shifted letter", XK_A, ShiftMask, 'A', 0, MODIFIER_SHIFT},
        {"Ctrl keeps the character", XK_c, ControlMask, 'c', 0, MODIFIER_CONTROL},
        {"Alt", XK_x, Mod1Mask, 'x', 0, MODIFIER_ALTERNATE},
        {"digit", XK_7, 0, '7', 0, 0},
        {"punctuation", XK_minus, 0, '-', 0, 0},
        {"Latin-1 letter", XK_udiaeresis, 0, 0xFC, 0, 0},
        {"Unicode key symbol", 0x010020AC, 0, 0x20AC, 0, 0},
        {"keypad digit", XK_KP_5, 0, '5', 0, 0},
        {"keypad point", XK_KP_Decimal, 0, '.', 0, 0},
        {"space carries its character", XK_space, 0, ' ', VKEY_SPACE, 0},
        {"backspace", XK_BackSpace, 0, 0, VKEY_BACK, 0},
        {"tab", XK_Tab, 0, 0, VKEY_TAB, 0},
        {"Shift+Tab", XK_ISO_Left_Tab, ShiftMask, 0, VKEY_TAB, MODIFIER_SHIFT},
        {"return", XK_Return, 0, 0, VKEY_RETURN, 0},
        {"keypad enter", XK_KP_Enter, 0, 0, VKEY_ENTER, 0},
        {"escape", XK_Escape, 0, 0, VKEY_ESCAPE, 0},
        {"arrow", XK_Left, 0, 0, VKEY_LEFT, 0},
        {"keypad arrow (Num Lock off)", XK_KP_Up, 0, 0, VKEY_UP, 0},
        {"page up", XK_Page_Up, 0, 0, VKEY_PAGEUP, 0},
        {"page down", XK_Page_Down, 0, 0, VKEY_PAGEDOWN, 0},
        {"home with modifiers", XK_Home, ShiftMask | ControlMask, 0, VKEY_HOME,
         MODIFIER_SHIFT | MODIFIER_CONTROL},
        {"delete", XK_Delete, 0, 0, VKEY_DELETE, 0},
        {"insert", XK_Insert, 0, 0, VKEY_INSERT, 0},
        {"print screen", XK_Print, 0, 0, VKEY_SNAPSHOT, 0},
        {"a modifier key alone", XK_Shift_L, ShiftMask, 0, 0, MODIFIER_SHIFT},
        {"function key", XK_F5, 0, 0, 0, 0},
        {"no symbol", NoSymbol, 0, 0, 0, 0},
        {"Unicode control code", 0x01000007, 0, 0, 0, 0},
    };
    for (const KeyCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        const VstKeyCode key = vstKeyFromKeySym(c.keySym, c.state);
        EXPECT_EQ(key.character, c.character);
        EXPECT_EQ(key.virt, c.virt);
        EXPECT_EQ(key.modifier, c.modifier);
    }
}

TEST(X11KeyMapping, LockKeysAreNotModifiers)
{
    // Caps Lock (LockMask) and Num Lock (usually Mod2) are held states, not modifiers of a click or key.
    EXPECT_EQ(vstModifiersFromState(LockMask | Mod2Mask), 0);
    EXPECT_EQ(buttonStateFromState(LockMask | Mod2Mask), 0);
}

TEST(X11KeyMapping, PointerStateBecomesButtonStateBits)
{
    const struct
    {
        unsigned int state;
        int32_t buttons;
    } cases[] = {
        {0, 0},
        {Button1Mask, kLButton},
        {Button2Mask, kMButton},
        {Button3Mask, kRButton},
        {Button1Mask | ShiftMask, kLButton | kShift},
        {Button1Mask | ControlMask, kLButton | kControl},
        {Button3Mask | Mod1Mask, kRButton | kAlt},
        // The wheel "buttons" are never held.
        {Button4Mask | Button5Mask, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(buttonStateFromState(c.state), c.buttons) << "state " << c.state;
}

TEST(X11KeyMapping, ButtonsAndWheel)
{
    EXPECT_EQ(buttonBit(Button1), kLButton);
    EXPECT_EQ(buttonBit(Button2), kMButton);
    EXPECT_EQ(buttonBit(Button3), kRButton);
    EXPECT_EQ(buttonBit(Button4), 0);
    EXPECT_EQ(buttonBit(8), 0) << "back/forward buttons are not clicks";

    EXPECT_EQ(wheelDistance(Button4), 1.f) << "up, away from the user";
    EXPECT_EQ(wheelDistance(Button5), -1.f);
    EXPECT_EQ(wheelDistance(Button1), 0.f);
    EXPECT_EQ(wheelDistance(6), 0.f) << "horizontal scrolling does not turn knobs";
}

} // namespace

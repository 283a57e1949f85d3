// Win32 key and mouse message parameters as the frame receives them.
#include <gtest/gtest.h>

#include "gui/CButtonState.h"
#include <windows.h>
#include "gui/win32/Win32KeyMapping.h"

namespace
{

Win32Modifiers mods(bool shift, bool control, bool alt)
{
    Win32Modifiers m;
    m.shift = shift;
    m.control = control;
    m.alt = alt;
    return m;
}

TEST(Win32KeyMapping, VirtualKeys)
{
    const struct
    {
        const char* name;
        unsigned int virtualKey;
        bool extended;
        Win32Modifiers modifiers;
        int32_t character;
        uint8_t virt;
        uint8_t modifier;
    } cases[] = {
        {"escape", VK_ESCAPE, false, mods(false, false, false), 0, VKEY_ESCAPE, 0},
        {"return", VK_RETURN, false, mods(false, false, false), 0, VKEY_RETURN, 0},
        {"keypad enter (extended return)", VK_RETURN, true, mods(false, false, false), 0, VKEY_ENTER, 0},
        {"space carries its character", VK_SPACE, false, mods(false, false, false), ' ', VKEY_SPACE, 0},
        {"backspace", VK_BACK, false, mods(false, false, false), 0, VKEY_BACK, 0},
        {"Shift+Tab", VK_TAB, false, mods(true, false, false), 0, VKEY_TAB, MODIFIER_SHIFT},
        {"page up", VK_PRIOR, false, mods(false, false, false), 0, VKEY_PAGEUP, 0},
        {"page down", VK_NEXT, false, mods(false, false, false), 0, VKEY_PAGEDOWN, 0},
        {"arrow with Ctrl", VK_LEFT, true, mods(false, true, false), 0, VKEY_LEFT, MODIFIER_CONTROL},
        {"delete", VK_DELETE, true, mods(false, false, false), 0, VKEY_DELETE, 0},
        {"print screen", VK_SNAPSHOT, false, mods(false, false, false), 0, VKEY_SNAPSHOT, 0},
        {"Ctrl+letter gives the letter", 'C', false, mods(false, true, false), 'c', 0, MODIFIER_CONTROL},
        {"Ctrl+Shift+letter", 'Z', false, mods(true, true, false), 'z', 0, MODIFIER_SHIFT | MODIFIER_CONTROL},
        {"Ctrl+digit", '5', false, mods(false, true, false), '5', 0, MODIFIER_CONTROL},
        {"a plain letter waits for WM_CHAR", 'C', false, mods(false, false, false), 0, 0, 0},
        {"AltGr (Ctrl+Alt) waits for WM_CHAR", 'Q', false, mods(false, true, true), 0, 0,
         MODIFIER_CONTROL | MODIFIER_ALTERNATE},
        {"function key", VK_F5, false, mods(false, false, false), 0, 0, 0},
        {"a modifier key alone", VK_SHIFT, false, mods(true, false, false), 0, 0, MODIFIER_SHIFT},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const VstKeyCode key = vstKeyFromVirtualKey(c.virtualKey, c.extended, c.modifiers);
        EXPECT_EQ(key.character, c.character);
        EXPECT_EQ(key.virt, c.virt);
        EXPECT_EQ(key.modifier, c.modifier);
    }
}

TEST(Win32KeyMapping, Characters)
{
    const struct
    {
        uint32_t codePoint;
        Win32Modifiers modifiers;
        int32_t character;
        uint8_t modifier;
    } cases[] = {
        {'a', mods(false, false, false), 'a', 0},
        {'A', mods(true, false, false), 'A', MODIFIER_SHIFT},
        {0x20AC, mods(false, true, true), 0x20AC, MODIFIER_CONTROL | MODIFIER_ALTERNATE}, // AltGr+E: the euro sign
        {0x1F600, mods(false, false, false), 0x1F600, 0},                                  // joined surrogates
        {' ', mods(false, false, false), 0, 0},    // arrives as VK_SPACE
        {0x03, mods(false, true, false), 0, 0},    // Ctrl+C's control code
        {'\r', mods(false, false, false), 0, 0},   // arrives as VK_RETURN
        {0x7F, mods(false, true, false), 0, 0},    // Ctrl+Backspace
    };
    for (const auto& c : cases)
    {
        const VstKeyCode key = vstKeyFromCharacter(c.codePoint, c.modifiers);
        EXPECT_EQ(key.character, c.character) << "code point " << c.codePoint;
        EXPECT_EQ(key.virt, 0);
        EXPECT_EQ(key.modifier, c.modifier) << "code point " << c.codePoint;
    }
}

TEST(Win32KeyMapping, MouseFlags)
{
    const struct
    {
        uintptr_t flags;
        bool alt;
        int32_t buttons;
    } cases[] = {
        {0, false, 0},
        {MK_LBUTTON, false, kLButton},
        {MK_MBUTTON, false, kMButton},
        {MK_RBUTTON | MK_SHIFT, false, kRButton | kShift},
        {MK_LBUTTON | MK_CONTROL, true, kLButton | kControl | kAlt},
        {MK_XBUTTON1, false, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(buttonStateFromMouseFlags(c.flags, c.alt), c.buttons) << "flags " << c.flags;
}

} // namespace

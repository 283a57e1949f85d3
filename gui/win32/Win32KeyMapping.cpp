#include "gui/win32/Win32KeyMapping.h"

#include "gui/CButtonState.h"
#include <windows.h>

namespace
{

struct VirtualKey
{
    unsigned int virtualKey;
    uint8_t virt;
};

constexpr VirtualKey kVirtualKeys[] = {
    {VK_BACK, VKEY_BACK},     {VK_TAB, VKEY_TAB},       {VK_CLEAR, VKEY_CLEAR},       {VK_RETURN, VKEY_RETURN},
    {VK_PAUSE, VKEY_PAUSE},   {VK_ESCAPE, VKEY_ESCAPE}, {VK_SPACE, VKEY_SPACE},       {VK_END, VKEY_END},
    {VK_HOME, VKEY_HOME},     {VK_LEFT, VKEY_LEFT},     {VK_UP, VKEY_UP},             {VK_RIGHT, VKEY_RIGHT},
    {VK_DOWN, VKEY_DOWN},     {VK_PRIOR, VKEY_PAGEUP},  {VK_NEXT, VKEY_PAGEDOWN},     {VK_SELECT, VKEY_SELECT},
    {VK_PRINT, VKEY_PRINT},   {VK_SNAPSHOT, VKEY_SNAPSHOT}, {VK_INSERT, VKEY_INSERT}, {VK_DELETE, VKEY_DELETE},
    {VK_HELP, VKEY_HELP},
};

} // namespace

uint8_t vstModifiers(const Win32Modifiers& modifiers)
{
    uint8_t bits = 0;
    if (modifiers.shift)
        bits |= MODIFIER_SHIFT;
    if (modifiers.alt)
        bits |= MODIFIER_ALTERNATE;
    if (modifiers.control)
        bits |= MODIFIER_CONTROL;
    return bits;
}

VstKeyCode vstKeyFromVirtualKey(unsigned int virtualKey, bool extended, const Win32Modifiers& modifiers)
{
    VstKeyCode key;
    key.modifier = vstModifiers(modifiers);
    if (virtualKey == VK_RETURN && extended)
    {
        key.virt = VKEY_ENTER;
        return key;
    }
    for (const VirtualKey& entry : kVirtualKeys)
    {
        if (entry.virtualKey == virtualKey)
        {
            key.virt = entry.virt;
            if (entry.virt == VKEY_SPACE)
                key.character = ' ';
            return key;
        }
    }
    if (modifiers.control && !modifiers.alt)
    {
        if (virtualKey >= 'A' && virtualKey <= 'Z')
            key.character = static_cast<int32_t>(virtualKey - 'A' + 'a');
        else if (virtualKey >= '0' && virtualKey <= '9')
            key.character = static_cast<int32_t>(virtualKey);
    }
    return key;
}

VstKeyCode vstKeyFromCharacter(uint32_t codePoint, const Win32Modifiers& modifiers)
{
    VstKeyCode key;
    if (codePoint <= 0x20 || codePoint == 0x7F || codePoint > 0x10FFFF)
        return key;
    key.character = static_cast<int32_t>(codePoint);
    key.modifier = vstModifiers(modifiers);
    return key;
}

int32_t buttonStateFromMouseFlags(uintptr_t flags, bool alt)
{
    int32_t buttons = 0;
    if (flags & MK_LBUTTON)
        buttons |= kLButton;
    if (flags & MK_MBUTTON)
        buttons |= kMButton;
    if (flags & MK_RBUTTON)
        buttons |= kRButton;
    if (flags & MK_SHIFT)
        buttons |= kShift;
    if (flags & MK_CONTROL)
        buttons |= kControl;
    if (alt)
        buttons |= kAlt;
    return buttons;
}

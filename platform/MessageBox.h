// A message shown to the user (a message box on Windows; the standard error stream where there is no desktop service).
#pragma once

namespace platform {

void showMessage(const char* title, const char* text);

// Tests see messages instead of a box waiting for a click: while a hook is set, showMessage only calls it.
using MessageHook = void (*)(const char* title, const char* text);
void setMessageHook(MessageHook hook);

}  // namespace platform

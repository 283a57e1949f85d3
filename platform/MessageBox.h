// A message shown to the user (a message box on Windows; the standard error stream where there is no desktop service).
#pragma once

namespace platform {

void showMessage(const char* title, const char* text);

}  // namespace platform

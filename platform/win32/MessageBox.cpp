#include "platform/MessageBox.h"

#include <windows.h>

namespace platform {

void showMessage(const char* title, const char* text)
{
    if (logMessageForTests(title, text))
        return;
    MessageBoxA(nullptr, text ? text : "", title ? title : "", MB_OK);
}

}  // namespace platform

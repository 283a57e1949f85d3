#include "platform/MessageBox.h"

#include <windows.h>

#include <atomic>

namespace platform {
namespace {
std::atomic<MessageHook> gHook{nullptr};
}

void setMessageHook(MessageHook hook)
{
    gHook = hook;
}

void showMessage(const char* title, const char* text, void* ownerWindow)
{
    if (MessageHook hook = gHook.load()) {
        hook(title ? title : "", text ? text : "");
        return;
    }
    if (logMessageForTests(title, text))
        return;
    MessageBoxA(static_cast<HWND>(ownerWindow), text ? text : "", title ? title : "", MB_OK);
}

}  // namespace platform

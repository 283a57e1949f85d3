#include "platform/MessageBox.h"

#include <atomic>
#include <cstdio>

namespace platform {
namespace {
std::atomic<MessageHook> gHook{nullptr};
}

void setMessageHook(MessageHook hook)
{
    gHook = hook;
}

void showMessage(const char* title, const char* text, void*)
{
    if (MessageHook hook = gHook.load()) {
        hook(title ? title : "", text ? text : "");
        return;
    }
    if (logMessageForTests(title, text))
        return;
    std::fprintf(stderr, "%s: %s\n", title ? title : "", text ? text : "");
}

}  // namespace platform

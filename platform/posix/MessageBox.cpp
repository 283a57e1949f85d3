#include "platform/MessageBox.h"

#include <cstdio>

namespace platform {

void showMessage(const char* title, const char* text)
{
    if (logMessageForTests(title, text))
        return;
    std::fprintf(stderr, "%s: %s\n", title ? title : "", text ? text : "");
}

}  // namespace platform

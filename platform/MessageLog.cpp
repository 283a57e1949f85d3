#include <cstdio>
#include <cstdlib>

#include "platform/MessageBox.h"

namespace platform {

bool logMessageForTests(const char* title, const char* text)
{
    const char* path = std::getenv("QOR_MESSAGE_LOG");
    if (path == nullptr || path[0] == '\0')
        return false;
    if (std::FILE* file = std::fopen(path, "a"))
    {
        std::fprintf(file, "%s\t%s\n", title ? title : "", text ? text : "");
        std::fclose(file);
    }
    return true;
}

}  // namespace platform

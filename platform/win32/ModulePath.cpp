#include "platform/ModulePath.h"

#include <windows.h>

namespace platform {

char pathSeparator()
{
    return '\\';
}

bool modulePathOf(const void* address, std::string& path, int& errorCode)
{
    HMODULE module = nullptr;
    // Unchanged reference count: only a look-up, the module stays as loaded as it was.
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCSTR>(address), &module))
    {
        errorCode = static_cast<int>(GetLastError());
        return false;
    }
    char name[1024];
    const DWORD length = GetModuleFileNameA(module, name, sizeof name);
    if (length == 0 || length >= sizeof name)
    {
        errorCode = static_cast<int>(GetLastError());
        return false;
    }
    path.assign(name, length);
    return true;
}

}  // namespace platform

// The plug-in module's load routine: it only keeps the module's instance handle for the editor's graphics layer.
#include <windows.h>

#include "platform/Module.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
        platform::setModuleHandle(instance);
    return TRUE;
}

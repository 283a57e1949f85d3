// Windows only: the module's instance handle, for JUCE's window classes.
#include <windows.h>

#include <juce_core/juce_core.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        juce::Process::setCurrentModuleInstanceHandle(instance);
    return TRUE;
}

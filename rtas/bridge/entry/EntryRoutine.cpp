// The module's entry routine: DllMain on Windows; on Linux (the 32-bit test build) a load and an unload routine that
// do the same. The engine's registration procedure is looked up in the engine library, which the module's imports
// have loaded already.
#include "rtas/bridge/entry/ModuleEntry.h"
#include "platform/Library.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

SetPlugInOpenAndCloseProcsProc FindEngineRegistration()
{
    platform::Library engine;
    if (!engine.attachLoaded(kEngineLibraryName))
        return nullptr;
    return reinterpret_cast<SetPlugInOpenAndCloseProcsProc>(engine.symbol(kSetPlugInOpenAndCloseProcsName));
}

}  // namespace

#if defined(_WIN32)

// Loader thread, under the system's loader lock.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    try {
        if (reason == DLL_PROCESS_ATTACH)
            return rtas::entry::AttachModule(instance, FindEngineRegistration()) ? TRUE : FALSE;
        if (reason == DLL_PROCESS_DETACH)
            rtas::entry::DetachModule();
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

#else

namespace {

// Loader thread. A load cannot be refused here: a module whose open at load failed stays unopened, and its routines
// answer that there is no group.
__attribute__((constructor)) void OnModuleLoad()
{
    Dl_info info{};
    void* instance = dladdr(reinterpret_cast<void*>(&OnModuleLoad), &info) != 0 ? info.dli_fbase : nullptr;
    try {
        rtas::entry::AttachModule(instance, FindEngineRegistration());
    } catch (...) {
    }
}

// Loader thread.
__attribute__((destructor)) void OnModuleUnload()
{
    try {
        rtas::entry::DetachModule();
    } catch (...) {
    }
}

}  // namespace

#endif

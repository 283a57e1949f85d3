// Nothing inside the plug-in calls its seven exports, so nothing would pull them out of the library's archive:
// this table refers to each.
#include "aax/library/ACFExports.h"

extern "C" {
#if defined(__GNUC__)
__attribute__((used))
#endif
void* const qorAaxExportTable[] = {
    reinterpret_cast<void*>(&ACFRegisterPlugin), reinterpret_cast<void*>(&ACFRegisterComponent),
    reinterpret_cast<void*>(&ACFGetClassFactory), reinterpret_cast<void*>(&ACFCanUnloadNow),
    reinterpret_cast<void*>(&ACFStartup),        reinterpret_cast<void*>(&ACFShutdown),
    reinterpret_cast<void*>(&ACFGetSDKVersion),
};
}

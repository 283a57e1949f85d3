// The plug-in module's load routine: it only keeps the module's handle for the editor's graphics layer.
#include <dlfcn.h>

#include "platform/Module.h"

namespace {

__attribute__((constructor)) void onModuleLoad()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&onModuleLoad), &info) != 0)
        platform::setModuleHandle(info.dli_fbase);
}

}  // namespace

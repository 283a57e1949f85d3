#include "platform/Module.h"

namespace platform {

namespace {
void* gModuleHandle = nullptr;
}

void setModuleHandle(void* handle) { gModuleHandle = handle; }
void* moduleHandle() { return gModuleHandle; }

}  // namespace platform

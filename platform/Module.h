// The instance handle of the loaded plug-in module, kept by its load routine for the editor's graphics layer.
#pragma once

namespace platform {

void setModuleHandle(void* handle);
void* moduleHandle();

}  // namespace platform

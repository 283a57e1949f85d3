// OLE initialisation for the calling thread around the editor's lifetime; nothing to do where there is no OLE.
#pragma once

namespace platform {

void oleInitialize();
void oleUninitialize();

}  // namespace platform

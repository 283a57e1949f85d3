// Where the module holding a given piece of code lives, in the system's own path form: for a plug-in that finds
// files beside itself.
#pragma once

#include <string>

namespace platform {

// The separator of folders in the system's paths ('\\' on Windows, '/' elsewhere).
char pathSeparator();

// The full file name of the module (executable or shared library) that contains address. False when the system
// cannot tell; then errorCode holds the system's error number.
bool modulePathOf(const void* address, std::string& path, int& errorCode);

}  // namespace platform

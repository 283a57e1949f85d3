// The plug-in's resource file (the module's path with ".rsr"), opened on its first use and closed when the last use
// is given back. Every resource access of the library is bracketed by a use and its release. Main thread, under the
// group's context lock.
#pragma once

#include "rtas/framework/host/ToolboxServices.h"

#include <cstdint>
#include <string>

namespace rtas {

// Where the file lies and how its resources are brought into the processor's byte order; set by the module's entry
// before the first use.
void SetPlugInResourceFile(const std::string& path, ResourceByteOrderProc byteOrder);

// Takes a use (the first opens the file) and makes the file current; answers the file that was current before.
int16_t UsePlugInResourceFile();
// Gives a use back (the last closes the file) and makes previous current again.
void ReleasePlugInResourceFile(int16_t previous);

int32_t PlugInResourceFileUses();
// The file's reference number, or -1 when it is not open (or could not be opened).
int16_t PlugInResourceFileRefNum();
// Closes the file whatever its uses and forgets them (a module's teardown, and the tests).
void ForgetPlugInResourceFileUses();

}  // namespace rtas

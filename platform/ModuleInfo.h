// What the system knows about modules (the program and the libraries it has loaded) and about library files: a
// module's file name, a loaded module found by name, a library opened for its resources only, a resource's bytes,
// and the fixed version information of a file.
//
// Windows answers from its own module, resource and version services. Elsewhere a library file carries resources in
// a container of our own (posix/ResourceContainer.h) that openLibraryAsData reads; loaded modules there carry none,
// and a file's version is its resource "#16" 1 (the fixed version information itself, as Windows keeps it under
// that type and number). Any thread; nothing here takes a lock of ours.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A loaded module (its base address) or a library opened as data; null for none.
using ModuleHandle = void*;

// The full file name of a module; a null module names the running program. False when the system cannot tell.
bool moduleFileName(ModuleHandle module, std::string& path);
// The module loaded under this name, without loading it; null when it is not loaded.
ModuleHandle loadedModule(const char* name);

// Opens a library file for its resources only: none of its code runs. Null when it cannot be opened.
ModuleHandle openLibraryAsData(const char* path);
void releaseLibraryData(ModuleHandle library);
// The bytes of a resource (type: a name, or "#" and a number), which stay valid while the module or library stays
// open; null when it is not there. size receives the resource's length when it is found.
const void* findResource(ModuleHandle module, const char* type, int32_t id, uint32_t* size);

// The two file-version words of a file's fixed version information (most significant first). False when the file
// has no version information, or it is shorter than the 52 bytes of the fixed part.
bool fileVersionWords(const char* path, uint32_t& mostSignificant, uint32_t& leastSignificant);

// The folder part of a path, ending in the separator: on Windows its drive and directory.
std::string folderOfPath(const std::string& path);

}  // namespace platform

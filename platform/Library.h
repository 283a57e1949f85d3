// A shared library loaded at run time: the one loader of every host stand-in and both bridges.
// posix/Library.cpp uses dlopen, win32/Library.cpp LoadLibraryA and GetProcAddress.
#pragma once

#include <string>

namespace platform {

class Library
{
public:
    Library() = default;
    ~Library();
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    // Loads the library at path (a file path, never a search by bare name). False with error() on failure. On
    // Windows a path the ANSI code page cannot spell is taken as UTF-8 and loaded by its wide form.
    bool open(const std::string& path);
    // Loads the library by its bare file name through the system's library search (on Windows the program's
    // folder, the system folders and PATH; elsewhere the program's run path and the loader's search path).
    bool openByName(const std::string& name);
    // Takes a library that is already loaded, without loading it or keeping it loaded: close() then only forgets it.
    bool attachLoaded(const std::string& name);
    // Address of an exported symbol, or null. A name decorated the way 32-bit Windows exports stdcall functions
    // (_Name@bytes) is also found where the system keeps names undecorated.
    void* symbol(const char* name) const;
    void close();

    bool isOpen() const { return handle_ != nullptr; }
    const std::string& error() const { return error_; }

    // True while the library at path is mapped into this process (by anyone).
    static bool isResident(const std::string& path);

    // The file name of the shared library called stem: "stem.dll" on Windows, "stem.so" elsewhere.
    static std::string fileName(const std::string& stem);
    // The folder in which later loads by a relative path look first (SetDllDirectoryA on Windows; kept for this
    // process's loads elsewhere); the empty text restores the system's search. False with errorCode on failure.
    static bool setSearchDirectory(const std::string& folder, int& errorCode);
    // The system's error number of the last failed open (GetLastError on Windows, errno elsewhere).
    int errorCode() const { return errorCode_; }

private:
    void* handle_ = nullptr;
    bool owned_ = false;
    std::string error_;
    int errorCode_ = 0;
};

}  // namespace platform

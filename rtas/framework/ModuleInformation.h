// What the library asks about its own module and others: version numbers and the plug-in's version text, module
// folders, and resources of loaded modules and of library files. Every failure is a false result, a null pointer or
// an empty text; nothing is thrown or shown. Host threads (the GUI's for the version text, the DSP layer's set-up
// for resources); no lock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace rtas {

// Major, minor, release and build: the halves of the file version's most, then least significant word.
struct SModuleVersion
{
    uint16_t major = 0;
    uint16_t minor = 0;
    uint16_t release = 0;
    uint16_t build = 0;
};

// Module names longer than these are refused rather than cut: a cut name would name another file or folder.
constexpr size_t kLongestVersionModuleName = 260;
constexpr size_t kLongestFolderModuleName = 255;
// "65535.65535.65535.65535" and its terminator.
constexpr size_t kVersionTextCapacity = 24;

bool GetVersionOfFile(const char* path, SModuleVersion* version);
bool GetVersionOfModule(void* module, SModuleVersion* version);
bool GetVersionOfModuleNamed(const char* name, SModuleVersion* version);
// The plug-in module's version as "%d.%d.%d.%d" ("0.0.0.0" when it cannot be read), cut to fit capacity.
void GetPlugInVersionText(char* buffer, size_t capacity);

// Drive and directory of the module's file, ending in the separator; a null module gives the host program's folder.
std::string GetModuleFolder(void* module);
// Empty when no module of that name is loaded.
std::string GetModuleFolderNamed(const char* name);

// Produces a file path.
class FileNameCallback
{
public:
    virtual ~FileNameCallback() = default;
    virtual std::string GetFileName() = 0;
};

// The host program's folder followed by the stored file name.
class DefaultPathFileNameCallback : public FileNameCallback
{
public:
    explicit DefaultPathFileNameCallback(const char* fileName) : fFileName(fileName != nullptr ? fileName : "") {}
    std::string GetFileName() override;

private:
    std::string fFileName;
};

// A resource of a loaded module (type: a name, or "#" and a number); null when absent. size, when given, receives
// its length.
const void* FindResourceData(void* module, const char* type, int32_t id, uint32_t* size);
// Opens the library file as data (none of its code runs) and copies at most maximum bytes of the resource into
// destination; size, when given, receives the resource's full length. False when the file or the resource is not
// there.
bool LoadResourceFromLibrary(const char* path, const char* type, int32_t id, uint32_t* size, uint32_t maximum,
                             void* destination);

}  // namespace rtas

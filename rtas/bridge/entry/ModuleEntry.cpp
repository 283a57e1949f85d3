#include "rtas/bridge/entry/ModuleEntry.h"

#include "rtas/bridge/entry/GroupCreation.h"
#include "rtas/bridge/entry/ResourceByteOrder.h"
#include "rtas/framework/PlugInResourceFile.h"
#include "platform/Module.h"
#include "platform/ModulePath.h"

namespace rtas::entry {
namespace {

struct ModuleState
{
    void* instance = nullptr;
    std::string modulePath;
    std::string resourcePath;
    int32_t openCount = 0;
    SetPlugInOpenAndCloseProcsProc registration = nullptr;
};

ModuleState gModule;

void CloseResourceFile()
{
    // Whatever uses are still counted, the file goes with the plug-in.
    ForgetPlugInResourceFileUses();
}

void TearDown()
{
    DeleteModuleGroup();
    CloseResourceFile();
}

}  // namespace

bool AttachModule(void* instance, SetPlugInOpenAndCloseProcsProc registration)
{
    gModule.instance = instance;
    platform::setModuleHandle(instance);
    gModule.registration = registration;
    if (registration != nullptr) {
        registration(&OpenPlugIn, &ClosePlugIn);
        return true;
    }
    return OpenPlugIn() == 0;
}

void DetachModule()
{
    if (gModule.registration == nullptr)
        ClosePlugIn();
}

int32_t QOR_HOST_CALL OpenPlugIn()
{
    // Only an open that succeeded is counted, so a count above 0 always stands for a group that exists.
    if (gModule.openCount > 0) {
        ++gModule.openCount;
        return 0;
    }
    int errorCode = 0;
    if (!platform::modulePathOf(reinterpret_cast<const void*>(&OpenPlugIn), gModule.modulePath, errorCode))
        gModule.modulePath.clear();
    gModule.resourcePath = gModule.modulePath + ".rsr";
    // The module holds one use of its resource file while it is open; the file is then the current one.
    SetPlugInResourceFile(gModule.resourcePath, &SwapResourceByteOrder);
    UsePlugInResourceFile();
    const int32_t result = CreateModuleGroup();
    if (result != 0) {
        TearDown();
        return result;
    }
    gModule.openCount = 1;
    return 0;
}

int32_t QOR_HOST_CALL ClosePlugIn()
{
    if (gModule.openCount == 0)
        return 0;
    if (--gModule.openCount == 0)
        TearDown();
    return 0;
}

int32_t OpenCount() { return gModule.openCount; }
const std::string& ResourceFilePath() { return gModule.resourcePath; }

}  // namespace rtas::entry

#include "rtas/framework/ModuleState.h"

namespace rtas {
namespace {

CProcessGroupInterface* gGroup = nullptr;
HostComponentCallback gHostCallback = nullptr;
bool gOpenedThroughWinPlugInOpen = false;
int32_t gInstancesCreated = 0;
int32_t gHostInterfaceLevel = 0;

}  // namespace

CProcessGroupInterface* GetModuleGroup() { return gGroup; }
void SetModuleGroup(CProcessGroupInterface* group) { gGroup = group; }
HostComponentCallback GetHostCallback() { return gHostCallback; }
void SetHostCallback(HostComponentCallback callback) { gHostCallback = callback; }
bool IsOpenedThroughWinPlugInOpen() { return gOpenedThroughWinPlugInOpen; }
void SetOpenedThroughWinPlugInOpen(bool opened) { gOpenedThroughWinPlugInOpen = opened; }
int32_t GetInstancesCreated() { return gInstancesCreated; }
void CountInstanceCreated() { ++gInstancesCreated; }
int32_t GetHostInterfaceLevel() { return gHostInterfaceLevel; }
void SetHostInterfaceLevelValue(int32_t level) { gHostInterfaceLevel = level; }

void ResetModuleState()
{
    gGroup = nullptr;
    gHostCallback = nullptr;
    gOpenedThroughWinPlugInOpen = false;
    gInstancesCreated = 0;
    gHostInterfaceLevel = 0;
}

}  // namespace rtas

// The stand-in DSPManager.dll: a host that manages no DSPs, so a plug-in takes the way it has without a manager.
#include "hosts/rtas/KitExport.h"
#include "hosts/rtas/KitLog.h"
#include "rtas/framework/host/DspManagerServices.h"

extern "C" {

QOR_KIT_EXPORT void* QOR_HOST_CALL GetDSPManager(void)
{
    qorkit::record("GetDSPManager");
    return nullptr;
}

}  // extern "C"

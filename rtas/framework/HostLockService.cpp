#include "rtas/framework/HostLockService.h"

namespace rtas {
namespace {

FicLockService* gService = nullptr;

}  // namespace

FicLockService* GetHostLockService()
{
    if (gService != nullptr)
        return gService;
    HostWord answer = 0;
    if (FicGestalt(kGestaltLockService, &answer) == 0)
        gService = reinterpret_cast<FicLockService*>(answer);
    return gService;
}

void ForgetHostLockService() { gService = nullptr; }

}  // namespace rtas

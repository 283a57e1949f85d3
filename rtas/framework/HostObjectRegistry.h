// The host's object registry, asked for once through the host's component callback and kept; a failed request is
// remembered, so later calls answer without asking again.
#pragma once

#include "rtas/framework/host/ObjectRegistry.h"

#include <cstdint>

namespace rtas {

FicObjectRegistry* GetHostObjectRegistry();
// Each answers the registry's result, or 0 without calling anything when there is no registry.
int16_t RegisterHostObject(void* object, int32_t flag);
int16_t UnregisterHostObject(void* object);
int16_t QueryHostObject(void* object, const void* record);
void ForgetHostObjectRegistry();

}  // namespace rtas

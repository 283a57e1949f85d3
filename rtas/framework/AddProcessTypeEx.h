// Raised when a type cannot be added to the group's list (no type, or no list yet). It carries -7053, so the
// routine boundary and the group-creating export answer it like any other missing object.
#pragma once

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/ResultCodes.h"

class AddProcessTypeEx : public CDAEError
{
public:
    AddProcessTypeEx() : CDAEError(rtas::kMissingObject) {}
};

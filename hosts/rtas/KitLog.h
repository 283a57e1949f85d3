// The kit's record of the calls its services received, for tests that check which services a plug-in used and in
// what order. One log for the whole kit, kept by DAE.dll.
#pragma once

#include "hosts/rtas/KitControl.h"

namespace qorkit {

inline void record(const char* call)
{
    QorKitRecord(call);
}

}  // namespace qorkit

// Holds the module group's context lock for a scope, for calls that reach the library from outside the routine
// dispatch. Leaves only what it entered: made while no group exists, it does nothing.
#pragma once

#include "rtas/framework/CProcessGroupInterface.h"
#include "rtas/framework/ModuleState.h"

class ScopedGroupLock
{
public:
    ScopedGroupLock() : fGroup(rtas::GetModuleGroup())
    {
        if (fGroup != nullptr)
            fGroup->Lock();
    }
    ~ScopedGroupLock()
    {
        if (fGroup != nullptr)
            fGroup->Unlock();
    }
    ScopedGroupLock(const ScopedGroupLock&) = delete;
    ScopedGroupLock& operator=(const ScopedGroupLock&) = delete;

private:
    CProcessGroupInterface* fGroup;
};

// Small scope guards of the library.
#pragma once

#include "rtas/framework/CDAEError.h"

#include <cstdint>

// Records a flag and takes no lock on this platform: the host's context lock already serialises the library.
class CScopedLock
{
public:
    explicit CScopedLock(bool flag) : fFlag(flag) {}
    bool GetFlag() const { return fFlag; }

private:
    bool fFlag;
};

// Activates an object for the scope when it is not active yet (a refusal is thrown as its code), and deactivates it
// at the end only when this guard activated it.
template <typename Activatable>
class CActivationGuard
{
public:
    explicit CActivationGuard(Activatable& object) : fObject(object)
    {
        if (!fObject.IsActive()) {
            const int32_t code = fObject.SetActive(1);
            if (code != 0)
                throw CDAEError(code);
            fActivated = true;
        }
    }
    ~CActivationGuard()
    {
        if (fActivated)
            fObject.SetActive(0);
    }
    CActivationGuard(const CActivationGuard&) = delete;
    CActivationGuard& operator=(const CActivationGuard&) = delete;

private:
    Activatable& fObject;
    bool fActivated = false;
};

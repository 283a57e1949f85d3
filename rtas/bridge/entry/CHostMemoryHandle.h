// A block of the host's memory held by handle for as long as the holder lives: acquiring asks the host's toolbox
// library for the block and raises CDAEError -7401 when none comes; the holder gives the block back through the same
// library. Main thread (the toolbox's memory services are called from there).
#pragma once

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/host/ToolboxServices.h"

#include <cstdint>

class CHostMemoryHandle
{
public:
    CHostMemoryHandle() = default;
    // Acquires a block of size bytes at once.
    explicit CHostMemoryHandle(int32_t size) { Acquire(size); }
    ~CHostMemoryHandle() { Dispose(); }
    CHostMemoryHandle(const CHostMemoryHandle&) = delete;
    CHostMemoryHandle& operator=(const CHostMemoryHandle&) = delete;

    // Gives back a block held before, then asks the host for a new one; throws CDAEError -7401 when the host has
    // none (the holder then holds nothing).
    void Acquire(int32_t size)
    {
        Dispose();
        fHandle = NewHandle(size);
        if (fHandle == nullptr)
            throw CDAEError(rtas::kUnexpected);
    }
    void Dispose()
    {
        if (fHandle != nullptr)
            DisposeHandle(fHandle);
        fHandle = nullptr;
    }
    HostHandle Get() const { return fHandle; }

private:
    HostHandle fHandle = nullptr;
};

#include "platform/Ole.h"

#include <ole2.h>

namespace platform {

namespace {

// Successful initialisations on this thread not yet undone. OleInitialize fails on a thread the host already made
// multithreaded, and an OleUninitialize without its own successful OleInitialize would undo the host's.
thread_local int tInitialised = 0;

}  // namespace

void oleInitialize()
{
    if (SUCCEEDED(OleInitialize(nullptr)))
        ++tInitialised;
}

void oleUninitialize()
{
    if (tInitialised == 0)
        return;
    --tInitialised;
    OleUninitialize();
}

}  // namespace platform

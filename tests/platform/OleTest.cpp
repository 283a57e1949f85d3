// OLE set-up around the editor's lifetime must not disturb the host's own COM set-up of its thread.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <thread>

#include <objbase.h>

#include "platform/Ole.h"

namespace {

TEST(OleTest, UninitialiseUndoesOnlyWhatInitialiseDid)
{
    std::thread([] {
        platform::oleInitialize();
        platform::oleUninitialize();
        // Nothing of OLE's single-threaded set-up is left: the thread may still become multithreaded.
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        CoUninitialize();
    }).join();

    std::thread([] {
        // A host thread already multithreaded: OleInitialize fails there, so the matching uninitialise must not
        // take away the host's own initialisation.
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        platform::oleInitialize();
        platform::oleUninitialize();
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
        CoUninitialize();
        CoUninitialize();
    }).join();
}

}  // namespace

#endif  // _WIN32

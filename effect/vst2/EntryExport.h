// How the entry point is exported from the plug-in library.
#pragma once

#if defined(_WIN32)
#define QOR_ENTRY_EXPORT extern "C" __declspec(dllexport)
#else
#define QOR_ENTRY_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// Gives the second entry function the symbol name "main" (undecorated C names carry a leading underscore on x86
// Windows).
#if defined(_WIN32) && !defined(_WIN64)
#define QOR_MAIN_SYMBOL __asm__("_main")
#else
#define QOR_MAIN_SYMBOL __asm__("main")
#endif

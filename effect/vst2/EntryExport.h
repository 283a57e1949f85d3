// How the entry point is exported from the plug-in library. On Windows the module-definition file Exports.def names
// the exports, which keeps them undecorated on x86 as well; elsewhere the symbols are made visible here.
#pragma once

#if defined(_WIN32)
#define QOR_ENTRY_EXPORT extern "C"
#define QOR_MAIN_SYMBOL
#else
#define QOR_ENTRY_EXPORT extern "C" __attribute__((visibility("default")))
// "main" cannot be declared as an ordinary C++ function returning a pointer; the assembler name gives it.
#define QOR_MAIN_SYMBOL __asm__("main")
#endif

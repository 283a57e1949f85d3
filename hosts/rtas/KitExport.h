// Marks the functions a stand-in host library exports. The Windows DLLs name their exports in module-definition
// files (the host's decorated names and ordinals); the Linux shared objects export what is visible.
#pragma once

#if defined(_WIN32)
#define QOR_KIT_EXPORT
#else
#define QOR_KIT_EXPORT __attribute__((visibility("default")))
#endif

// Keeps cairo, and the libraries it brings with it (pixman, fontconfig, freetype), loaded for the rest of the process
// once the plug-in module has loaded them. They keep tables and caches for the life of the process: pixman builds its
// table of implementations when it is loaded and never frees it, and cairo keeps freed objects for reuse. A host that
// unloads the plug-in would otherwise unload them with it when nothing else in the process uses them, and lose what
// they hold again with every load. The plug-in module itself still unloads.
#include <cairo.h>
#include <dlfcn.h>

namespace {

// The loading thread, under the system loader's lock, while the plug-in module is being loaded.
__attribute__((constructor)) void keepCairoLoaded()
{
    Dl_info own{};
    Dl_info cairo{};
    if (dladdr(reinterpret_cast<void*>(&keepCairoLoaded), &own) == 0 ||
        dladdr(reinterpret_cast<void*>(&cairo_version), &cairo) == 0 || cairo.dli_fname == nullptr)
        return;
    // Cairo linked into the module itself must not keep the module loaded.
    if (cairo.dli_fbase == own.dli_fbase)
        return;
    // The handle is never closed: with RTLD_NODELETE closing it would change nothing.
    dlopen(cairo.dli_fname, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
}

}  // namespace

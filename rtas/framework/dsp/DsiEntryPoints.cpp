#include "rtas/framework/dsp/DsiEntryPoints.h"

#include "platform/Library.h"
#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/host/DspSystemServices.h"
#include "rtas/framework/host/EngineServices.h"

#include <memory>

namespace rtas::dsi {

namespace {

enum EntryIndex
{
#define QOR_DSI_INDEX(name, arity) k##name,
    QOR_DSI_NAMED_ENTRIES(QOR_DSI_INDEX)
#undef QOR_DSI_INDEX
    kEntryCount
};
static_assert(kEntryCount == kDsiNamedEntryCount, "one forwarder per name the plug-in binds");

// The gestalt whose true answer keeps the DSP objects on their direct register access.
constexpr uint32_t kGestaltDirectDspAccess = 18;

void* gEntries[kEntryCount] = {};
bool gDsiMode = false;

std::unique_ptr<platform::Library>& library()
{
    static std::unique_ptr<platform::Library> instance;
    return instance;
}

void* lookupInLibrary(const char* name, void* context)
{
    return static_cast<platform::Library*>(context)->symbol(name);
}

bool hostAsksForDirectAccess()
{
    HostWord answer = 0;
    return FicGestalt(kGestaltDirectDspAccess, &answer) == 0 && answer != 0;
}

}  // namespace

int32_t BindDSIEntryPoints(EntryLookup lookup, void* context)
{
    for (int i = 0; i < kEntryCount; ++i)
        gEntries[i] = lookup != nullptr ? lookup(kDsiNamedEntries[i], context) : nullptr;
    // The last name stands for the whole set, as the host's libraries add names only at the end.
    if (gEntries[kEntryCount - 1] == nullptr)
        return kMissingObject;
    if (!hostAsksForDirectAccess())
        gDsiMode = true;
    return kNoErr;
}

int32_t LoadDSIEntryPointsFrom(const char* libraryName)
{
    UnloadDSIEntryPoints();
    auto loaded = std::make_unique<platform::Library>();
    if (!loaded->openByName(libraryName))
        return kMissingObject;
    library() = std::move(loaded);
    return BindDSIEntryPoints(lookupInLibrary, library().get());
}

int32_t LoadDSIEntryPoints()
{
    return LoadDSIEntryPointsFrom(kDspSystemLibraryName);
}

void UnloadDSIEntryPoints()
{
    for (void*& entry : gEntries)
        entry = nullptr;
    gDsiMode = false;
    library().reset();
}

bool IsEntryBound(int index)
{
    return index >= 0 && index < kEntryCount && gEntries[index] != nullptr;
}

bool IsDSIMode()
{
    return gDsiMode;
}

void SetDSIMode(bool on)
{
    gDsiMode = on;
}

#define QOR_DSI_ARGS_1 a0
#define QOR_DSI_ARGS_2 a0, a1
#define QOR_DSI_ARGS_3 a0, a1, a2
#define QOR_DSI_ARGS_4 a0, a1, a2, a3
#define QOR_DSI_ARGS_7 a0, a1, a2, a3, a4, a5, a6
#define QOR_DSI_NAMED_1 HostWord a0
#define QOR_DSI_NAMED_2 HostWord a0, HostWord a1
#define QOR_DSI_NAMED_3 HostWord a0, HostWord a1, HostWord a2
#define QOR_DSI_NAMED_4 HostWord a0, HostWord a1, HostWord a2, HostWord a3
#define QOR_DSI_NAMED_7 HostWord a0, HostWord a1, HostWord a2, HostWord a3, HostWord a4, HostWord a5, HostWord a6
#define QOR_DSI_FORWARD(name, arity)                                                                   \
    HostWord name(QOR_DSI_NAMED_##arity)                                                               \
    {                                                                                                  \
        using Proc = HostWord(QOR_HOST_CALL*)(QOR_DSI_PARAMS_##arity);                                 \
        void* entry = gEntries[k##name];                                                               \
        return entry != nullptr ? reinterpret_cast<Proc>(entry)(QOR_DSI_ARGS_##arity) : HostWord(-1); \
    }
QOR_DSI_NAMED_ENTRIES(QOR_DSI_FORWARD)
#undef QOR_DSI_FORWARD

}  // namespace rtas::dsi

#include "rtas/framework/dsp/DspManagerInterface.h"

#include "rtas/framework/CUnknown.h"
#include "rtas/framework/host/DspManagerServices.h"

#include <cstdint>

namespace rtas::dsp {

namespace {

// {27B87CA0-2294-11D2-817A-0160089A8916}
constexpr DOA::GUID kDspManagerInterface = {0x27B87CA0, 0x2294, 0x11D2,
                                            {0x81, 0x7A, 0x01, 0x60, 0x08, 0x9A, 0x89, 0x16}};

// The first three operations every component interface starts with.
struct UnknownTable
{
    int32_t(QOR_HOST_CALL* queryInterface)(void* self, const DOA::GUID* iid, void** object);
    uint32_t(QOR_HOST_CALL* addRef)(void* self);
    uint32_t(QOR_HOST_CALL* release)(void* self);
};

const UnknownTable& tableOf(void* object)
{
    return **static_cast<UnknownTable**>(object);
}

void* gKept = nullptr;

}  // namespace

void* GetDSPManagerInterface()
{
    if (gKept != nullptr)
        return gKept;
    void* manager = GetDSPManager();
    if (manager == nullptr)
        return nullptr;
    void* queried = nullptr;
    if (tableOf(manager).queryInterface(manager, &kDspManagerInterface, &queried) < 0)
        queried = nullptr;
    // The queried interface keeps its reference for as long as it is kept; only the manager's is given back.
    gKept = queried;
    tableOf(manager).release(manager);
    return gKept;
}

void ReleaseDSPManagerInterface()
{
    if (gKept == nullptr)
        return;
    void* kept = gKept;
    gKept = nullptr;
    tableOf(kept).release(kept);
}

}  // namespace rtas::dsp

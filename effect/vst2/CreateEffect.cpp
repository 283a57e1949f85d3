#include "effect/vst2/CreateEffect.h"

#include "effect/QorFETcomp.h"

EffectRecord* createEffect(HostCallback host) noexcept
{
    if (!host)
        return nullptr;
    // The construction allocates (the core, the bank, the editor's images) and reaches the file system and the host:
    // whatever is thrown becomes a null answer, and the new-expression frees what it had allocated.
    try {
        // The record is not known to the host yet, so the version questions pass none.
        if (host(nullptr, 1, 0, 0, nullptr, 0.0f) == 0)
            return nullptr;
        if (host(nullptr, 1, 0, 0, nullptr, 0.0f) == 0)
            return nullptr;
        return (new QorFETcomp(host))->getRecord();
    } catch (...) {
        return nullptr;
    }
}

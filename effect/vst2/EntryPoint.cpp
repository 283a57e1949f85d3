// The plug-in's exported entry point, under the two names hosts look for.
#include <new>

#include "effect/QorFETcomp.h"
#include "effect/vst2/EffectRecord.h"
#include "effect/vst2/EntryExport.h"

namespace {

// Host thread. Asks the host's version twice (the record is not known to the host yet, so it passes none) and
// creates the effect only when both answers are non-zero.
EffectRecord* createEffect(HostCallback host)
{
    if (!host)
        return nullptr;
    if (host(nullptr, 1, 0, 0, nullptr, 0.0f) == 0)
        return nullptr;
    if (host(nullptr, 1, 0, 0, nullptr, 0.0f) == 0)
        return nullptr;
    QorFETcomp* effect = new (std::nothrow) QorFETcomp(host);
    return effect ? effect->getRecord() : nullptr;
}

}  // namespace

QOR_ENTRY_EXPORT EffectRecord* VSTPluginMain(HostCallback host) { return createEffect(host); }

// Exported as "main" too (see EntryExport.h).
QOR_ENTRY_EXPORT EffectRecord* qorMainEntry(HostCallback host) QOR_MAIN_SYMBOL;
EffectRecord* qorMainEntry(HostCallback host) { return createEffect(host); }

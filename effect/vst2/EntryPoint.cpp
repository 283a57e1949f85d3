// The plug-in's exported entry point, under the two names hosts look for.
#include "effect/vst2/CreateEffect.h"
#include "effect/vst2/EntryExport.h"

QOR_ENTRY_EXPORT EffectRecord* VSTPluginMain(HostCallback host) { return createEffect(host); }

// Exported as "main" too (see EntryExport.h).
QOR_ENTRY_EXPORT EffectRecord* qorMainEntry(HostCallback host) QOR_MAIN_SYMBOL;
EffectRecord* qorMainEntry(HostCallback host) { return createEffect(host); }

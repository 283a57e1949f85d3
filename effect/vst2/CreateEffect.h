// What the exported entry point does: asks the host's version and creates the compressor effect.
#pragma once

#include "effect/vst2/EffectRecord.h"

// Host thread. The effect's record, or null when the host answers version 0 (either time) or the effect could not
// be created. Never throws: no exception may cross the exported C entry.
EffectRecord* createEffect(HostCallback host) noexcept;

// The native render callback: the host's audio thread hands it the render contexts of its instances.
#pragma once

#include "hosts/aax/AcfTables.h"

// Audio thread. For each context from first to end: the instance in its private data renders the context's
// inputs into its outputs, bypassed when the bypass word is non-zero.
void RenderCallback(acf::RenderContext* const* first, const void* end);

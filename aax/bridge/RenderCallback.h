// The native render callbacks, one per channel configuration: the host's audio thread hands each the render contexts
// of its instances of that configuration, so the callback knows how many input and output rows each context holds.
#pragma once

#include "hosts/aax/AcfTables.h"

namespace AAXClasses {

// Audio thread, no lock held on entry. For each context from first to end: the instance in its private data renders
// the context's inputs into its outputs, bypassed when the bypass word is non-zero. A context without its fields
// (rows, length, private data) is skipped; no row beyond inputs and outputs is touched.
void RenderContexts(acf::RenderContext* const* first, const void* end, int inputs, int outputs);

// The callback a configuration of Inputs in and Outputs out registers.
template <int Inputs, int Outputs>
void RenderCallback(acf::RenderContext* const* first, const void* end)
{
    RenderContexts(first, end, Inputs, Outputs);
}

}  // namespace AAXClasses

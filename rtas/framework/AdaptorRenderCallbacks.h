// The render callbacks of an instance's adaptor: the engine calls one of them once per block. Each points the
// instance's connection records at the host's buffers, runs the instance's render and marks it rendered. Audio
// thread; takes no lock and allocates nothing.
#pragma once

#include "rtas/framework/CPlugInWorker.h"

namespace rtas {

// Samples per call when the plug-in does not follow the host's quantum.
constexpr int32_t kFixedRenderSamples = 32;

// A missing connection record ends the walk, and the outputs are pointed at the context's buffer.
int32_t QOR_HOST_CALL StandardRenderCallback(HostWord* workerBlock, SRenderContext* context);
// Missing records are skipped; outputs get the block's sample count; the render runs only when the first output
// record exists, and it is handed the context's value.
int32_t QOR_HOST_CALL VariableLayoutRenderCallback(HostWord* workerBlock, SRenderContext* context);

}  // namespace rtas

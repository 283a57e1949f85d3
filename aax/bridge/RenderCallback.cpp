#include "aax/bridge/RenderCallback.h"

#include "aax/bridge/JuceAAX_Processor.h"

namespace AAXClasses {

void RenderContexts(acf::RenderContext* const* first, const void* end, int inputs, int outputs)
{
    if (first == nullptr || end == nullptr)
        return;
    for (acf::RenderContext* const* context = first; context != end; ++context)
    {
        const acf::RenderContext* c = *context;
        // The host lays the fields out; one it left empty (or a private data field not reset yet) renders nothing.
        if (c == nullptr || c->inputs == nullptr || c->outputs == nullptr || c->bufferLength == nullptr ||
            c->privateData == nullptr || *c->privateData == nullptr)
            continue;
        auto* instance = static_cast<JuceAAX_Processor*>(*c->privateData);
        const bool bypassed = c->bypass != nullptr && *c->bypass != 0;
        instance->Render(c->inputs, c->outputs, *c->bufferLength, bypassed, inputs, outputs);
    }
}

}  // namespace AAXClasses

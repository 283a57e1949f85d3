#include "aax/bridge/RenderCallback.h"

#include "aax/bridge/JuceAAX_Processor.h"

void RenderCallback(acf::RenderContext* const* first, const void* end)
{
    for (acf::RenderContext* const* context = first; context != end; ++context)
    {
        const acf::RenderContext& c = **context;
        if (c.privateData == nullptr || *c.privateData == nullptr)
            continue;  // private data not reset yet: no instance to render
        auto* instance = static_cast<JuceAAX_Processor*>(*c.privateData);
        instance->Render(c.inputs, c.outputs, *c.bufferLength, *c.bypass != 0);
    }
}

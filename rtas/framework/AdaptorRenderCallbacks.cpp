#include "rtas/framework/AdaptorRenderCallbacks.h"

#include "rtas/framework/CProcess.h"
#include "rtas/framework/S_RTASP_CustomDataAdmin.h"

namespace rtas {
namespace {

// The instance's connection slot arrays hold this many records each.
constexpr int32_t kSlotCapacity = 48;
// Words of the worker block before the buffer-pointer slots.
constexpr int32_t kFirstBufferSlot = 3;
constexpr int32_t kDataBlockWord = 2;

struct BlockWalk
{
    const SAdaptorBlockView* data;
    HostWord* slots;
    int32_t inputs;
    int32_t outputs;
    int32_t samples;

    // The host's buffer-pointer slot at a position after the fixed words (null when the host gave none).
    float** Slot(int32_t position) const { return reinterpret_cast<float**>(slots[position]); }
    int32_t FirstOutputSlot() const { return inputs + (data->keyInput > 0 ? 1 : 0); }

    SConnectionRecord* Input(int32_t i) const
    {
        return data->inputSlots != nullptr && i >= 0 && i < kSlotCapacity ? data->inputSlots[i] : nullptr;
    }
    SConnectionRecord* Output(int32_t i) const
    {
        return data->outputSlots != nullptr && i >= 0 && i < kSlotCapacity ? data->outputSlots[i] : nullptr;
    }
    // Points a record at the buffer a host slot holds; false when either is missing.
    bool Point(SConnectionRecord* record, int32_t position, int32_t count) const
    {
        float** slot = Slot(position);
        if (record == nullptr || slot == nullptr)
            return false;
        record->buffer = *slot;
        record->sampleCount = count;
        return true;
    }
    // The key input's record is one of the input slots; a key number outside them, or an empty slot, is left alone.
    void PointKey() const
    {
        if (data->keyInput > 0)
            Point(Input(data->keyInput - 1), inputs, samples);
    }
};

bool StartWalk(HostWord* workerBlock, const SRenderContext* context, BlockWalk& walk)
{
    if (workerBlock == nullptr || context == nullptr)
        return false;
    walk.data = reinterpret_cast<const SAdaptorBlockView*>(workerBlock[kDataBlockWord]);
    if (walk.data == nullptr || walk.data->process == nullptr)
        return false;
    walk.slots = workerBlock + kFirstBufferSlot;
    walk.inputs = walk.data->inputCount > 0 ? walk.data->inputCount : 0;
    walk.outputs = walk.data->outputCount > 0 ? walk.data->outputCount : 0;
    walk.samples = walk.data->variableQuantum != 0 ? context->quantum : kFixedRenderSamples;
    return true;
}

int32_t Render(const BlockWalk& walk, int32_t argument)
{
    int32_t word = argument;
    const int32_t answer = walk.data->process->Routine105(&word);
    walk.data->process->SetRendered(true);
    return answer;
}

// The plug-in did not render: every output of the host reads the context's buffer instead.
int32_t PointOutputsAtContext(const BlockWalk& walk, const SRenderContext* context)
{
    const int32_t first = walk.FirstOutputSlot();
    for (int32_t o = 0; o < walk.outputs; ++o) {
        if (float** slot = walk.Slot(first + o))
            *slot = context->buffer;
    }
    return walk.outputs;
}

}  // namespace

int32_t QOR_HOST_CALL StandardRenderCallback(HostWord* workerBlock, SRenderContext* context)
{
    BlockWalk walk{};
    if (!StartWalk(workerBlock, context, walk))
        return 0;
    bool complete = true;
    for (int32_t i = 0; complete && i < walk.inputs; ++i)
        complete = walk.Point(walk.Input(i), i, walk.samples);
    const int32_t firstOutput = walk.FirstOutputSlot();
    for (int32_t o = 0; complete && o < walk.outputs; ++o)
        complete = walk.Point(walk.Output(o), firstOutput + o, 0);
    if (complete) {
        walk.PointKey();
        if (Render(walk, 0) == 0)
            return 0;
    }
    return PointOutputsAtContext(walk, context);
}

int32_t QOR_HOST_CALL VariableLayoutRenderCallback(HostWord* workerBlock, SRenderContext* context)
{
    BlockWalk walk{};
    if (!StartWalk(workerBlock, context, walk))
        return 0;
    for (int32_t i = 0; i < walk.inputs; ++i)
        walk.Point(walk.Input(i), i, walk.samples);
    walk.PointKey();
    const int32_t firstOutput = walk.FirstOutputSlot();
    for (int32_t o = 0; o < walk.outputs; ++o)
        walk.Point(walk.Output(o), firstOutput + o, walk.samples);
    if (walk.Output(0) != nullptr && Render(walk, context->value) == 0)
        return 0;
    return PointOutputsAtContext(walk, context);
}

}  // namespace rtas

#include "rtas/framework/AudioSuiteSupport.h"

#include "rtas/framework/ResultCodes.h"

#include <algorithm>
#include <cstring>

namespace rtas {
namespace {

bool InRange(int32_t index, int32_t capacity) { return index >= 1 && index <= capacity; }

template <typename Slot>
int32_t Connect(int32_t index, Slot value, Slot* slots, int32_t capacity, int32_t alreadyConnected)
{
    if (!InRange(index, capacity))
        return kConnectionOutOfRange;
    if (slots[index - 1] != Slot{} && value != Slot{})
        return alreadyConnected;
    slots[index - 1] = value;
    return 0;
}

}  // namespace

template <typename Slot>
int32_t IsOutputFree(int32_t index, const Slot* slots, int32_t capacity, uint8_t* free)
{
    if (free != nullptr)
        *free = InRange(index, capacity) && slots[index - 1] == Slot{} ? 1 : 0;
    return 0;
}

template <typename Slot>
int32_t IsConnected(int32_t index, const Slot* slots, int32_t capacity, uint8_t* connected)
{
    if (!InRange(index, capacity))
        return kConnectionOutOfRange;
    if (connected != nullptr)
        *connected = slots[index - 1] != Slot{} ? 1 : 0;
    return 0;
}

template <typename Slot>
int32_t ConnectInput(int32_t index, Slot value, Slot* slots, int32_t capacity)
{
    return Connect(index, value, slots, capacity, kInputAlreadyConnected);
}

template <typename Slot>
int32_t ConnectOutput(int32_t index, Slot value, Slot* slots, int32_t capacity)
{
    return Connect(index, value, slots, capacity, kOutputAlreadyConnected);
}

template <typename Slot>
int32_t Disconnect(int32_t index, Slot* slots, int32_t capacity)
{
    if (!InRange(index, capacity))
        return kConnectionOutOfRange;
    if (slots[index - 1] == Slot{})
        return kNotConnected;
    slots[index - 1] = Slot{};
    return 0;
}

template <typename Slot>
void ClearConnectionTables(Slot* inputs, Slot* outputs, int32_t inputCount, int32_t outputCount)
{
    if (inputCount > 0)
        std::fill(inputs, inputs + inputCount, Slot{});
    if (outputCount > 0)
        std::fill(outputs, outputs + outputCount, Slot{});
}

#define QOR_CONNECTION_SLOT_FUNCTIONS(Slot)                                                                          \
    template int32_t IsOutputFree<Slot>(int32_t, const Slot*, int32_t, uint8_t*);                                 \
    template int32_t IsConnected<Slot>(int32_t, const Slot*, int32_t, uint8_t*);                                  \
    template int32_t ConnectInput<Slot>(int32_t, Slot, Slot*, int32_t);                                           \
    template int32_t ConnectOutput<Slot>(int32_t, Slot, Slot*, int32_t);                                          \
    template int32_t Disconnect<Slot>(int32_t, Slot*, int32_t);                                                   \
    template void ClearConnectionTables<Slot>(Slot*, Slot*, int32_t, int32_t);
QOR_CONNECTION_SLOT_FUNCTIONS(int32_t)
using RecordSlot = SConnectionRecord*;
QOR_CONNECTION_SLOT_FUNCTIONS(RecordSlot)
#undef QOR_CONNECTION_SLOT_FUNCTIONS

int32_t PropagateConnectionInfo(const SConnectionRecord* shared, SConnectionRecord* const* records, int32_t count)
{
    if (shared == nullptr || records == nullptr)
        return 0;
    for (int32_t i = 0; i < count; ++i)
        if (records[i] != nullptr)
            std::memcpy(records[i]->position, shared->position, sizeof shared->position);
    return 0;
}

int32_t GetDefaultAudioSuiteFormat(SAudioSuiteFormat* format)
{
    format->a = 1;
    format->b = 2;
    format->c = 1;
    format->sampleRate = 44100.0f;
    return 0;
}

int32_t CheckAudioSuiteFormat(const SAudioSuiteFormat* format)
{
    if (format == nullptr || format->a != 1 || format->b != 2 || format->c != 1 || format->sampleRate == 0.0f)
        return kBadAudioSuiteFormat;
    return 0;
}

}  // namespace rtas

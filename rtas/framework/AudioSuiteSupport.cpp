#include "rtas/framework/AudioSuiteSupport.h"

#include "rtas/framework/ResultCodes.h"

#include <algorithm>
#include <cstring>

namespace rtas {
namespace {

bool InRange(int32_t index, int32_t capacity) { return index >= 1 && index <= capacity; }

int32_t Connect(int32_t index, int32_t value, int32_t* slots, int32_t capacity, int32_t alreadyConnected)
{
    if (!InRange(index, capacity))
        return kConnectionOutOfRange;
    if (slots[index - 1] != 0 && value != 0)
        return alreadyConnected;
    slots[index - 1] = value;
    return 0;
}

}  // namespace

int32_t IsOutputFree(int32_t index, const int32_t* slots, int32_t capacity, uint8_t* free)
{
    if (free != nullptr)
        *free = InRange(index, capacity) && slots[index - 1] == 0 ? 1 : 0;
    return 0;
}

int32_t IsConnected(int32_t index, const int32_t* slots, int32_t capacity, uint8_t* connected)
{
    if (!InRange(index, capacity))
        return kConnectionOutOfRange;
    if (connected != nullptr)
        *connected = slots[index - 1] != 0 ? 1 : 0;
    return 0;
}

int32_t ConnectInput(int32_t index, int32_t value, int32_t* slots, int32_t capacity)
{
    return Connect(index, value, slots, capacity, kInputAlreadyConnected);
}

int32_t ConnectOutput(int32_t index, int32_t value, int32_t* slots, int32_t capacity)
{
    return Connect(index, value, slots, capacity, kOutputAlreadyConnected);
}

int32_t Disconnect(int32_t index, int32_t* slots, int32_t capacity)
{
    if (!InRange(index, capacity))
        return kConnectionOutOfRange;
    if (slots[index - 1] == 0)
        return kNotConnected;
    slots[index - 1] = 0;
    return 0;
}

void ClearConnectionTables(int32_t* inputs, int32_t* outputs, int32_t inputCount, int32_t outputCount)
{
    if (inputCount > 0)
        std::fill(inputs, inputs + inputCount, 0);
    if (outputCount > 0)
        std::fill(outputs, outputs + outputCount, 0);
}

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

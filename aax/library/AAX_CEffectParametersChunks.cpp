// The controls-state chunk 'elck' of the effect-parameters base: every parameter but the excluded ones (the
// master bypass), saved by its identifier as the value type its first successful typed read gives.
#include <cmath>
#include <cstring>

#include "aax/library/AAX_CEffectParameters.h"
#include "aax/library/AAX_CString.h"
#include "aax/library/AAX_IParameter.h"

namespace {

enum class ValueType { kNone, kFloat, kInt32, kBool, kDouble, kString };

// The parameter's value type: the first typed read that succeeds, in the order the chunk has always used.
ValueType typeOf(const AAX_IParameter& parameter, float& f, int32_t& i, bool& b, double& d, AAX_CString& s)
{
    if (parameter.GetValueAsFloat(&f))
        return ValueType::kFloat;
    if (parameter.GetValueAsInt32(&i))
        return ValueType::kInt32;
    if (parameter.GetValueAsBool(&b))
        return ValueType::kBool;
    if (parameter.GetValueAsDouble(&d))
        return ValueType::kDouble;
    if (parameter.GetValueAsString(&s))
        return ValueType::kString;
    return ValueType::kNone;
}

}  // namespace

bool AAX_CEffectParameters::Excluded(const AAX_IParameter& parameter) const
{
    return excludedFromChunk_.count(parameter.Identifier()) != 0;
}

void AAX_CEffectParameters::BuildControlsState()
{
    parser_.ResetLastFoundAndVersion();
    parser_.ClearEntries();
    for (int32_t index = 0; index < parameters_.Count(); ++index) {
        const AAX_IParameter& parameter = *parameters_.At(index);
        if (Excluded(parameter))
            continue;
        float f = 0;
        int32_t i = 0;
        bool b = false;
        double d = 0;
        AAX_CString s;
        switch (typeOf(parameter, f, i, b, d, s)) {
        case ValueType::kFloat: parser_.AppendDouble(parameter.Identifier(), f); break;
        case ValueType::kInt32: parser_.AppendInt32(parameter.Identifier(), i); break;
        case ValueType::kBool: parser_.AppendInt32(parameter.Identifier(), b ? 1 : 0); break;
        case ValueType::kDouble: parser_.AppendDouble(parameter.Identifier(), d); break;
        case ValueType::kString: parser_.AppendString(parameter.Identifier(), s); break;
        case ValueType::kNone: break;
        }
    }
}

AAX_Result AAX_CEffectParameters::GetChunkCount(int32_t* count) const
{
    if (count)
        *count = 1;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunkID(int32_t index, AAX_CTypeID* identifier) const
{
    const bool known = index == 0;
    if (identifier)
        *identifier = known ? kAAXControlsChunkID : 0;
    return known ? AAX_SUCCESS : AAX_ERROR_INVALID_CHUNK_INDEX;
}

AAX_Result AAX_CEffectParameters::ChunkByteCount(AAX_CTypeID identifier, int32_t* size)
{
    if (identifier != kAAXControlsChunkID) {
        if (size)
            *size = 0;
        return AAX_ERROR_INVALID_CHUNK_ID;
    }
    BuildControlsState();
    lastChunkSize_ = parser_.ComputeChunkDataSize();
    if (size)
        *size = lastChunkSize_;
    return lastChunkSize_ < 0 ? AAX_ERROR_INCORRECT_CHUNK_SIZE : AAX_SUCCESS;
}

// The host allocated the record from the last size query: a state that no longer has that size is refused
// rather than written past the record.
AAX_Result AAX_CEffectParameters::WriteChunk(AAX_CTypeID identifier, AAX_HostChunk* chunk)
{
    if (identifier != kAAXControlsChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;
    if (!chunk)
        return AAX_ERROR_NULL_OBJECT;
    BuildControlsState();
    const int32_t size = parser_.ComputeChunkDataSize();
    if (size != lastChunkSize_ || size == 0)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    chunk->version = parser_.ChunkVersion();
    std::memset(chunk->name, 0, AAX_HostChunk::kNameBytes);
    std::strncpy(chunk->name, kAAXControlsChunkName, AAX_HostChunk::kNameBytes - 1);
    return parser_.GetChunkData(chunk);
}

AAX_Result AAX_CEffectParameters::ReadChunk(AAX_CTypeID identifier, const AAX_HostChunk* chunk)
{
    if (identifier != kAAXControlsChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;
    if (!chunk)
        return AAX_ERROR_NULL_OBJECT;
    parser_.ParseChunk(chunk);
    for (int32_t index = 0; index < parameters_.Count(); ++index) {
        AAX_IParameter& parameter = *parameters_.At(index);
        if (Excluded(parameter))
            continue;
        const char* name = parameter.Identifier();
        float f = 0;
        int32_t i = 0;
        bool b = false;
        double d = 0;
        AAX_CString s;
        switch (typeOf(parameter, f, i, b, d, s)) {
        case ValueType::kFloat:
            if (parser_.ReadDouble(name, &d))
                parameter.SetValueWithFloat(float(d));
            break;
        case ValueType::kInt32:
            if (parser_.ReadInt32(name, &i))
                parameter.SetValueWithInt32(i);
            break;
        case ValueType::kBool:
            if (parser_.ReadInt32(name, &i))
                parameter.SetValueWithBool(i != 0);
            break;
        case ValueType::kDouble:
            if (parser_.ReadDouble(name, &d))
                parameter.SetValueWithDouble(d);
            break;
        case ValueType::kString:
            if (parser_.ReadString(name, &s))
                parameter.SetValueWithString(s);
            break;
        case ValueType::kNone: break;
        }
    }
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::CompareChunk(const AAX_HostChunk* chunk, AAX_CBoolean* equal)
{
    if (!equal)
        return AAX_ERROR_NULL_OBJECT;
    *equal = 1;
    if (!chunk || chunk->identifier != kAAXControlsChunkID)
        return AAX_SUCCESS;
    parser_.ParseChunk(chunk);
    for (int32_t index = 0; index < parameters_.Count(); ++index) {
        const AAX_IParameter& parameter = *parameters_.At(index);
        if (Excluded(parameter))
            continue;
        const char* name = parameter.Identifier();
        float f = 0;
        int32_t i = 0, stored = 0;
        bool b = false;
        double d = 0, storedDouble = 0;
        AAX_CString s, storedText;
        bool same = false;
        switch (typeOf(parameter, f, i, b, d, s)) {
        case ValueType::kFloat:
            same = parser_.ReadDouble(name, &storedDouble) && float(storedDouble) == f;
            break;
        case ValueType::kInt32: same = parser_.ReadInt32(name, &stored) && stored == i; break;
        case ValueType::kBool: same = parser_.ReadInt32(name, &stored) && stored == (b ? 1 : 0); break;
        case ValueType::kDouble:
            same = parser_.ReadDouble(name, &storedDouble) && float(storedDouble) == float(d);
            break;
        case ValueType::kString: same = parser_.ReadString(name, &storedText) && storedText == s; break;
        case ValueType::kNone: same = true; break;
        }
        if (!same) {
            *equal = 0;
            return AAX_SUCCESS;
        }
    }
    return AAX_SUCCESS;
}

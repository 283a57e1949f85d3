#include "rtas/framework/CEffectGroup.h"

#include "rtas/framework/AddProcessTypeEx.h"
#include "rtas/framework/CDAEError.h"
#include "rtas/framework/NameVariants.h"
#include "rtas/framework/PascalStrings.h"
#include "rtas/framework/ResultCodes.h"

#include <cstring>

namespace {

constexpr int32_t kSpecUsesTypeStems = -3;

}  // namespace

void CEffectGroup::SetManufacturer(const char* names, uint32_t manufacturerID)
{
    fManufacturerNames = names != nullptr ? names : "";
    fManufacturerID = manufacturerID;
}

void CEffectGroup::SetEffectName(const char* names, int32_t version)
{
    fEffectNames = names != nullptr ? names : "";
    fVersion = version;
}

void CEffectGroup::AddEffectType(CEffectType* type)
{
    if (type == nullptr || !HasTypeList())
        throw AddProcessTypeEx();
    if (type->GetKind() == CEffectType::kKindRealTime)
        static_cast<CEffectTypeRTAS*>(type)->SetGroupLink(GetHostTokenAddress());
    AppendType(type);
}

void CEffectGroup::GetSharingBaseName(char* out)
{
    if (fSharingBaseName.empty())
        fSharingBaseName = "Plug-Ins/" + rtas::NameVariantForLength(fManufacturerNames.c_str(), 127) + "/" +
                           rtas::NameVariantForLength(fEffectNames.c_str(), 127) + "/" + std::to_string(fVersion);
    const size_t length = std::min<size_t>(fSharingBaseName.size(), 255);
    std::memcpy(out, fSharingBaseName.c_str(), length);
    out[length] = '\0';
}

int32_t CEffectGroup::GetManufacturerName(int32_t maxLength, unsigned char* name)
{
    if (name == nullptr)
        return rtas::kMissingObject;
    rtas::SetPascalString(255, rtas::NameVariantForLength(fManufacturerNames.c_str(), maxLength).c_str(), name);
    return 0;
}

int32_t CEffectGroup::GetEffectName(int32_t maxLength, unsigned char* name)
{
    if (name == nullptr)
        return rtas::kMissingObject;
    rtas::SetPascalString(255, rtas::NameVariantForLength(fEffectNames.c_str(), maxLength).c_str(), name);
    return 0;
}

int32_t CEffectGroup::GetTypeIDs(uint32_t typeNumber, uint32_t* manufacturerID, uint32_t* typeID,
                                 SFicTypeIdentity* identity)
{
    auto* type = dynamic_cast<CEffectType*>(FindProcessType(typeNumber));
    if (type == nullptr)
        return rtas::kNoTypeAtPosition;
    if (identity != nullptr)
        type->GetIdentity(identity);
    if (typeID != nullptr)
        *typeID = type->GetTypeID();
    if (manufacturerID != nullptr)
        *manufacturerID = fManufacturerID;
    return 0;
}

int32_t CEffectGroup::GetChunk(uint32_t typeNumber, int32_t index, uint32_t chunkID, SFicPlugInChunk* chunk)
{
    if (chunk == nullptr)
        return rtas::kMissingObject;
    chunk->version = fVersion;
    chunk->manufacturerID = fManufacturerID;
    return CDSPProcessGroup::GetChunk(typeNumber, index, chunkID, chunk);
}

int32_t CEffectGroup::SetChunk(uint32_t typeNumber, int32_t index, uint32_t chunkID, const SFicPlugInChunk* chunk)
{
    if (chunk == nullptr)
        return rtas::kMissingObject;
    if (chunk->manufacturerID != fManufacturerID)
        return rtas::kForeignChunk;
    return CDSPProcessGroup::SetChunk(typeNumber, index, chunkID, chunk);
}

int32_t CEffectGroup::CompareChunk(uint32_t typeNumber, int32_t index, uint32_t chunkID, const SFicPlugInChunk* chunk,
                                   uint8_t* equal)
{
    if (chunk == nullptr)
        return rtas::kMissingObject;
    if (chunk->manufacturerID != fManufacturerID)
        return rtas::kForeignChunk;
    return CDSPProcessGroup::CompareChunk(typeNumber, index, chunkID, chunk, equal);
}

int32_t CEffectGroup::FindTypeForSpec(SFicPlugInSpec* spec)
{
    if (spec == nullptr)
        return rtas::kNoTypeForSpec;
    auto* type = dynamic_cast<CEffectType*>(FindProcessTypeOrNull(uint32_t(spec->typeNumber)));
    if (type == nullptr)
        return rtas::kNoTypeForSpec;
    int32_t stems[3] = {type->GetInputStem(), type->GetOutputStem(), 0};
    if (spec->inputStem != kSpecUsesTypeStems)
        type->GetStemFormats(stems);
    const bool known = (stems[0] == 1 || stems[0] == 2) && (stems[1] == 1 || stems[1] == 2);
    if (!known)
        return 0;
    return FindTypeForStems(spec, type->GetKind(), stems[0], stems[1], stems[0] == 2, stems[1] == 2);
}

int32_t CEffectGroup::FindTypeForStems(SFicPlugInSpec* spec, int32_t kind, int32_t inputStem, int32_t outputStem,
                                       int32_t inputFlag, int32_t outputFlag)
{
    if (spec == nullptr || spec->manufacturerID != fManufacturerID)
        return rtas::kNoTypeForSpec;
    auto* named = dynamic_cast<CEffectType*>(FindProcessTypeOrNull(uint32_t(spec->typeNumber)));
    if (named == nullptr)
        return rtas::kNoTypeForSpec;
    int16_t count = 0;
    CountTypes(&count);
    for (int32_t number = 1; number <= count; ++number) {
        auto* candidate = dynamic_cast<CEffectType*>(FindProcessTypeOrNull(uint32_t(number)));
        if (candidate == nullptr)
            continue;
        spec->typeID = candidate->GetTypeID();
        if (candidate->GetProductID() != named->GetProductID() || candidate->GetKind() != kind)
            continue;
        const int32_t candidateInputFlag = candidate->GetInputStem() == 2;
        const int32_t candidateOutputFlag = candidate->GetOutputStem() == 2;
        // A flag of -1 asks for the exact stems alone. The stems must match in every case: the flags cannot tell
        // mono from stereo, and a stereo instance named after a mono type would tell the host the wrong channels.
        const bool flagsMatch = (inputFlag == -1 || candidateInputFlag == inputFlag) &&
                                (outputFlag == -1 || candidateOutputFlag == outputFlag);
        const bool stemsMatch = candidate->GetInputStem() == inputStem && candidate->GetOutputStem() == outputStem;
        if (flagsMatch && stemsMatch)
            return 0;
    }
    return rtas::kNoTypeForSpec;
}

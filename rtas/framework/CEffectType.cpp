#include "rtas/framework/CEffectType.h"

#include "rtas/framework/CEffectProcess.h"
#include "rtas/framework/CProcessGroupInterface.h"
#include "rtas/framework/NameVariants.h"
#include "rtas/framework/PascalStrings.h"
#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/StemFormats.h"
#include "rtas/framework/dsp/DsiQueries.h"
#include "rtas/framework/host/ToolboxServices.h"

#include <cstring>
#include <stdexcept>

CEffectType::CEffectType(uint32_t typeID, uint32_t productID, int32_t kind, int32_t typeSetting)
    : fTypeID(typeID), fProductID(productID), fTypeSetting(typeSetting)
{
    fKind = kind;
    fGestalts.insert(7);
}

void CEffectType::AddGestalt(int32_t code)
{
    fGestalts.insert(code);
    if (code == 41)
        fGestalts.insert(30);
}

void CEffectTypeRTAS::AddGestalt(int32_t code)
{
    CEffectType::AddGestalt(code);
    if (code == 41)
        AddGestalt(38);
}

void CEffectType::SetGestaltSetting(int32_t value, int32_t key)
{
    switch (key) {
    case -1: fSettingDefault = value; break;
    case 18: fSetting18 = value & 1; break;
    case 21: fSetting21 = value & 1; break;
    case 26: fSetting26 = value & 7; break;
    case 29: fSetting29 = value & 7; break;
    default: break;
    }
}

int32_t CEffectType::GetGestaltSetting(int32_t key) const
{
    switch (key) {
    case -1: return fSettingDefault;
    case 18: return fSetting18;
    case 21: return fSetting21;
    case 26: return fSetting26;
    case 29: return fSetting29;
    default: return 1;
    }
}

void CEffectType::SetStemFormats(int32_t inputStem, int32_t outputStem, int32_t thirdStem)
{
    AddGestalt(29);
    fInputStem = inputStem;
    fOutputStem = outputStem;
    fThirdStem = thirdStem;
    if (inputStem != -1)
        fInputChannels = rtas::ChannelCountForStemFormat(inputStem);
    if (outputStem != -1)
        fOutputChannels = rtas::ChannelCountForStemFormat(outputStem);
}

void CEffectType::GetIdentity(SFicTypeIdentity* identity) const
{
    identity->productID = fProductID;
    identity->tag = fIdentityTag;
}

int32_t CEffectType::GetTypeName(int32_t maxLength, unsigned char* name)
{
    const std::string variant = rtas::NameVariantForLength(fName.c_str(), std::min<int32_t>(maxLength, 255));
    std::memcpy(name, variant.c_str(), variant.size() + 1);
    c2pstr(reinterpret_cast<char*>(name));
    return 0;
}

int32_t CEffectType::GetGestalt(int32_t code, int32_t* answer)
{
    if (answer == nullptr)
        return 0;
    if (code == 21) {
        *answer = fTypeSetting;
    } else if (code == 32) {
        // A typed plug-in answers its default setting; an untyped one the setting of the card family present.
        if (GetKind() != 0)
            *answer = fSettingDefault;
        else
            AnswerCardFamilySetting(answer);
    } else if (fGestalts.count(code) != 0) {
        *answer = code == 5 ? fInputChannels + 1 : 1;
    } else {
        *answer = 0;
    }
    return 0;
}

void CEffectType::AnswerCardFamilySetting(int32_t* answer) const
{
    try {
        if (rtas::dsp::HasCardOfType(29) && rtas::dsp::Has321DSP()) {
            *answer = GetGestaltSetting(29);
            if (*answer == 1)
                *answer = GetGestaltSetting(26);
        } else if (rtas::dsp::HasCardOfType(26)) {
            *answer = GetGestaltSetting(26);
        } else if (rtas::dsp::HasCardOfType(21)) {
            *answer = GetGestaltSetting(21);
        }
    } catch (...) {
        // A DSP driver that does not start leaves the answer as it was: the gestalt itself never fails.
    }
}

int32_t CEffectType::GetStemFormats(int32_t* stems)
{
    if (stems != nullptr) {
        stems[0] = fInputStem;
        stems[1] = fOutputStem;
        stems[2] = fThirdStem;
    }
    return 0;
}

int32_t CEffectType::Routine10(int32_t index, int16_t* inputs)
{
    if (inputs != nullptr)
        *inputs = int16_t(fInputChannels);
    return 0;
}

int32_t CEffectType::Routine17(int32_t index, int16_t* outputs)
{
    if (outputs != nullptr)
        *outputs = int16_t(fOutputChannels);
    return 0;
}

int32_t CEffectType::ForwardToEffectProcess(int32_t index, HostWord argument)
{
    auto* effect = dynamic_cast<CEffectProcess*>(FindProcess(index));
    return effect == nullptr ? rtas::kNoSuchInstance : effect->HandleTypeRequest(argument);
}

int32_t CEffectType::GetChunk(int32_t index, uint32_t chunkID, SFicPlugInChunk* chunk)
{
    if (chunk == nullptr)
        return rtas::kMissingObject;
    chunk->productID = fProductID;
    chunk->typeID = fTypeID;
    chunk->chunkID = chunkID;
    chunk->flags = 0;
    return CDSPProcessType::GetChunk(index, chunkID, chunk);
}

int32_t CEffectType::SetChunk(int32_t index, uint32_t chunkID, const SFicPlugInChunk* chunk)
{
    if (chunk == nullptr)
        return rtas::kMissingObject;
    if (chunk->productID != fProductID)
        return rtas::kForeignChunk;
    return CDSPProcessType::SetChunk(index, chunkID, chunk);
}

int32_t CEffectType::CompareChunk(int32_t index, uint32_t chunkID, const SFicPlugInChunk* chunk, uint8_t* equal)
{
    if (chunk == nullptr)
        return rtas::kMissingObject;
    if (chunk->productID != fProductID)
        return rtas::kForeignChunk;
    return CDSPProcessType::CompareChunk(index, chunkID, chunk, equal);
}

void CEffectType::GetResourceName(unsigned char* name) const
{
    if (fResourceName.empty())
        CProcessType::GetResourceName(name);
    else
        rtas::SetPascalString(255, fResourceName.c_str(), name);
}

int32_t CEffectTypeRTAS::CreateProcess(int32_t* index)
{
    int32_t created = 0;
    const int32_t result = CEffectType::CreateProcess(&created);
    if (result != 0)
        return result;
    if (index != nullptr)
        *index = created;
    CProcess* process = FindProcess(created);
    // The instance is in the list only once its engine set-up worked: a failure takes it out again, so the host is
    // never left with an instance it was told does not exist.
    int32_t setUp = rtas::kMissingObject;
    try {
        SProcessIdentity identity{};
        SFicTypeIdentity words{};
        setUp = GetGroup() != nullptr
                    ? GetGroup()->GetTypeIDs(uint32_t(GetTypeNumber()), &identity.manufacturerID, &identity.typeID,
                                             &words)
                    : rtas::kMissingObject;
        identity.productID = words.productID;
        if (setUp == 0)
            setUp = process->SetUpForRealTime(identity, fGroupLink != nullptr ? *fGroupLink : 0, created);
    } catch (...) {
        DeleteProcess(created);
        throw;
    }
    if (setUp != 0)
        DeleteProcess(created);
    return setUp;
}

int32_t SampleRateFamily(int32_t rate)
{
    if (rate >= 0 && rate <= 51000)
        return 48000;
    if (rate > 51000 && rate <= 102000)
        return 96000;
    if (rate > 102000 && rate <= 204000)
        return 192000;
    throw std::runtime_error("unrecognized sample rate");
}

int32_t SampleRateMultiple(int32_t rate) { return SampleRateFamily(rate) / 48000; }

int32_t SampleRateFamilyIndex(int32_t rate)
{
    const int32_t multiple = SampleRateMultiple(rate);
    return multiple == 1 ? 0 : multiple == 2 ? 1 : 2;
}

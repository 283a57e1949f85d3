// The plug-in types of an effect: identity (type ID, product ID), name, gestalt answers, stem formats and the
// creator of its instances. Real-time (kind 3) and AudioSuite (kind 1) types derive from it.
#pragma once

#include "rtas/framework/CDSPProcessType.h"

#include <cstdint>
#include <set>
#include <string>

class CEffectType : public CDSPProcessType
{
public:
    static constexpr int32_t kKindAudioSuite = 1;
    static constexpr int32_t kKindRealTime = 3;

    CEffectType(uint32_t typeID, uint32_t productID, int32_t kind, int32_t typeSetting);

    void SetName(const char* names) { fName = names; }
    // Code 41 brings 30 with it (and 38 on real-time types).
    virtual void AddGestalt(int32_t code);
    // Keys 18 and 21 keep the lowest bit, 26 and 29 the lowest three bits, -1 the whole value; others are ignored.
    void SetGestaltSetting(int32_t value, int32_t key);
    void SetGestaltSettingDefault(int32_t value) { SetGestaltSetting(value, -1); }
    int32_t GetGestaltSetting(int32_t key) const;
    void SetStemFormats(int32_t inputStem, int32_t outputStem, int32_t thirdStem);
    void SetProcessCreator(ProcessCreator creator) { fCreator = creator; }
    void SetResourceName(const char* name) { fResourceName = name; }

    uint32_t GetTypeID() const override { return fTypeID; }
    uint32_t GetProductID() const { return fProductID; }
    // The identity words beside the type ID: the product and the type's tag.
    void GetIdentity(SFicTypeIdentity* identity) const;
    int32_t GetInputStem() const { return fInputStem; }
    int32_t GetOutputStem() const { return fOutputStem; }
    int32_t GetInputChannels() const { return fInputChannels; }
    int32_t GetOutputChannels() const { return fOutputChannels; }

    int32_t GetTypeName(int32_t maxLength, unsigned char* name) override;
    int32_t GetGestalt(int32_t code, int32_t* answer) override;
    int32_t GetStemFormats(int32_t* stems) override;
    int32_t Routine10(int32_t index, int16_t* inputs) override;
    int32_t Routine17(int32_t index, int16_t* outputs) override;
    // -7126 also for an instance that is no effect instance.
    int32_t ForwardToEffectProcess(int32_t index, HostWord argument) override;
    int32_t GetChunk(int32_t index, uint32_t chunkID, SFicPlugInChunk* chunk) override;
    int32_t SetChunk(int32_t index, uint32_t chunkID, const SFicPlugInChunk* chunk) override;
    int32_t CompareChunk(int32_t index, uint32_t chunkID, const SFicPlugInChunk* chunk, uint8_t* equal) override;
    void GetResourceName(unsigned char* name) const override;

protected:
    CProcess* CreateBareProcess() override { return fCreator != nullptr ? fCreator() : nullptr; }

private:
    // Gestalt 32 of an untyped plug-in: the setting of the first card family present (TDM2 with a 321 DSP, then 26,
    // then 21); none present leaves the answer as it was.
    void AnswerCardFamilySetting(int32_t* answer) const;

    std::set<int32_t> fGestalts;
    std::string fName;
    uint32_t fTypeID;
    uint32_t fProductID;
    uint32_t fIdentityTag = HostFourCC("grID");
    int32_t fTypeSetting;
    int32_t fInputChannels = 0;
    int32_t fOutputChannels = 0;
    int32_t fInputStem = -1;
    int32_t fOutputStem = -1;
    int32_t fThirdStem = -1;
    ProcessCreator fCreator = nullptr;
    std::string fResourceName;
    int32_t fSettingDefault = 1;
    int32_t fSetting18 = 1;
    int32_t fSetting21 = 1;
    int32_t fSetting26 = 1;
    int32_t fSetting29 = 1;
};

// A real-time type. Its instances describe themselves to the host's engine right after creation.
class CEffectTypeRTAS : public CEffectType
{
public:
    CEffectTypeRTAS(uint32_t typeID, uint32_t productID, int32_t typeSetting)
        : CEffectType(typeID, productID, kKindRealTime, typeSetting)
    {
    }
    void AddGestalt(int32_t code) override;
    // The group's host token, which the instance's engine set-up reads when it runs.
    void SetGroupLink(const int32_t* hostToken) { fGroupLink = hostToken; }
    int32_t CreateProcess(int32_t* index) override;

private:
    const int32_t* fGroupLink = nullptr;
};

class CEffectTypeAS : public CEffectType
{
public:
    CEffectTypeAS(uint32_t typeID, uint32_t productID, int32_t typeSetting)
        : CEffectType(typeID, productID, kKindAudioSuite, typeSetting)
    {
    }
};

// Sample-rate families: 0..51000 Hz is the 48 kHz family, ..102000 the 96 kHz, ..204000 the 192 kHz; anything else
// throws std::runtime_error.
int32_t SampleRateFamily(int32_t rate);
int32_t SampleRateMultiple(int32_t rate);
int32_t SampleRateFamilyIndex(int32_t rate);

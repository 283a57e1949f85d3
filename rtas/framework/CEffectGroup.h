// The group of an effect plug-in: its names, manufacturer, version and gestalt codes, the identity checks of
// chunks, and the search for a type by the host's plug-in request record. The bridge derives its group from it and
// makes its types in CreateEffectTypes.
#pragma once

#include "rtas/framework/CDSPProcessGroup.h"
#include "rtas/framework/CEffectType.h"

#include <cstdint>
#include <set>
#include <string>

class CEffectGroup : public CDSPProcessGroup
{
public:
    // Set-up, before Initialize finishes.
    void SetManufacturer(const char* names, uint32_t manufacturerID);
    void SetEffectName(const char* names, int32_t version);
    // Appends a type to the list (Initialize must have made it); a real-time type gets the address of the host token.
    // A null type or a missing list throws AddProcessTypeEx.
    void AddEffectType(CEffectType* type);
    void AddGestalt(int32_t code) { fGestalts.insert(code); }
    // The data-sharing base name, at most 255 characters, zero-terminated.
    void GetSharingBaseName(char* out);

    uint32_t GetManufacturerID() const { return fManufacturerID; }
    int32_t GetVersion() const override { return fVersion; }
    int32_t GetManufacturerName(int32_t maxLength, unsigned char* name) override;
    int32_t GetEffectName(int32_t maxLength, unsigned char* name) override;
    int32_t GetTypeIDs(uint32_t typeNumber, uint32_t* manufacturerID, uint32_t* typeID,
                       SFicTypeIdentity* identity) override;
    int32_t Routine75() override { return 3; }
    int32_t GetChunk(uint32_t typeNumber, int32_t index, uint32_t chunkID, SFicPlugInChunk* chunk) override;
    int32_t SetChunk(uint32_t typeNumber, int32_t index, uint32_t chunkID, const SFicPlugInChunk* chunk) override;
    int32_t CompareChunk(uint32_t typeNumber, int32_t index, uint32_t chunkID, const SFicPlugInChunk* chunk,
                         uint8_t* equal) override;
    int32_t FindTypeForSpec(SFicPlugInSpec* spec) override;
    int32_t FindTypeForStems(SFicPlugInSpec* spec, int32_t kind, int32_t inputStem, int32_t outputStem,
                             int32_t inputFlag, int32_t outputFlag) override;

protected:
    int32_t CreateProcessTypes() override { return CreateEffectTypes(); }
    virtual int32_t CreateEffectTypes() = 0;
    bool IsGroupGestalt(int32_t code) const override { return fGestalts.count(code) != 0; }

private:
    std::string fManufacturerNames;
    uint32_t fManufacturerID = 0;
    std::string fEffectNames;
    int32_t fVersion = 0;
    std::set<int32_t> fGestalts;
    std::string fSharingBaseName;
};

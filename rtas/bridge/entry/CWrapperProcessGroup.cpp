#include "rtas/bridge/entry/CWrapperProcessGroup.h"

#include "rtas/bridge/WrapperProcessCreators.h"

#include <memory>

namespace {

constexpr uint32_t kManufacturerID = HostFourCC("Qora");
constexpr uint32_t kProductID = HostFourCC("QKvp");
constexpr int32_t kVersion = 1;
constexpr int32_t kGroupGestalt = 14;
// Values the host interprets; the library passes them on.
constexpr int32_t kTypeSetting = 2;
constexpr int32_t kRawSetting = 6;
constexpr int32_t kTypeGestaltA = 8;
constexpr int32_t kRealTimeGestalt = 48;
constexpr int32_t kAudioSuiteGestalt = 2;
constexpr int32_t kTypeGestaltB = 5;
// Stem codes.
constexpr int32_t kMono = 0;
constexpr int32_t kStereo = 1;

struct TypeRow
{
    uint32_t typeID;
    bool realTime;
    int32_t inputStem;
    int32_t outputStem;
};

// Registration order; the host numbers the types by it. Note the AudioSuite IDs: 'Kvas' is the mono type here.
constexpr TypeRow kTypes[] = {
    {HostFourCC("Kvmm"), true, kMono, kMono},
    {HostFourCC("Kvms"), true, kMono, kStereo},
    {HostFourCC("Kvss"), true, kStereo, kStereo},
    {HostFourCC("Kvas"), false, kMono, kMono},
    {HostFourCC("Kvam"), false, kStereo, kStereo},
};

}  // namespace

CWrapperProcessGroup::CWrapperProcessGroup()
{
    SetManufacturer("QorVelmont\nQor", kManufacturerID);
    SetEffectName("Qor Kalvenor", kVersion);
    AddGestalt(kGroupGestalt);
}

int32_t CWrapperProcessGroup::CreateEffectTypes()
{
    for (const TypeRow& row : kTypes) {
        std::unique_ptr<CEffectType> type;
        if (row.realTime)
            type = std::make_unique<CEffectTypeRTAS>(row.typeID, kProductID, kTypeSetting);
        else
            type = std::make_unique<CEffectTypeAS>(row.typeID, kProductID, kTypeSetting);
        type->SetName("Qor Kalvenor");
        type->AddGestalt(kTypeGestaltA);
        type->AddGestalt(row.realTime ? kRealTimeGestalt : kAudioSuiteGestalt);
        type->AddGestalt(kTypeGestaltB);
        type->SetGestaltSettingDefault(kRawSetting);
        type->SetStemFormats(row.inputStem, row.outputStem, 0);
        type->SetProcessCreator(row.realTime ? &NewWrapperRTASProcess : &NewWrapperASPProcess);
        // The group owns the type once it is in the list.
        AddEffectType(type.get());
        type.release();
    }
    return 0;
}

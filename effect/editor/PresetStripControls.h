// The controls of the preset strip along the bottom of the editor, by their tags. The frame owns them; the editor
// points at them between open and close only.
#pragma once

#include <cstdint>

class COptionMenu;
class CQorKickButton;
class CQorRockerSwitch;
class CQorTextEdit;
class CSaveLoadButton;

enum PresetStripTag : int32_t
{
    kTagProgramName = 20,
    kTagProgramRocker = 21,
    kTagLoadBank = 22,
    kTagSaveBank = 23,
    kTagLoadPreset = 24,
    kTagSavePreset = 25,
    kTagProgramMenu = 32,
    kTagDefaultBank = 33,
    kTagDefaultPreset = 34,
    kTagStoreMemoA = 35,
    kTagStoreMemoB = 36,
    kTagRecallMemoA = 37,
    kTagRecallMemoB = 38,
    kTagManual = 39,
    kFirstStripTag = kTagProgramName,
    kLastStripTag = kTagManual,
};

struct PresetStripControls
{
    CQorTextEdit* nameField = nullptr;
    COptionMenu* programMenu = nullptr;
    CQorRockerSwitch* rocker = nullptr;
    CSaveLoadButton* loadBank = nullptr;
    CSaveLoadButton* saveBank = nullptr;
    CSaveLoadButton* loadPreset = nullptr;
    CSaveLoadButton* savePreset = nullptr;
    CQorKickButton* defaultBank = nullptr;
    CQorKickButton* defaultPreset = nullptr;
    CQorKickButton* storeMemoA = nullptr;
    CQorKickButton* storeMemoB = nullptr;
    CQorKickButton* recallMemoA = nullptr;
    CQorKickButton* recallMemoB = nullptr;
    CQorKickButton* manual = nullptr;
};

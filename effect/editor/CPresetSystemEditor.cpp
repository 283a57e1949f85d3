#include "effect/editor/CPresetSystemEditor.h"

#include "effect/presets/CPresetSystemEffect.h"

CPresetSystemEditor::CPresetSystemEditor(CPresetSystemEffect* effect) : AEffGUIEditor(effect), presetEffect_(effect)
{
}

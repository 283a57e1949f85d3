#include "effect/editor/AEffGUIEditor.h"

#include "effect/vst2/AudioEffect.h"
#include "platform/Clock.h"
#include "platform/Ole.h"

namespace {
int32_t gKnobMode = 0;
}

AEffGUIEditor::AEffGUIEditor(AudioEffect* effect) : AEffEditor(effect), nextIdleTime_(platform::tickCount())
{
    if (effect)
        effect->setEditor(this);
    platform::oleInitialize();
}

AEffGUIEditor::~AEffGUIEditor() { platform::oleUninitialize(); }

bool AEffGUIEditor::getRect(EditorRect** rect)
{
    *rect = &rect_;
    return true;
}

// The frame of the graphics layer is what idles, takes keys and the wheel; until one is open there is nothing to do.
void AEffGUIEditor::idle() {}

bool AEffGUIEditor::onKeyDown(KeyRecord& key) { return false; }

bool AEffGUIEditor::onKeyUp(KeyRecord& key) { return false; }

bool AEffGUIEditor::onWheel(float distance) { return false; }

bool AEffGUIEditor::selectKnobMode(int32_t mode)
{
    gKnobMode = mode;
    return true;
}

int32_t AEffGUIEditor::getKnobMode() { return gKnobMode; }

void AEffGUIEditor::beginEdit(int32_t index)
{
    if (effect_)
        effect_->beginEdit(index);
}

void AEffGUIEditor::endEdit(int32_t index)
{
    if (effect_)
        effect_->endEdit(index);
}

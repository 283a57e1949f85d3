#include "effect/editor/AEffGUIEditor.h"

#include "effect/vst2/AudioEffect.h"
#include "gui/CFrame.h"
#include "platform/Clock.h"
#include "platform/EditorWindow.h"
#include "platform/Ole.h"

namespace {

std::atomic<int32_t> gKnobMode{0};

AEffGUIEditor::FrameWindowFactory& frameWindowFactory()
{
    static AEffGUIEditor::FrameWindowFactory factory;
    return factory;
}

// doIdleStuff runs the editor's idle at most every 100 ms; a call up to 50 ms early (after a 4 ms nap) still does.
constexpr uint32_t kIdleInterval = 100;
constexpr uint32_t kIdleNap = 4;
constexpr int32_t kIdleEarliness = 50;

}  // namespace

AEffGUIEditor::AEffGUIEditor(AudioEffect* effect) : AEffEditor(effect), nextIdleTime_(platform::tickCount())
{
    if (effect)
        effect->setEditor(this);
    platform::oleInitialize();
}

AEffGUIEditor::~AEffGUIEditor() { platform::oleUninitialize(); }

void AEffGUIEditor::setFrameWindowFactory(FrameWindowFactory factory) { frameWindowFactory() = std::move(factory); }

bool AEffGUIEditor::openFrameWindow(CFrame* frame, void* parent)
{
    if (!frame)
        return false;
    if (const FrameWindowFactory& factory = frameWindowFactory()) {
        std::unique_ptr<IPlatformFrame> window = factory(frame, parent, frame->getViewSize());
        return window && frame->open(std::move(window));
    }
    return frame->open(parent);
}

uint32_t AEffGUIEditor::currentTime() { return platform::tickCount(); }

void AEffGUIEditor::pause(uint32_t ms) { platform::sleepMs(ms); }

bool AEffGUIEditor::getRect(EditorRect** rect)
{
    *rect = &rect_;
    return true;
}

void AEffGUIEditor::idle()
{
    std::lock_guard<std::recursive_mutex> lock(frameUse_);
    if (inIdle_ || !frame_ || frameClosing_)
        return;
    // The frame may be released by a re-entrant close while its events are handled.
    CFrame* frame = frame_;
    frame->remember();
    frame->idle();
    frame->forget();
}

bool AEffGUIEditor::onKeyDown(KeyRecord& key) { return forwardKey(key, true); }

bool AEffGUIEditor::onKeyUp(KeyRecord& key) { return forwardKey(key, false); }

bool AEffGUIEditor::forwardKey(const KeyRecord& key, bool down)
{
    std::lock_guard<std::recursive_mutex> lock(frameUse_);
    if (!frame_ || frameClosing_)
        return false;
    VstKeyCode code;
    code.character = key.character;
    code.virt = key.virtualKey;
    code.modifier = key.modifiers;
    return (down ? frame_->onKeyDown(code) : frame_->onKeyUp(code)) > 0;
}

bool AEffGUIEditor::onWheel(float distance)
{
    std::lock_guard<std::recursive_mutex> lock(frameUse_);
    if (!frame_ || frameClosing_)
        return false;
    CPoint where;
    frame_->getCurrentMouseLocation(where);
    CButtonState buttons;
    frame_->getCurrentMouseButtons(buttons);
    return frame_->onWheel(where, distance, buttons);
}

bool AEffGUIEditor::selectKnobMode(int32_t mode)
{
    gKnobMode.store(mode, std::memory_order_relaxed);
    return true;
}

int32_t AEffGUIEditor::getKnobMode() const { return gKnobMode.load(std::memory_order_relaxed); }

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

// Called while a control keeps the GUI thread busy, so that the meter and the host go on living.
void AEffGUIEditor::doIdleStuff()
{
    uint32_t now = currentTime();
    // Tick counts wrap: compare by signed difference.
    if (static_cast<int32_t>(now - nextIdleTime_) < 0) {
        pause(kIdleNap);
        now += kIdleNap;
        if (static_cast<int32_t>(nextIdleTime_ - now) > kIdleEarliness)
            return;
    }
    idle();
    platform::dispatchOnePaintMessage();
    inIdle_ = true;
    nextIdleTime_ = now + kIdleInterval;
    if (effect_)
        effect_->masterIdle();
    inIdle_ = false;
}

bool AEffGUIEditor::beforeSizeChange(const CRect& newSize, const CRect& oldSize)
{
    const int width = static_cast<int>(newSize.getWidth());
    const int height = static_cast<int>(newSize.getHeight());
    if (effect_ && effect_->canHostDo("sizeWindow"))
        return effect_->sizeWindow(width, height);
    std::lock_guard<std::recursive_mutex> lock(frameUse_);
    if (!frame_ || frameClosing_)
        return true;
    return platform::resizeHostWindows(frame_->getSystemWindow(), width, height);
}

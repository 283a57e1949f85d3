// The editor interface the dispatcher talks to. Every operation runs on the host's GUI thread.
#pragma once

#include <cstdint>

#include "effect/vst2/Records.h"

class AudioEffect;

class AEffEditor
{
public:
    explicit AEffEditor(AudioEffect* effect) : effect_(effect) {}
    virtual ~AEffEditor() = default;
    AEffEditor(const AEffEditor&) = delete;
    AEffEditor& operator=(const AEffEditor&) = delete;

    virtual AudioEffect* getEffect() { return effect_; }
    virtual bool getRect(EditorRect** rect)
    {
        *rect = nullptr;
        return false;
    }
    virtual bool open(void* parent)
    {
        parent_ = parent;
        return false;
    }
    virtual void close() { parent_ = nullptr; }
    virtual bool isOpen() { return parent_ != nullptr; }
    virtual void idle() {}
    virtual bool onKeyDown(KeyRecord& key) { return false; }
    virtual bool onKeyUp(KeyRecord& key) { return false; }
    virtual bool onWheel(float distance) { return false; }
    // The host's knob-mode request: the mode is the editor's own choice, so the request is declined.
    virtual bool setKnobMode(intptr_t mode) { return false; }

protected:
    AudioEffect* effect_;
    void* parent_ = nullptr;
};

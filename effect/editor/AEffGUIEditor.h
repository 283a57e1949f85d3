// Editor base bound to the graphics layer's frame: idle pacing, knob mode, begin and end edit, and the notice of
// parameter changes the effect sends. GUI thread, except setParameter (see the derived editors).
#pragma once

#include <cstdint>

#include "effect/editor/AEffEditor.h"

class AEffGUIEditor : public AEffEditor
{
public:
    // Registers itself as the effect's editor (which sets the record's has-editor flag).
    explicit AEffGUIEditor(AudioEffect* effect);
    ~AEffGUIEditor() override;

    bool getRect(EditorRect** rect) override;
    void idle() override;
    bool onKeyDown(KeyRecord& key) override;
    bool onKeyUp(KeyRecord& key) override;
    bool onWheel(float distance) override;

    // Notice of a parameter change made anywhere (host, automation, program load).
    virtual void setParameter(int32_t index, float value) {}
    virtual void redraw() {}
    // The editor's own choice of knob mode, shared by every editor of the module. Named apart from the host's
    // request: on 32-bit builds intptr_t and int32_t are one type, and an overload would override the refusal.
    virtual bool selectKnobMode(int32_t mode);
    static int32_t getKnobMode();

    void beginEdit(int32_t index);
    void endEdit(int32_t index);

    const EditorRect& rect() const { return rect_; }

protected:
    EditorRect rect_{0, 0, 0, 0};
    uint32_t nextIdleTime_;
    bool inIdle_ = false;
};

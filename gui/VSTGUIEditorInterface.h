// What a frame asks of the editor that owns it (AEffGUIEditor implements it). GUI thread.
#pragma once

#include <cstdint>

#include "gui/Geometry.h"

class VSTGUIEditorInterface
{
public:
    virtual ~VSTGUIEditorInterface() = default;
    // Lets the editor run its idle work while a control keeps the GUI thread busy.
    virtual void doIdleStuff() {}
    // How knobs follow the mouse (the editor's choice; 2 is linear).
    virtual int32_t getKnobMode() const { return 0; }
    // The host's begin and end of a parameter gesture for a control's tag.
    virtual void beginEdit(int32_t index) {}
    virtual void endEdit(int32_t index) {}
    // The frame wants to change its size; false refuses.
    virtual bool beforeSizeChange(const CRect& newSize, const CRect& oldSize) { return true; }
};

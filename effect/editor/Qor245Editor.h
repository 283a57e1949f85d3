// The compressor's editor: 811 x 286 pixels of knobs, switches, the preset strip and the gain-reduction meter.
#pragma once

#include "effect/editor/CPresetSystemEditor.h"

class QorFETcomp;

class Qor245Editor : public CPresetSystemEditor
{
public:
    static constexpr int16_t kWidth = 811;
    static constexpr int16_t kHeight = 286;

    explicit Qor245Editor(QorFETcomp* effect);

    // Called by the effect with the effect mutex held, from any thread: must not take that mutex.
    void setParameter(int32_t index, float value) override;
};

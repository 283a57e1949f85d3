#include "effect/editor/Qor245Editor.h"

#include "effect/QorFETcomp.h"

Qor245Editor::Qor245Editor(QorFETcomp* effect) : CPresetSystemEditor(effect)
{
    rect_ = EditorRect{0, 0, kHeight, kWidth};
}

// The controls that mirror parameter changes live in the editor's window; without one there is nothing to move.
void Qor245Editor::setParameter(int32_t index, float value) {}

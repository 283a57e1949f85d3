// An editor that takes the key focus and edits its control through the host's text-edit record: typed characters
// the control accepts go into the record; the arrow keys step the control. GUI thread, under the group's context
// lock.
#pragma once

#include "rtas/views/CControlEditor.h"

namespace rtas::views {

class CTextEditEditor : public CControlEditor
{
public:
    ~CTextEditEditor() override;

    void ReadDescription(DescriptionParser& parser) override;
    bool WantsFocus() override { return true; }
    bool IsControlHighlightOn() override { return false; }
    bool TrackMouse(const EventRecord& event, bool quick) override;
    void HandleKeyDown(char character, bool* handled) override;
    void EndEditing(bool accept) override;
    void Idle(int32_t argument) override;
    void Activate() override;
    void Deactivate() override;

    bool IsEditing() const { return fEdit != nullptr; }
    bool IsReverse() const { return fReverse; }
    bool TextChanged() const { return fChanged; }

protected:
    HostTextEdit* fEdit = nullptr;
    bool fReverse = false;
    bool fChanged = false;
};

}  // namespace rtas::views

// A view through which the user changes one control. The editor names a control view by ID, attaches to it when
// the tree is connected, and reads and writes the value through it; unattached it works on a value of its own.
// GUI thread, under the group's context lock.
#pragma once

#include "rtas/views/CCustomView.h"

namespace rtas::views {

class CControlView;

class CControlEditor : public CCustomView
{
public:
    CControlEditor() = default;
    // Leaves its control view's editor list, so the view keeps no pointer to it.
    ~CControlEditor() override;

    void ReadDescription(DescriptionParser& parser) override;
    void ConnectSubViews() override;
    void DisconnectSubViews() override;
    void Click(const EventRecord& event) override;
    bool IsControlHighlightOn() override;
    void GetControlHighlight(int16_t* colour, int32_t* state, std::string* text) override;
    void GetControlIndex(int32_t* index) override;

    virtual int32_t GetDefaultValue();
    virtual void SetValue(int32_t value);
    virtual void UpdateFromControl() {}
    virtual void ControlChanged() {}
    virtual void GetValuePoint(Point* point);

    int32_t GetValue();
    int32_t GetStepCount();
    int32_t GetStep();
    void SetStep(int32_t step);

    // -7400 when already attached to another view (clear with null first).
    void SetControlView(CControlView* view);
    CControlView* GetControlView() const { return fControlView; }
    uint32_t GetControlViewID() const { return fControlViewID; }
    void SetControlViewID(uint32_t id) { fControlViewID = id; }
    CControlEditor* NextEditor() const { return fNextEditor; }
    void SetNextEditor(CControlEditor* editor) { fNextEditor = editor; }

protected:
    // The group that names the control view: its four-character code and nothing else.
    void ReadControlGroup(DescriptionParser& parser);
    // Idles the control view (when attached) and the group while the button stays down.
    void IdleWhileDown();

private:
    uint32_t fControlViewID = kNoViewID;
    CControlView* fControlView = nullptr;
    int32_t fOwnValue = 0;
    CControlEditor* fNextEditor = nullptr;
};

}  // namespace rtas::views

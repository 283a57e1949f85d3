// A control view bound to one control of a plug-in instance (1-based index): values, steps, defaults and texts are
// the instance's while bound; unbound it keeps its own, as every control view does. GUI thread, under the group's
// context lock.
#pragma once

#include "rtas/views/CControlView.h"

class CProcess;

namespace rtas::views {

class CProcessControlView : public CControlView
{
public:
    bool IsProcessControl() override { return true; }
    void GetControlIndex(int32_t* index) override { *index = fIndex; }
    int32_t GetStepCount() override;
    int32_t GetDefaultValue() override;
    int32_t GetValue() override;
    void SetValue(int32_t value) override;
    void GetValueText(int32_t value, std::string* text, int32_t maxLength) override;
    void Idle(int32_t argument) override;

    // Binds to (instance, index) and reads the control's value; notify updates every attached editor. A null
    // instance (index 0) unbinds and leaves the last value in place.
    void AttachToControl(CProcess* instance, int32_t index, bool notify);
    CProcess* GetInstance() const { return fInstance; }
    int32_t GetIndex() const { return fIndex; }

private:
    CProcess* fInstance = nullptr;
    int32_t fIndex = 0;
};

}  // namespace rtas::views

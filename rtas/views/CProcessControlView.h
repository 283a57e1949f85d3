// A control view bound to one control of a plug-in instance (1-based index): values, steps, defaults and texts are
// the instance's while bound; unbound it keeps its own, as every control view does. GUI thread, under the group's
// context lock.
#pragma once

#include "rtas/views/CControlView.h"

class CProcess;
class CEffectProcess;

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
    // The bound control reads the text and judges the characters (its value model); unbound, the base's answers.
    int32_t ValueFromText(int32_t* value, const std::string& text) override;
    void IsValidTextChar(char character, bool* answer) override;
    void Idle(int32_t argument) override;

    // Tell the bound instance that the user touches and releases the control (it relays them to the host as the
    // start and end of a gesture); nothing while unbound.
    void TouchControl();
    void ReleaseControl();

    // Binds to (instance, index) and reads the control's value; notify updates every attached editor. A null
    // instance (index 0) unbinds and leaves the last value in place.
    void AttachToControl(CProcess* instance, int32_t index, bool notify);
    CProcess* GetInstance() const { return fInstance; }
    int32_t GetIndex() const { return fIndex; }

private:
    // The bound instance as an effect instance (the one that keeps controls), or null.
    CEffectProcess* EffectInstance() const;

    CProcess* fInstance = nullptr;
    int32_t fIndex = 0;
};

}  // namespace rtas::views

// A view that stands for one control: it keeps the control's value (or, bound to an instance, forwards to it) and
// carries each change to the control editors attached to it. GUI thread, under the group's context lock.
#pragma once

#include "rtas/views/CCustomView.h"

#include <string>

namespace rtas::views {

class CControlEditor;

class CControlView : public CCustomView
{
public:
    CControlView() = default;
    // Detaches every editor, so none keeps a pointer to a view that is gone.
    ~CControlView() override;

    void ReadDescription(DescriptionParser& parser) override;
    bool IsControlHighlightOn() override { return fHighlightOn; }
    void GetControlHighlight(int16_t* colour, int32_t* state, std::string* text) override;

    virtual int32_t GetStepCount() { return fSteps; }
    virtual int32_t GetDefaultValue() { return fDefaultValue; }
    virtual int32_t GetValue() { return fValue; }
    virtual void SetValue(int32_t value) { fValue = value; }
    virtual void GetTitle(std::string* text) { *text = fTitle; }
    // The value's text, at most maxLength characters.
    virtual void GetValueText(int32_t value, std::string* text, int32_t maxLength);
    // 0 and the value when the text parses; any other answer when it does not.
    virtual int32_t ValueFromText(int32_t* value, const std::string& text) { return 0; }
    virtual void IsValidTextChar(char character, bool* answer) { *answer = false; }
    virtual void SetControlHighlightOn(bool on);
    virtual void SetControlHighlight(int16_t colour, int32_t state, const std::string& text);

    void AttachEditor(CControlEditor* editor);
    void DetachEditor(CControlEditor* editor);
    void DetachAllEditors();
    void UpdateEditors();
    CControlEditor* FirstEditor() const { return fEditors; }

    int32_t StepToValue(int32_t step);
    int32_t ValueToStep(int32_t value);
    int32_t GetStep() { return ValueToStep(GetValue()); }
    void SetStep(int32_t step) { SetValue(StepToValue(step)); }

    void SetStepCount(int32_t steps) { fSteps = steps; }
    void SetDefaultValue(int32_t value) { fDefaultValue = value; }
    void SetTitle(const std::string& title) { fTitle = title.substr(0, 63); }

protected:
    void StoreValue(int32_t value) { fValue = value; }
    void UpdateAttachedEditorViews();

private:
    CControlEditor* fEditors = nullptr;
    int32_t fSteps = 1;
    int32_t fValue = INT32_MIN;
    int32_t fDefaultValue = 0;
    std::string fTitle;
    bool fHighlightOn = false;
    int16_t fHighlightColour = 0;
    int32_t fHighlightState = 0;
    std::string fHighlightText;
};

// The value of integer i in min..max on the full signed 32-bit range, and back (the control value model's
// integer mapping).
int32_t IntegerToControlValue(int32_t i, int32_t min, int32_t max);
int32_t ControlValueToInteger(int32_t value, int32_t min, int32_t max);

}  // namespace rtas::views

#include "rtas/views/CControlView.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/views/CControlEditor.h"
#include "rtas/views/DescriptionParser.h"
#include "rtas/views/GroupReader.h"

#include <algorithm>
#include <cmath>

namespace rtas::views {

int32_t IntegerToControlValue(int32_t i, int32_t min, int32_t max)
{
    if (max == min)
        return INT32_MIN;
    i = std::clamp(i, std::min(min, max), std::max(min, max));
    return int32_t(std::trunc(double(i - min) / double(max - min) * 4294967295.0 - 2147483648.0));
}

int32_t ControlValueToInteger(int32_t value, int32_t min, int32_t max)
{
    return int32_t(std::floor(min + double(max - min) * (double(value) + 2147483648.0) / 4294967295.0 + 0.5));
}

CControlView::~CControlView()
{
    DetachAllEditors();
}

void CControlView::ReadDescription(DescriptionParser& parser)
{
    CCustomView::ReadDescription(parser);
    GroupReader group(parser.NextGroup());
    SetTitle(group.TakeText());
    fSteps = group.Take(kNodeInteger).value;
    SetValue(group.Take(kNodeInteger).value);
    if (!group.AtEnd())
        fDefaultValue = group.Take(kNodeInteger).value;
    group.Finish();
}

void CControlView::GetControlHighlight(int16_t* colour, int32_t* state, std::string* text)
{
    *colour = fHighlightColour;
    *state = fHighlightState;
    *text = fHighlightText;
}

void CControlView::GetValueText(int32_t value, std::string* text, int32_t maxLength)
{
    *text = std::to_string(value >> 16).substr(0, size_t(std::max(maxLength, 0)));
}

void CControlView::SetControlHighlightOn(bool on)
{
    if (fHighlightOn == on)
        return;
    fHighlightOn = on;
    UpdateAttachedEditorViews();
}

void CControlView::SetControlHighlight(int16_t colour, int32_t state, const std::string& text)
{
    const std::string cut = text.substr(0, 255);
    if (fHighlightColour == colour && fHighlightState == state && fHighlightText == cut)
        return;
    fHighlightColour = colour;
    fHighlightState = state;
    fHighlightText = cut;
    UpdateAttachedEditorViews();
}

void CControlView::UpdateAttachedEditorViews()
{
    for (CControlEditor* editor = fEditors; editor != nullptr; editor = editor->NextEditor())
        editor->Update(nullptr);
}

void CControlView::AttachEditor(CControlEditor* editor)
{
    if (editor == nullptr || editor->GetControlView() == this)
        return;
    // Refused (attached elsewhere) before any link changes, so no list is cut.
    editor->SetControlView(this);
    editor->SetNextEditor(nullptr);
    if (fEditors == nullptr) {
        fEditors = editor;
    } else {
        CControlEditor* last = fEditors;
        while (last->NextEditor() != nullptr)
            last = last->NextEditor();
        last->SetNextEditor(editor);
    }
    editor->UpdateFromControl();
}

void CControlView::DetachEditor(CControlEditor* editor)
{
    if (editor == nullptr)
        return;
    if (fEditors == editor) {
        fEditors = editor->NextEditor();
    } else {
        for (CControlEditor* e = fEditors; e != nullptr; e = e->NextEditor())
            if (e->NextEditor() == editor) {
                e->SetNextEditor(editor->NextEditor());
                break;
            }
    }
    editor->SetNextEditor(nullptr);
    editor->SetControlView(nullptr);
}

void CControlView::DetachAllEditors()
{
    while (fEditors != nullptr)
        DetachEditor(fEditors);
}

void CControlView::UpdateEditors()
{
    for (CControlEditor* editor = fEditors; editor != nullptr; editor = editor->NextEditor())
        editor->UpdateFromControl();
}

int32_t CControlView::StepToValue(int32_t step)
{
    const int32_t n = GetStepCount();
    if (n < 2)
        return INT32_MIN;
    if ((n & 1) && step == n / 2)
        return 0;
    return IntegerToControlValue(step, 0, n - 1);
}

int32_t CControlView::ValueToStep(int32_t value)
{
    const int32_t n = GetStepCount();
    if (n < 2)
        return 0;
    if ((n & 1) && value == 0)
        return n / 2;
    return ControlValueToInteger(value, 0, n - 1);
}

}  // namespace rtas::views

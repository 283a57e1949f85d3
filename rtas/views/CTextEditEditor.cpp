#include "rtas/views/CTextEditEditor.h"

#include "rtas/views/CControlView.h"
#include "rtas/views/DescriptionParser.h"
#include "rtas/views/GroupReader.h"
#include "rtas/views/ViewRegistry.h"

namespace rtas::views {
namespace {

constexpr uint16_t kShiftKey = 0x0200;
constexpr char kUpArrow = 30;
constexpr char kDownArrow = 31;

}  // namespace

CTextEditEditor::~CTextEditEditor()
{
    DisposeTextEdit(fEdit);
}

void CTextEditEditor::ReadDescription(DescriptionParser& parser)
{
    CCustomView::ReadDescription(parser);
    GroupReader group(parser.NextGroup());
    while (!group.AtEnd()) {
        const DescriptionNode& node = group.Take();
        if (node.type == kNodeFourCC)
            SetControlViewID(uint32_t(node.value));
        else if (node.type == kNodeKeyword && node.value == kKeyReverse)
            fReverse = true;
        else
            throw CDAEError(-7400);
    }
}

bool CTextEditEditor::TrackMouse(const EventRecord& event, bool quick)
{
    int16_t font, size, face, mode;
    GetTextState(&font, &size, &face, &mode);
    SetTextMode(2);
    SetTextFont(3);
    SetTextSize(9);
    if (fEdit != nullptr)
        TextEditClick(fEdit, event.where, (event.modifiers & kShiftKey) ? 1 : 0);
    else if (IsActive())
        BeginEditing();
    SetTextFont(font);
    SetTextSize(size);
    SetTextFace(face);
    SetTextMode(mode);
    return true;
}

void CTextEditEditor::HandleKeyDown(char character, bool* handled)
{
    *handled = false;
    CControlView* view = GetControlView();
    if (fEdit == nullptr || view == nullptr)
        return;
    bool valid = false;
    view->IsValidTextChar(character, &valid);
    if (valid) {
        TextEditKey(fEdit, character);
        fChanged = true;
        if (GetPort() != nullptr) {
            Rect visible;
            GetVisibleRect(&visible);
            ScopedDrawing drawing(*this, &visible);
            TextEditUpdate(fEdit, &visible);
        }
        *handled = true;
        return;
    }
    if (character != kUpArrow && character != kDownArrow)
        return;
    const bool up = (character == kUpArrow) != fReverse;
    const int32_t steps = GetStepCount();
    int32_t step = GetStep();
    if (up && step < steps - 1)
        ++step;
    else if (!up && step > 0)
        --step;
    SetStep(step);
    fChanged = false;
    *handled = true;
}

void CTextEditEditor::EndEditing(bool)
{
    DisposeTextEdit(fEdit);
    fEdit = nullptr;
}

void CTextEditEditor::Idle(int32_t argument)
{
    CControlEditor::Idle(argument);
    if (fEdit != nullptr)
        TextEditIdle(fEdit);
}

void CTextEditEditor::Activate()
{
    CControlEditor::Activate();
    if (fEdit != nullptr) {
        TextEditActivate(fEdit, 1);
        Update(nullptr);
    }
}

void CTextEditEditor::Deactivate()
{
    CControlEditor::Deactivate();
    if (fEdit != nullptr) {
        TextEditActivate(fEdit, 0);
        Update(nullptr);
    }
}

}  // namespace rtas::views

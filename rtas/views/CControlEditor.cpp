#include "rtas/views/CControlEditor.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CProcess.h"
#include "rtas/views/CProcessControlView.h"
#include "rtas/views/DescriptionParser.h"
#include "rtas/views/GroupReader.h"

namespace rtas::views {
namespace {

constexpr uint16_t kOptionKey = 0x0800;
constexpr uint16_t kMouseDownEvent = 1;

bool MeansNoControl(uint32_t id)
{
    return id == kNoViewID || id == 0x4E6F4944 /* 'NoID' */ || id == 0x4E6F4964 /* 'NoId' */;
}

}  // namespace

CControlEditor::~CControlEditor()
{
    if (fControlView != nullptr)
        fControlView->DetachEditor(this);
}

void CControlEditor::ReadDescription(DescriptionParser& parser)
{
    CCustomView::ReadDescription(parser);
    ReadControlGroup(parser);
}

void CControlEditor::ReadControlGroup(DescriptionParser& parser)
{
    GroupReader group(parser.NextGroup());
    fControlViewID = uint32_t(group.Take(kNodeFourCC).value);
    group.Finish();
}

void CControlEditor::SetControlView(CControlView* view)
{
    if (view != nullptr && fControlView != nullptr && fControlView != view)
        throw CDAEError(-7400);
    fControlView = view;
}

void CControlEditor::ConnectSubViews()
{
    CCustomView::ConnectSubViews();
    if (fControlView != nullptr || MeansNoControl(fControlViewID))
        return;
    CPlugInView* found = nullptr;
    for (CPlugInView* v = GetParent(); v != nullptr && found == nullptr; v = v->GetParent())
        found = v->FindViewByID(fControlViewID);
    CControlView* view = nullptr;
    if (found != nullptr) {
        view = dynamic_cast<CControlView*>(found);
    } else {
        CPlugInView* root = GetRoot();
        if (root == this || root->GetFirstChild() == nullptr)
            return;
        auto* made = new CProcessControlView;
        made->SetViewID(fControlViewID);
        root->InsertSubView(made, true);
        made->FinishCreate();
        view = made;
    }
    if (view != nullptr)
        view->AttachEditor(this);
}

void CControlEditor::DisconnectSubViews()
{
    if (fControlView != nullptr)
        fControlView->DetachEditor(this);
    CCustomView::DisconnectSubViews();
}

void CControlEditor::IdleWhileDown()
{
    while (MouseStillDown()) {
        Point mouse;
        GetMousePoint(&mouse);
        if (fControlView != nullptr)
            fControlView->Idle(0);
        else
            IdleGroupWithLockReleased();
    }
}

void CControlEditor::Click(const EventRecord& event)
{
    // A press on a bound control is a gesture the host sees from touch to release.
    auto* bound = dynamic_cast<CProcessControlView*>(fControlView);
    const bool touched = bound != nullptr && bound->GetInstance() != nullptr && event.what == kMouseDownEvent;
    if (touched)
        bound->TouchControl();
    if (event.modifiers & kOptionKey) {
        SetValue(GetDefaultValue());
        IdleWhileDown();
    } else {
        CCustomView::Click(event);
        IdleWhileDown();
    }
    if (touched)
        bound->ReleaseControl();
}

bool CControlEditor::IsControlHighlightOn()
{
    return fControlView != nullptr && fControlView->IsControlHighlightOn();
}

void CControlEditor::GetControlHighlight(int16_t* colour, int32_t* state, std::string* text)
{
    if (fControlView != nullptr) {
        fControlView->GetControlHighlight(colour, state, text);
        return;
    }
    *colour = 0;
    *state = 0;
    text->clear();
}

void CControlEditor::GetControlIndex(int32_t* index)
{
    *index = 0;
    if (fControlView != nullptr && fControlView->IsProcessControl())
        fControlView->GetControlIndex(index);
}

int32_t CControlEditor::GetDefaultValue()
{
    return fControlView != nullptr ? fControlView->GetDefaultValue() : 0;
}

void CControlEditor::SetValue(int32_t value)
{
    if (fControlView != nullptr) {
        fControlView->SetValue(value);
        fControlView->UpdateEditors();
    } else {
        fOwnValue = value;
        UpdateFromControl();
    }
}

int32_t CControlEditor::GetValue()
{
    return fControlView != nullptr ? fControlView->GetValue() : fOwnValue;
}

int32_t CControlEditor::GetStepCount()
{
    return fControlView != nullptr ? fControlView->GetStepCount() : 1;
}

int32_t CControlEditor::GetStep()
{
    return fControlView != nullptr ? fControlView->GetStep() : 0;
}

void CControlEditor::SetStep(int32_t step)
{
    if (fControlView != nullptr)
        SetValue(fControlView->StepToValue(step));
}

void CControlEditor::GetValuePoint(Point* point)
{
    const Rect& f = Frame();
    *point = Point{int16_t((f.top + f.bottom) / 2), int16_t((f.left + f.right) / 2)};
}

}  // namespace rtas::views

#include "rtas/views/RootView.h"

#include "rtas/framework/CEffectProcess.h"
#include "rtas/framework/LibraryViews.h"
#include "rtas/views/CControlView.h"
#include "rtas/views/CDialogView.h"
#include "rtas/views/CProcessControlView.h"

#include <memory>

namespace rtas::views {
namespace {

CPlugInView* MakeRoot(CProcess& instance)
{
    auto root = std::make_unique<CDialogView>();
    // An effect instance names the dialog its window is built from.
    if (const auto* effect = dynamic_cast<const CEffectProcess*>(&instance))
        root->SetDialogID(effect->GetDialogResourceID());
    root->FinishCreate();
    return root.release();
}

void DeleteRoot(CPlugInView* root)
{
    delete root;
}

constexpr uint16_t kMouseDown = 1;
constexpr uint16_t kKeyDown = 3;
constexpr uint16_t kAutoKey = 5;

CControlView* ControlViewOf(CPlugInView* root, uint32_t controlID)
{
    return dynamic_cast<CControlView*>(root->FindViewByID(controlID));
}

const RootViewServices kServices = {
    [](CPlugInView* root, const Rect* rect) { root->Update(rect); },
    [](CPlugInView* root, const EventRecord* event, bool* taken) {
        *taken = false;
        if (event->what == kMouseDown) {
            *taken = root->FindSubViewAt(event->where) != nullptr;
            root->HandleMouseDown(*event);
        } else if (event->what == kKeyDown || event->what == kAutoKey) {
            root->HandleKey(*event, taken);
        }
    },
    [](CPlugInView* root, Rect* rect) { root->GetFrame(rect); },
    [](CPlugInView* root, OpaqueGrafPtr port) { root->SetPort(port); },
    [](CPlugInView* root) { root->Idle(0); },
    [](CPlugInView* root, int16_t h, int16_t v) { root->MoveTo(h, v); },
    [](CPlugInView* root) { root->Activate(); },
    [](CPlugInView* root) { root->Deactivate(); },
    [](CPlugInView* root, uint32_t controlID, CProcess* instance, int32_t control) {
        auto* view = dynamic_cast<CProcessControlView*>(root->FindViewByID(controlID));
        if (view == nullptr)
            return false;
        view->AttachToControl(instance, control, true);
        view->Invalidate();
        return true;
    },
    [](CPlugInView* root, uint32_t controlID) { return root->FindViewByID(controlID) != nullptr; },
    [](CPlugInView* root, uint32_t controlID) {
        if (CPlugInView* view = root->FindViewByID(controlID))
            view->Invalidate();
    },
    [](CPlugInView* root, uint32_t controlID, bool on, int16_t colour, int16_t state) {
        if (CControlView* view = ControlViewOf(root, controlID)) {
            view->SetControlHighlightOn(on);
            view->SetControlHighlight(colour, state, "");
        }
    },
    [](CPlugInView* root, uint32_t controlID, bool* on, int32_t* colour) {
        CControlView* view = ControlViewOf(root, controlID);
        if (view == nullptr)
            return false;
        int16_t shown = 0;
        int32_t state = 0;
        std::string text;
        view->GetControlHighlight(&shown, &state, &text);
        *on = view->IsControlHighlightOn();
        *colour = shown;
        return true;
    },
    [](CPlugInView* root, HostWord host) {
        // The host names a view of the tree; the first control view at or above it answers.
        for (auto* view = reinterpret_cast<CPlugInView*>(host); view != nullptr; view = view->GetParent())
            if (view->GetRoot() == root)
                if (auto* control = dynamic_cast<CProcessControlView*>(view))
                    return control->GetIndex();
        return int32_t(0);
    },
};

}  // namespace

void InstallLibraryRootViews()
{
    SetRootViewMaker(&MakeRoot, &DeleteRoot);
    SetRootViewServices(&kServices);
}

}  // namespace rtas::views

// The effect instance's controls as the library's views show them: binding each control's view to the instance when
// the host gives a port, redrawing and highlighting them, and the view-backed answers of the control routines. Main
// thread, under the group's context lock; nothing happens while the library's views are off.
#include "rtas/framework/CEffectProcess.h"

#include "rtas/framework/LibraryViews.h"
#include "rtas/framework/ResultCodes.h"

namespace {

constexpr uint32_t kNoID = HostFourCC("NONE");
constexpr int32_t kNoControlOrView = -7300;

}  // namespace

int32_t CEffectProcess::GetControlID(int32_t control, uint32_t* id)
{
    if (id == nullptr)
        return rtas::kMissingObject;
    *id = kNoID;
    if (const CPluginControl* found = FindControl(control)) {
        *id = found->GetID();
        return 0;
    }
    // A library view may stand for a control number the instance does not have: its ID is the number's.
    const rtas::RootViewServices* views = rtas::GetRootViewServices();
    if (views != nullptr && GetRootView() != nullptr && views->hasControlView(GetRootView(), uint32_t(control))) {
        *id = uint32_t(control);
        return 0;
    }
    return kNoControlOrView;
}

int32_t CEffectProcess::SetViewPort(OpaqueGrafPtr port)
{
    const rtas::RootViewServices* views = rtas::GetRootViewServices();
    if (views == nullptr || GetRootView() == nullptr)
        return 0;
    views->setPort(GetRootView(), port);
    for (int32_t number = 1; number <= CountControls(); ++number) {
        const uint32_t id = GetControl(number)->GetID();
        if (id != kNoID && views->hasControlView(GetRootView(), id))
            views->bindControlView(GetRootView(), id, port != nullptr ? this : nullptr, number);
    }
    return 0;
}

void CEffectProcess::RedrawControl(int32_t control)
{
    const rtas::RootViewServices* views = rtas::GetRootViewServices();
    const CPluginControl* found = FindControl(control);
    if (views != nullptr && GetRootView() != nullptr && found != nullptr)
        views->redrawControlView(GetRootView(), found->GetID());
}

void CEffectProcess::SetControlHighlight(int32_t control, bool on, int16_t first, int16_t second, int32_t colour)
{
    const rtas::RootViewServices* views = rtas::GetRootViewServices();
    const CPluginControl* found = FindControl(control);
    if (rtas::AreLibraryViewsOff() || views == nullptr || GetRootView() == nullptr || found == nullptr ||
        found->GetID() == kNoID)
        return;
    // The first value is the highlight colour index, the second its state; the host's colour record is not kept.
    (void)colour;
    views->setHighlight(GetRootView(), found->GetID(), on, first, second);
}

int32_t CEffectProcess::GetControlHighlight(int32_t control, uint8_t* on, int32_t* colour)
{
    bool lit = false;
    int32_t shown = 0;
    const rtas::RootViewServices* views = rtas::GetRootViewServices();
    const CPluginControl* found = FindControl(control);
    if (views != nullptr && GetRootView() != nullptr && found != nullptr)
        views->getHighlight(GetRootView(), found->GetID(), &lit, &shown);
    if (on != nullptr)
        *on = lit ? 1 : 0;
    if (colour != nullptr)
        *colour = lit ? shown : 0;
    return 0;
}

int32_t CEffectProcess::SetControlHighlightColour(int32_t control, int32_t on, int32_t colour)
{
    const rtas::RootViewServices* views = rtas::GetRootViewServices();
    const CPluginControl* found = FindControl(control);
    if (views != nullptr && GetRootView() != nullptr && found != nullptr)
        views->setHighlight(GetRootView(), found->GetID(), (on & 0xFF) != 0, int16_t(colour), 0);
    return 0;
}

// ---- The root view ----

int32_t CEffectProcess::UpdateRect(const Rect* rect)
{
    if (const rtas::RootViewServices* views = rtas::GetRootViewServices(); views != nullptr && GetRootView() != nullptr)
        views->update(GetRootView(), rect);
    return 0;
}

int32_t CEffectProcess::HandleEvent(const EventRecord* event)
{
    uint8_t taken = 0;
    return HandleEventWithReply(event, &taken);
}

int32_t CEffectProcess::HandleEventWithReply(const EventRecord* event, uint8_t* taken)
{
    bool took = false;
    if (const rtas::RootViewServices* views = rtas::GetRootViewServices();
        views != nullptr && GetRootView() != nullptr && event != nullptr)
        views->handleEvent(GetRootView(), event, &took);
    if (!took)
        took = EventReplyHook(event);
    if (taken != nullptr)
        *taken = took ? 1 : 0;
    return 0;
}

int32_t CEffectProcess::GetViewRect(Rect* rect)
{
    if (const rtas::RootViewServices* views = rtas::GetRootViewServices();
        views != nullptr && GetRootView() != nullptr && rect != nullptr)
        views->getRect(GetRootView(), rect);
    return 0;
}


int32_t CEffectProcess::Routine48(int32_t point)
{
    if (const rtas::RootViewServices* views = rtas::GetRootViewServices(); views != nullptr && GetRootView() != nullptr)
        views->moveTo(GetRootView(), int16_t(point & 0xFFFF), int16_t(uint32_t(point) >> 16));
    return 0;
}

int32_t CEffectProcess::Routine8()
{
    if (const rtas::RootViewServices* views = rtas::GetRootViewServices(); views != nullptr && GetRootView() != nullptr)
        views->activate(GetRootView());
    return 0;
}

int32_t CEffectProcess::Routine9()
{
    if (const rtas::RootViewServices* views = rtas::GetRootViewServices(); views != nullptr && GetRootView() != nullptr)
        views->deactivate(GetRootView());
    return 0;
}

int32_t CEffectProcess::GetFocusedControl(HostWord view, int32_t* control)
{
    const rtas::RootViewServices* views = rtas::GetRootViewServices();
    if (control != nullptr)
        *control = views != nullptr && GetRootView() != nullptr ? views->focusedControl(GetRootView(), view) : 0;
    return 0;
}

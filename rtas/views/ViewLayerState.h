// State the view layer shares across the module: the back pattern saved by BeginBackground, the covering port of an
// open pop-up with the views whose drawing it held back, and the plate patterns. GUI thread only, under the group's
// context lock.
#pragma once

#include "rtas/framework/host/DrawingServices.h"

#include <cstdint>

namespace rtas::views {

class CPlugInView;

struct PendingRedraw
{
    CPlugInView* view;
    Rect rect;
};

constexpr int32_t kMaxPendingRedraws = 128;

struct ViewLayerState
{
    HostPattern* savedBackPattern = nullptr;
    bool backPatternSaved = false;
    OpaqueGrafPtr coveringPort = nullptr;
    Rect coveringRect{0, 0, 0, 0};  // global coordinates
    PendingRedraw pending[kMaxPendingRedraws]{};
    int32_t pendingCount = 0;
    HostPattern* platePatterns[2]{nullptr, nullptr};  // resources 1001 and 1002
    int32_t plateUsers = 0;
};

ViewLayerState& LayerState();

// Forgets a view that is going away, so no pending redraw reaches it afterwards.
void ForgetPendingRedraws(const CPlugInView* view);

}  // namespace rtas::views

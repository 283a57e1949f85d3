#include "rtas/views/ViewLayerState.h"

namespace rtas::views {

ViewLayerState& LayerState()
{
    static ViewLayerState state;
    return state;
}

void ForgetPendingRedraws(const CPlugInView* view)
{
    ViewLayerState& s = LayerState();
    int32_t kept = 0;
    for (int32_t i = 0; i < s.pendingCount; ++i)
        if (s.pending[i].view != view)
            s.pending[kept++] = s.pending[i];
    s.pendingCount = kept;
}

}  // namespace rtas::views

// A view that plots a host icon ('ICON' resource) into its frame. GUI thread, under the group's context lock.
#pragma once

#include "rtas/framework/host/ControlServices.h"
#include "rtas/views/CCustomView.h"

namespace rtas::views {

class CIconView : public CCustomView
{
public:
    CIconView() = default;
    explicit CIconView(int32_t id) { SetIconID(id); }
    ~CIconView() override;

    void DrawContent(const Rect& rect) override;
    // Loads the icon from the plug-in's resource file; -1 for none.
    void SetIconID(int32_t id);
    int32_t GetIconID() const { return fID; }
    bool HasIcon() const { return fIcon != nullptr; }

private:
    int32_t fID = -1;
    HostIcon* fIcon = nullptr;
};

}  // namespace rtas::views

#include "rtas/views/CIconView.h"

#include "rtas/framework/PlugInResourceFile.h"

namespace rtas::views {

CIconView::~CIconView()
{
    DisposeIcon(fIcon);
}

void CIconView::SetIconID(int32_t id)
{
    if (id == fID)
        return;
    DisposeIcon(fIcon);
    fIcon = nullptr;
    fID = id;
    if (id != -1) {
        const int16_t previous = UsePlugInResourceFile();
        fIcon = LoadIconResource(int16_t(id));
        ReleasePlugInResourceFile(previous);
    }
}

void CIconView::DrawContent(const Rect&)
{
    if (fIcon != nullptr)
        PlotIconIn(&Frame(), fIcon);
}

}  // namespace rtas::views

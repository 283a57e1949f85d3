// Drawing of the preset strip's buttons, whose images hold three states stacked vertically: normal, mouse over,
// pressed.
#pragma once

#include <cstdint>

#include "gui/CBitmap.h"
#include "gui/CView.h"

constexpr int32_t kThreeStateImages = 3;

inline CCoord threeStateImageHeight(const CBitmap* bitmap, CCoord fallback)
{
    return bitmap ? bitmap->getHeight() / kThreeStateImages : fallback;
}

inline void drawThreeStateImage(CView& view, CDrawContext* context, int32_t index)
{
    if (CBitmap* bitmap = view.getDrawBackground())
        bitmap->draw(context, view.getViewSize(),
                     CPoint(0, threeStateImageHeight(bitmap, view.getHeight()) * static_cast<CCoord>(index)));
    view.setDirty(false);
}

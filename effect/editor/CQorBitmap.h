// A bitmap made from an image of the embedded table. Editors create one per control image, hand it to the control
// (which keeps its own reference) and forget their own at once. GUI thread.
#pragma once

#include <cstdint>

#include "gui/CBitmap.h"

class CQorBitmap : public CBitmap
{
public:
    // Size of the empty bitmap a number outside the table gives (the preset strip's plain backgrounds ask for one).
    static constexpr int32_t kEmptyWidth = 400;
    static constexpr int32_t kEmptyHeight = 350;

    // The table's image decoded, or an empty transparent bitmap for a number the table does not hold. A table
    // image that cannot be decoded gives a bitmap that is not loaded, so an editor refuses to open rather than show
    // a wrong-sized picture.
    explicit CQorBitmap(int32_t number);

    QOR_GUI_TYPE(CQorBitmap, CBitmap)
};

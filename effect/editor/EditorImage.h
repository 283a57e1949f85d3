// An image of the table for one control: the editor holds it only while it hands it to the control, which keeps
// its own reference.
#pragma once

#include <cstdint>

#include "effect/editor/CQorBitmap.h"

class EditorImage
{
public:
    explicit EditorImage(int32_t number) : bitmap_(new CQorBitmap(number)) {}
    ~EditorImage() { bitmap_->forget(); }
    EditorImage(const EditorImage&) = delete;
    EditorImage& operator=(const EditorImage&) = delete;

    CBitmap* get() const { return bitmap_; }
    // False for a table image that could not be decoded: the control would have no size.
    bool loaded() const { return bitmap_->isLoaded(); }
    CCoord width() const { return bitmap_->getWidth(); }
    CCoord height() const { return bitmap_->getHeight(); }

private:
    CBitmap* bitmap_;
};

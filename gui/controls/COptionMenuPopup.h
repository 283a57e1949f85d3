// The list a COptionMenu opens: entries in columns, the one under the pointer highlighted, checked ones marked.
// A press and release on the same enabled entry chooses it; a press outside the list or Escape closes it.
#pragma once

#include <cstdint>

#include "gui/CView.h"

class COptionMenu;

class COptionMenuPopup : public CView
{
public:
    // Lays the entries out below the menu, moved to fit inside `frameSize`.
    COptionMenuPopup(COptionMenu* menu, const CRect& frameSize);
    ~COptionMenuPopup() override;
    COptionMenuPopup(const COptionMenuPopup&) = delete;

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;
    int32_t onKeyDown(VstKeyCode& key) override;

    // The entry under the point, or -1.
    int32_t entryAt(const CPoint& where) const;
    // The rectangle of entry `index` in frame coordinates.
    CRect entryRect(int32_t index) const;
    int32_t getHighlighted() const { return highlighted_; }
    int32_t getRows() const { return rows_; }
    int32_t getColumns() const { return columns_; }
    // Forgets the menu without touching it (the menu is going away).
    void detachMenu() { menu_ = nullptr; }

    QOR_GUI_TYPE(COptionMenuPopup, CView)

private:
    void setHighlighted(int32_t index);

    COptionMenu* menu_;
    int32_t rows_ = 1;
    int32_t columns_ = 1;
    CCoord rowHeight_ = 16;
    CCoord columnWidth_ = 80;
    int32_t highlighted_ = -1;
    int32_t pressed_ = -1;
};

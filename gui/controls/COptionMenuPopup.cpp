#include "gui/controls/COptionMenuPopup.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "gui/CDrawContext.h"
#include "gui/IOffscreenSurface.h"
#include "gui/controls/COptionMenu.h"

namespace
{
constexpr CCoord kPadding = 2;     // inside the popup's border
constexpr CCoord kMarkWidth = 14;  // room for the check mark before each title
constexpr CCoord kTextMargin = 8;  // after the longest title
const CColor kPopupBack{240, 240, 238};
const CColor kPopupBorder{70, 70, 70};
const CColor kHighlightBack{50, 90, 160};
const CColor kCurrentBack{215, 222, 232};
const CColor kDisabledText{150, 150, 150};

bool isSeparator(const COptionMenu::Entry& entry) { return entry.title == "-"; }

// Widest title in the menu's font, measured on a scratch surface (the popup is laid out before it is drawn).
CCoord widestTitle(const COptionMenu& menu)
{
    auto scratch = createOffscreenSurface(1, 1);
    CCoord widest = 0;
    for (int32_t i = 0; i < menu.getNbEntries(); ++i)
    {
        const char* title = menu.getEntryTitle(i);
        if (scratch)
        {
            scratch->getDrawContext().setFont(menu.getFont());
            widest = std::max(widest, scratch->getDrawContext().getStringWidth(title));
        }
        else
            widest = std::max(widest, std::strlen(title) * menu.getFont().size * 0.6);
    }
    return std::ceil(widest);
}
} // namespace

COptionMenuPopup::COptionMenuPopup(COptionMenu* menu, const CRect& frameSize) : CView(CRect()), menu_(menu)
{
    menu_->remember();
    const int32_t count = std::max<int32_t>(1, menu_->getNbEntries());
    rowHeight_ = std::ceil(menu_->getFont().size) + 5;
    columnWidth_ = std::max<CCoord>(menu_->getWidth(), kMarkWidth + widestTitle(*menu_) + kTextMargin);

    const CCoord usableWidth = frameSize.getWidth() - 2 * kPadding;
    const CCoord usableHeight = frameSize.getHeight() - 2 * kPadding;
    const auto maxRows = std::max<int32_t>(1, static_cast<int32_t>(usableHeight / rowHeight_));
    rows_ = menu_->getNbItemsPerColumn() > 0 ? menu_->getNbItemsPerColumn() : maxRows;
    rows_ = std::min({rows_, maxRows, count});
    columns_ = (count + rows_ - 1) / rows_;
    // Too wide for the frame: taller columns first, then narrower ones.
    while (columns_ * columnWidth_ > usableWidth && rows_ < std::min(maxRows, count))
    {
        ++rows_;
        columns_ = (count + rows_ - 1) / rows_;
    }
    if (columns_ * columnWidth_ > usableWidth)
        columnWidth_ = std::floor(usableWidth / columns_);

    const CCoord width = columns_ * columnWidth_ + 2 * kPadding;
    const CCoord height = rows_ * rowHeight_ + 2 * kPadding;
    const CRect& anchor = menu_->getViewSize();
    CRect popup(anchor.left, anchor.bottom, anchor.left + width, anchor.bottom + height);
    if (popup.bottom > frameSize.bottom)
        popup.moveTo(popup.left, anchor.top - height);
    if (popup.top < frameSize.top)
        popup.moveTo(popup.left, std::max(frameSize.top, frameSize.bottom - height));
    if (popup.right > frameSize.right)
        popup.moveTo(frameSize.right - width, popup.top);
    if (popup.left < frameSize.left)
        popup.moveTo(frameSize.left, popup.top);
    setViewSize(popup, false);
    highlighted_ = menu_->getCurrent();
}

COptionMenuPopup::~COptionMenuPopup()
{
    if (menu_)
        menu_->forget();
}

CRect COptionMenuPopup::entryRect(int32_t index) const
{
    const int32_t column = index / rows_;
    const int32_t row = index % rows_;
    CRect r(0, 0, columnWidth_, rowHeight_);
    r.offset(size_.left + kPadding + column * columnWidth_, size_.top + kPadding + row * rowHeight_);
    return r;
}

int32_t COptionMenuPopup::entryAt(const CPoint& where) const
{
    if (!menu_ || !size_.pointInside(where))
        return -1;
    const auto column = static_cast<int32_t>(std::floor((where.x - size_.left - kPadding) / columnWidth_));
    const auto row = static_cast<int32_t>(std::floor((where.y - size_.top - kPadding) / rowHeight_));
    if (column < 0 || column >= columns_ || row < 0 || row >= rows_)
        return -1;
    const int32_t index = column * rows_ + row;
    const COptionMenu::Entry* entry = menu_->getEntry(index);
    if (!entry || !entry->enabled || isSeparator(*entry))
        return -1;
    return index;
}

void COptionMenuPopup::setHighlighted(int32_t index)
{
    if (index == highlighted_)
        return;
    if (highlighted_ >= 0)
        invalidRect(entryRect(highlighted_));
    highlighted_ = index;
    if (highlighted_ >= 0)
        invalidRect(entryRect(highlighted_));
    setDirty();
}

void COptionMenuPopup::draw(CDrawContext* context)
{
    context->setFillColor(kPopupBack);
    context->drawRect(size_, kDrawFilled);
    context->setFrameColor(kPopupBorder);
    context->drawRect(size_, kDrawStroked);
    if (!menu_)
        return;
    const int32_t current = menu_->getCurrent();
    context->setFont(menu_->getFont());
    for (int32_t i = 0; i < menu_->getNbEntries(); ++i)
    {
        const COptionMenu::Entry& entry = *menu_->getEntry(i);
        const CRect r = entryRect(i);
        if (isSeparator(entry))
        {
            context->setFrameColor(kDisabledText);
            const CCoord y = std::floor(r.getCenter().y);
            context->drawLine(CPoint(r.left + 2, y), CPoint(r.right - 3, y));
            continue;
        }
        const bool highlighted = i == highlighted_;
        if (highlighted || i == current)
        {
            context->setFillColor(highlighted ? kHighlightBack : kCurrentBack);
            context->drawRect(r, kDrawFilled);
        }
        const CColor text = !entry.enabled ? kDisabledText : (highlighted ? kWhiteCColor : kBlackCColor);
        if (entry.checked)
        {
            // A tick in the mark column.
            context->setFrameColor(text);
            context->setLineWidth(2);
            context->setDrawMode(kAntiAliasing);
            const CCoord x = r.left + 3;
            const CCoord y = r.getCenter().y;
            context->drawLine(CPoint(x, y), CPoint(x + 3, y + 3));
            context->drawLine(CPoint(x + 3, y + 3), CPoint(x + 9, y - 4));
            context->setLineWidth(1);
            context->setDrawMode(kAliasing);
        }
        context->setFontColor(text);
        CRect textRect = r;
        textRect.left += kMarkWidth;
        const CRect oldClip = context->getClipRect();
        context->setClipRect(CRect(r).bound(oldClip));
        context->drawString(entry.title.c_str(), textRect, kLeftText);
        context->setClipRect(oldClip);
    }
    setDirty(false);
}

CMouseEventResult COptionMenuPopup::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!size_.pointInside(where))
    {
        if (menu_)
            menu_->closePopup();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    pressed_ = entryAt(where);
    setHighlighted(pressed_);
    return kMouseEventHandled;
}

CMouseEventResult COptionMenuPopup::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    const int32_t index = entryAt(where);
    const int32_t pressed = pressed_;
    pressed_ = -1;
    // Only a release on the entry that was pressed chooses: the release of the click that opened the list
    // arrives here too.
    if (menu_ && pressed >= 0 && index == pressed)
        menu_->chooseEntry(index);
    return kMouseEventHandled;
}

CMouseEventResult COptionMenuPopup::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    setHighlighted(entryAt(where));
    return kMouseEventHandled;
}

bool COptionMenuPopup::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons)
{
    return true;
}

int32_t COptionMenuPopup::onKeyDown(VstKeyCode& key)
{
    if (!menu_)
        return -1;
    const int32_t count = menu_->getNbEntries();
    switch (key.virt)
    {
    case VKEY_ESCAPE:
        menu_->closePopup();
        return 1;
    case VKEY_RETURN:
    case VKEY_ENTER:
        if (highlighted_ >= 0)
            menu_->chooseEntry(highlighted_);
        else
            menu_->closePopup();
        return 1;
    case VKEY_UP:
    case VKEY_DOWN:
    {
        const int32_t step = key.virt == VKEY_UP ? -1 : 1;
        int32_t index = highlighted_;
        for (int32_t tries = 0; tries < count; ++tries)
        {
            index = index < 0 ? (step > 0 ? 0 : count - 1) : (index + step + count) % count;
            const COptionMenu::Entry* entry = menu_->getEntry(index);
            if (entry && entry->enabled && !isSeparator(*entry))
            {
                setHighlighted(index);
                break;
            }
        }
        return 1;
    }
    default:
        return -1;
    }
}

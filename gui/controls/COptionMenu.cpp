#include "gui/controls/COptionMenu.h"

#include <cstdio>
#include <cstring>

#include "gui/CBitmap.h"
#include "gui/CFrame.h"
#include "gui/controls/COptionMenuPopup.h"

COptionMenu::COptionMenu(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                         CBitmap* backgroundWhenOpen, int32_t style)
    : CParamDisplay(size, background, style), backgroundWhenOpen_(backgroundWhenOpen)
{
    listener_ = listener;
    tag_ = tag;
    min_ = 0.f;
    max_ = 0.f;
    defaultValue_ = 0.f;
    if (backgroundWhenOpen_)
        backgroundWhenOpen_->remember();
}

COptionMenu::COptionMenu(const COptionMenu& other)
    : CParamDisplay(other),
      entries_(other.entries_),
      backgroundWhenOpen_(other.backgroundWhenOpen_),
      itemsPerColumn_(other.itemsPerColumn_)
{
    if (backgroundWhenOpen_)
        backgroundWhenOpen_->remember();
}

COptionMenu::~COptionMenu()
{
    if (popup_)
    {
        static_cast<COptionMenuPopup*>(popup_)->detachMenu();
        popup_->forget();
    }
    if (backgroundWhenOpen_)
        backgroundWhenOpen_->forget();
}

int32_t COptionMenu::addEntry(const char* title, int32_t index)
{
    Entry entry;
    entry.title = title ? title : "";
    if (index < 0 || index >= getNbEntries())
    {
        entries_.push_back(entry);
        index = getNbEntries() - 1;
    }
    else
        entries_.insert(entries_.begin() + index, entry);
    max_ = static_cast<float>(getNbEntries() - 1);
    setDirty();
    return index;
}

bool COptionMenu::removeEntry(int32_t index)
{
    if (!getEntry(index))
        return false;
    entries_.erase(entries_.begin() + index);
    max_ = static_cast<float>(entries_.empty() ? 0 : getNbEntries() - 1);
    setDirty();
    return true;
}

void COptionMenu::removeAllEntry()
{
    entries_.clear();
    max_ = 0.f;
    setValue(0.f);
    setDirty();
}

const COptionMenu::Entry* COptionMenu::getEntry(int32_t index) const
{
    if (index < 0 || index >= getNbEntries())
        return nullptr;
    return &entries_[static_cast<size_t>(index)];
}

const char* COptionMenu::getEntryTitle(int32_t index) const
{
    const Entry* entry = getEntry(index);
    return entry ? entry->title.c_str() : nullptr;
}

bool COptionMenu::setEntryTitle(int32_t index, const char* title)
{
    if (!getEntry(index))
        return false;
    entries_[static_cast<size_t>(index)].title = title ? title : "";
    setDirty();
    return true;
}

bool COptionMenu::checkEntry(int32_t index, bool checked)
{
    if (!getEntry(index))
        return false;
    entries_[static_cast<size_t>(index)].checked = checked;
    setDirty();
    return true;
}

bool COptionMenu::checkEntryAlone(int32_t index)
{
    if (!getEntry(index))
        return false;
    for (size_t i = 0; i < entries_.size(); ++i)
        entries_[i].checked = static_cast<int32_t>(i) == index;
    setDirty();
    return true;
}

bool COptionMenu::isCheckEntry(int32_t index) const
{
    const Entry* entry = getEntry(index);
    return entry && entry->checked;
}

bool COptionMenu::setEntryEnabled(int32_t index, bool enabled)
{
    if (!getEntry(index))
        return false;
    entries_[static_cast<size_t>(index)].enabled = enabled;
    return true;
}

bool COptionMenu::setCurrent(int32_t index)
{
    if (!getEntry(index))
        return false;
    setValue(static_cast<float>(index));
    return true;
}

int32_t COptionMenu::getCurrent() const
{
    // Values from a host can be anything: keep the conversion defined.
    const float value = getValue() + 0.5f;
    if (!(value >= 0.f))
        return 0;
    if (value >= static_cast<float>(getNbEntries()))
        return getNbEntries() > 0 ? getNbEntries() - 1 : 0;
    return static_cast<int32_t>(value);
}

const char* COptionMenu::getCurrentTitle() const { return getEntryTitle(getCurrent()); }

void COptionMenu::setValue(float value) { CParamDisplay::setValue(value); }

void COptionMenu::getDisplayText(char text[kTextCapacity]) const
{
    const char* title = getCurrentTitle();
    std::snprintf(text, kTextCapacity, "%s", title ? title : "");
}

bool COptionMenu::openPopup()
{
    if (!frame_ || entries_.empty() || isPopupOpen())
        return false;
    if (popup_)
        closePopup();
    auto* popup = new COptionMenuPopup(this, frame_->getBounds());
    if (!frame_->setModalView(popup))
    {
        popup->forget();
        return false;
    }
    popup_ = popup; // our own reference besides the frame's
    setDirty();
    return true;
}

void COptionMenu::closePopup()
{
    CView* popup = popup_;
    if (!popup)
        return;
    popup_ = nullptr;
    if (frame_ && frame_->getModalView() == popup)
        frame_->setModalView(nullptr);
    popup->forget();
    setDirty();
}

bool COptionMenu::isPopupOpen() const { return popup_ && frame_ && frame_->getModalView() == popup_; }

void COptionMenu::chooseEntry(int32_t index)
{
    const Entry* entry = getEntry(index);
    if (!entry || !entry->enabled || entry->title == "-")
        return;
    closePopup();
    setCurrent(index);
    valueChanged();
}

void COptionMenu::draw(CDrawContext* context)
{
    if (isPopupOpen() && backgroundWhenOpen_ && !(style_ & kNoDrawStyle))
    {
        backgroundWhenOpen_->draw(context, size_, backOffset_);
        if (!(style_ & kNoTextStyle))
        {
            char text[kTextCapacity];
            getDisplayText(text);
            drawText(context, text);
        }
        setDirty(false);
        return;
    }
    CParamDisplay::draw(context);
}

CMouseEventResult COptionMenu::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    openPopup();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

bool COptionMenu::removed(CView* parent)
{
    closePopup();
    return CParamDisplay::removed(parent);
}

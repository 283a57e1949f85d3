// A menu button: shows the current entry's title; a left click opens a popup list of the entries inside the frame
// (as the frame's modal view). Choosing an entry makes it current (value = its index) and tells the listener.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/controls/CParamDisplay.h"

class COptionMenu : public CParamDisplay
{
public:
    struct Entry
    {
        std::string title; // "-" is a separator, which cannot be chosen
        bool checked = false;
        bool enabled = true;
    };

    COptionMenu(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background = nullptr,
                CBitmap* backgroundWhenOpen = nullptr, int32_t style = 0);
    COptionMenu(const COptionMenu& other);
    ~COptionMenu() override;

    // Appends (index < 0 or past the end) or inserts an entry; returns its index. Max follows the entry count.
    int32_t addEntry(const char* title, int32_t index = -1);
    bool removeEntry(int32_t index);
    void removeAllEntry();
    int32_t getNbEntries() const { return static_cast<int32_t>(entries_.size()); }
    const Entry* getEntry(int32_t index) const;
    // The entry's title, or null.
    const char* getEntryTitle(int32_t index) const;
    bool setEntryTitle(int32_t index, const char* title);
    bool checkEntry(int32_t index, bool checked);
    // Checks `index` and unchecks every other entry.
    bool checkEntryAlone(int32_t index);
    bool isCheckEntry(int32_t index) const;
    bool setEntryEnabled(int32_t index, bool enabled);

    // The current entry: the value rounded, kept inside the entries. setCurrent does not tell the listener.
    bool setCurrent(int32_t index);
    int32_t getCurrent() const;
    const char* getCurrentTitle() const;
    void setValue(float value) override;

    // Entries per popup column (<= 0: as many as fit in the frame's height).
    void setNbItemsPerColumn(int32_t count) { itemsPerColumn_ = count; }
    int32_t getNbItemsPerColumn() const { return itemsPerColumn_; }
    CBitmap* getBackgroundWhenOpen() const { return backgroundWhenOpen_; }

    // Opens the popup over the frame; false when not in a frame or without entries.
    bool openPopup();
    void closePopup();
    bool isPopupOpen() const;
    // What the popup calls for a chosen entry: popup closed, the entry becomes current, listener told. Checks stay
    // as they are (the listener decides what is checked).
    virtual void chooseEntry(int32_t index);

    void draw(CDrawContext* context) override;
    void getDisplayText(char text[kTextCapacity]) const override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    bool removed(CView* parent) override;

    QOR_GUI_TYPE_COPY(COptionMenu, CParamDisplay)

protected:
    std::vector<Entry> entries_;
    CBitmap* backgroundWhenOpen_ = nullptr;
    int32_t itemsPerColumn_ = -1;
    CView* popup_ = nullptr;
};

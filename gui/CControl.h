// A view with a value in min..max, a tag and a listener. setValue may come from any thread (the effect's notice of
// a parameter change): it only stores the value and marks the view dirty; everything else is GUI thread.
#pragma once

#include <atomic>
#include <cstdint>

#include "gui/CView.h"

class CBitmap;
class CControlListener;

class CControl : public CView
{
public:
    CControl(const CRect& size, CControlListener* listener = nullptr, int32_t tag = -1, CBitmap* background = nullptr);
    CControl(const CControl& other);

    // Stores the value as given (no clamping; see bounceValue); marks the view dirty when it changes.
    virtual void setValue(float value);
    virtual float getValue() const { return value_.load(std::memory_order_relaxed); }
    virtual void setMin(float value) { min_ = value; }
    virtual float getMin() const { return min_; }
    virtual void setMax(float value) { max_ = value; }
    virtual float getMax() const { return max_; }
    float getRange() const { return max_ - min_; }
    // The value mapped to 0..1 over min..max (0 for an empty range).
    float getValueNormalized() const;
    virtual void setDefaultValue(float value) { defaultValue_ = value; }
    virtual float getDefaultValue() const { return defaultValue_; }
    virtual void setTag(int32_t tag) { tag_ = tag; }
    int32_t getTag() const { return tag_; }
    virtual void setListener(CControlListener* listener) { listener_ = listener; }
    CControlListener* getListener() const { return listener_; }
    // Step of one wheel notch in value units (default 0.1).
    virtual void setWheelInc(float increment) { wheelInc_ = increment; }
    virtual float getWheelInc() const { return wheelInc_; }

    // Clamps the value into min..max.
    virtual void bounceValue();
    // Tells the listener the value changed, and marks the view dirty.
    virtual void valueChanged();
    // Start and end of a user gesture: the frame's editor hears beginEdit/endEdit of the tag (the host's
    // automation gesture), the listener controlBeginEdit/controlEndEdit. Nested calls are counted, the editor
    // hears only the outermost pair.
    virtual void beginEdit();
    virtual void endEdit();
    bool isEditing() const { return editing_ > 0; }
    // A left click with Ctrl: value = default value, listener told, true. Otherwise false. It neither begins nor
    // ends an edit: the caller brackets it.
    virtual bool checkDefaultValue(const CButtonState& buttons);

    // Steps the value by distance x wheel increment inside min..max, as one gesture, and notifies.
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;

    QOR_GUI_TYPE(CControl, CView)

protected:
    CControlListener* listener_;
    int32_t tag_;
    std::atomic<float> value_{0.f};
    float min_ = 0.f;
    float max_ = 1.f;
    float defaultValue_ = 0.5f;
    float wheelInc_ = 0.1f;
    int32_t editing_ = 0;
};

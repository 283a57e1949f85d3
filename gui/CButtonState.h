// Mouse buttons and modifier keys of one mouse event, and the answers of the mouse handlers.
#pragma once

#include <cstdint>

enum CButton : int32_t
{
    kLButton = 1 << 0,
    kMButton = 1 << 1,
    kRButton = 1 << 2,
    kShift = 1 << 3,
    kControl = 1 << 4,
    kAlt = 1 << 5,
    kApple = 1 << 6,
    kDoubleClick = 1 << 8,
};

class CButtonState
{
public:
    constexpr CButtonState(int32_t state = 0) : state_(state) {}

    int32_t getButtonState() const { return state_; }
    int32_t getModifierState() const { return state_ & (kShift | kControl | kAlt | kApple); }
    bool isLeftButton() const { return (state_ & kLButton) != 0; }
    bool isRightButton() const { return (state_ & kRButton) != 0; }
    bool isDoubleClick() const { return (state_ & kDoubleClick) != 0; }

    int32_t operator&(int32_t bits) const { return state_ & bits; }
    int32_t operator|(int32_t bits) const { return state_ | bits; }
    bool operator==(const CButtonState& b) const { return state_ == b.state_; }
    bool operator!=(const CButtonState& b) const { return state_ != b.state_; }

private:
    int32_t state_;
};

enum CMouseEventResult : int32_t
{
    kMouseEventNotImplemented = 0,
    kMouseEventHandled,
    kMouseEventNotHandled,
    // The view needs neither moves nor the release of this press (the frame does not capture the mouse for it).
    kMouseDownEventHandledButDontNeedMovedOrUpEvents,
    // The view wants no further moves of this drag (the capture ends).
    kMouseMoveEventHandledButDontNeedMoreEvents,
};

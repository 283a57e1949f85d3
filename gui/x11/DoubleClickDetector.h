// Tells a double-click from two single clicks: a press of the same button soon after the previous one and close to
// it. A third press after a double-click starts over. X11 reports presses only, with the server's millisecond time.
#pragma once

#include <cstdint>

class DoubleClickDetector
{
public:
    static constexpr uint32_t kMaxIntervalMs = 400;
    static constexpr int32_t kMaxDistance = 4; // pixels, each axis

    // Records a press; true when it completes a double-click. `time` wraps (X server time is 32 bits).
    bool press(uint32_t button, uint32_t time, int32_t x, int32_t y);
    // Forgets the last press (the pointer left, say).
    void reset() { hasLast_ = false; }

private:
    bool hasLast_ = false;
    uint32_t lastButton_ = 0;
    uint32_t lastTime_ = 0;
    int32_t lastX_ = 0;
    int32_t lastY_ = 0;
};

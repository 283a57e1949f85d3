#include "gui/x11/DoubleClickDetector.h"

#include <cstdlib>

bool DoubleClickDetector::press(uint32_t button, uint32_t time, int32_t x, int32_t y)
{
    // Unsigned difference: correct across the wrap of the server's clock.
    const bool isDouble = hasLast_ && button == lastButton_ && time - lastTime_ <= kMaxIntervalMs &&
                          std::abs(x - lastX_) <= kMaxDistance && std::abs(y - lastY_) <= kMaxDistance;
    hasLast_ = !isDouble;
    lastButton_ = button;
    lastTime_ = time;
    lastX_ = x;
    lastY_ = y;
    return isDouble;
}

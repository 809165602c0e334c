#include "frame/wheel_rule.h"

namespace {
constexpr unsigned kControlKeyOnly = 8;  // MK_CONTROL and no other key or button
}

int tabStripShift(int wheelDistance, unsigned keyState) {
    if (keyState != kControlKeyOnly) return 0;
    if (wheelDistance == 120) return -50;
    if (wheelDistance == -120) return 50;
    return 0;
}

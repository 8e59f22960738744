#include "core/BounceMotion.h"

#include <algorithm>

namespace zolt {

namespace {

// One axis: position p of a sprite of size s moving by d inside [low, low + extent).
void Axis(int& p, int& d, int s, int low, int extent) {
    const int high = low + extent - s;  // the last position where the sprite still fits
    if (high <= low) {
        p = low;
        return;
    }
    p += d;
    if (p < low) {
        p = std::min(low + (low - p), high);
        d = -d;
    } else if (p > high) {
        p = std::max(high - (p - high), low);
        d = -d;
    }
}

}  // namespace

BounceState BounceStep(BounceState state, int w, int h, const BounceArea& area) {
    Axis(state.x, state.dx, w, area.left, area.width);
    Axis(state.y, state.dy, h, area.top, area.height);
    return state;
}

}  // namespace zolt

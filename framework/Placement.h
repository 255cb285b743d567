// What the window system makes of a top-level window's placement: positions
// stay within what it can carry, with room for a frame, and a size runs
// from one pixel to the desktop's (a larger one would only cost memory).
#pragma once

#include "framework/Types.h"

#include <algorithm>

constexpr int MaxWindowCoordinate = 30000;

constexpr TRect BoundPlacement(int x, int y, int w, int h, TSize desktop)
{
    const int left = std::clamp(x, -MaxWindowCoordinate, MaxWindowCoordinate);
    const int top = std::clamp(y, -MaxWindowCoordinate, MaxWindowCoordinate);
    return {left, top, left + std::clamp(w, 1, std::max(1, desktop.cx)), top + std::clamp(h, 1, std::max(1, desktop.cy))};
}

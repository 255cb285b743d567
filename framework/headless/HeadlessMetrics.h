// The headless platform's deterministic metrics, so tests can compute what
// a window of the editor lays out.
#pragma once

#include "framework/Types.h"

#include <algorithm>

// Every character of a font with this cell height is this wide.
inline int HeadlessCharWidth(int cellHeight) { return std::max(1, MulDiv(cellHeight, 3, 5)); }

// The cell height of a device context's font before one is selected.
constexpr int HeadlessDefaultFontHeight = 16;

constexpr int HeadlessLogPixels = 96;

// The screen that a maximised window fills.
constexpr TRect HeadlessScreen{0, 0, 1024, 768};

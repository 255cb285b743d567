// The texts of the status bar's two panes.
#pragma once

#include <cstdint>
#include <string>

// "n lines", or "n line" for one row or none.
std::string LineCountText(int64_t rows);
// "row: r; col: c", both counted from 0.
std::string CaretPositionText(int32_t row, int32_t col);

// The reflow passes that restore the row invariants after an edit: the
// unwrapped pass (split at line ends, join rows without one) and the
// wrapped pass (wrap at spaces, tabs and hyphens to the window width).
#pragma once

#include "core/LineArray.h"

struct TReflowParams {
    bool WordWrap = false;
    int WindowCols = 0;  // the wrap width; below 1 counts as 1
    int TabSize = 3;
};

struct TReflowResult {
    TRowIndex FirstChanged = -1;  // the first row below the start whose repaint is needed
    TRowIndex RowsExamined = 0;   // how far the pass went, for measurements
};

// Runs the pass from (row, col) on. With toEnd the pass runs to the end of
// the document, and from row 0 it leaves the rows settled for params.
// Otherwise it goes over at least the rows changed since the last pass and
// stops at the first row boundary after them where the next row is one it
// has not touched: the rows from there on are as the pass would leave them.
TReflowResult ReflowRows(THELineArray& lines, TRowIndex row, TRowIndex col, bool toEnd, const TReflowParams& params);

// What THELineArray::SettledFor holds after a full pass with params.
uint64_t ReflowKey(const TReflowParams& params);
// Rows a reflow made, to be wrapped again all the same: no parameters give
// this key.
constexpr uint64_t UnsettledKey = 2;

// Break characters of the wrapped pass (space, tab, hyphen).
inline bool IsWrapBreak(char c) { return c == ' ' || c == '\t' || c == '-'; }

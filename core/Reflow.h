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

// Runs the pass from (row, col) on.
TReflowResult ReflowRows(THELineArray& lines, TRowIndex row, TRowIndex col, bool toEnd, const TReflowParams& params);

// Break characters of the wrapped pass (space, tab, hyphen).
inline bool IsWrapBreak(char c) { return c == ' ' || c == '\t' || c == '-'; }

// The clipboard's text block of a stretch of the rows: each line feed
// written as CR LF, a soft row end adding nothing (so a wrapped paragraph
// comes out as one line), ended by a NUL.
#pragma once

#include "core/LineArray.h"

#include <string>

// The text from (row1, col1) up to, not including, (row2, col2); the first
// position must not come after the second. The block is allocated once, at
// its exact size.
std::string ClipboardBlock(const THELineArray& lines, TRowIndex row1, TRowIndex col1, TRowIndex row2, TRowIndex col2);

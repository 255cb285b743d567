// Display columns: every character counts one column, and a tab then
// rounds the count up to the next multiple of the tab size. A tab size
// below 1 counts as 1.
#pragma once

#include <cstddef>
#include <string_view>

// The display width of the first count characters of text (count is cut to
// the text's length).
int DisplayColumn(std::string_view text, size_t count, int tabSize);

// The tab size actually used for a requested one.
inline int EffectiveTabSize(int tabSize) { return tabSize < 1 ? 1 : tabSize; }

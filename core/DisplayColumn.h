// Display columns: every character counts one column, and a tab then
// rounds the count up to the next multiple of the tab size. A tab size
// below 1 counts as 1.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The display width of the first count characters of text (count is cut to
// the text's length).
int DisplayColumn(std::string_view text, size_t count, int tabSize);

// The character that covers display column `column` (a tab covers every
// column up to its stop), or text.size() when the text ends before it;
// startColumn gets that character's first column. Costs a look at each tab
// before it, not at each character.
size_t CharAtColumn(std::string_view text, int64_t column, int tabSize, int64_t& startColumn);

// The tab size actually used for a requested one.
inline int EffectiveTabSize(int tabSize) { return tabSize < 1 ? 1 : tabSize; }

// Display columns: every character counts one column, and a tab then
// rounds the count up to the next multiple of the tab size. A tab size
// below 1 counts as 1.
#pragma once

#include "core/Row.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The display width of the first count characters of text (count is cut to
// the text's length). A row of tabs can reach past 2^31 columns, so pixel
// positions are worked out from this one.
int64_t DisplayWidth(std::string_view text, size_t count, int tabSize);

// The same, cut to INT_MAX: enough where it is compared with a width.
inline int DisplayColumn(std::string_view text, size_t count, int tabSize)
{
    return int(std::min<int64_t>(DisplayWidth(text, count, tabSize), INT_MAX));
}

// The character that covers display column `column` (a tab covers every
// column up to its stop), or text.size() when the text ends before it;
// startColumn gets that character's first column. Costs a look at each tab
// before it, not at each character.
size_t CharAtColumn(std::string_view text, int64_t column, int tabSize, int64_t& startColumn);

// The tab size actually used for a requested one.
inline int EffectiveTabSize(int tabSize) { return tabSize < 1 ? 1 : tabSize; }

// The same for a row (its line end counts as a character). A row that
// knows it holds no tab is not looked at; a look at most of a row is made
// once, so that the row learns it.
inline int64_t DisplayWidth(const TRow& row, size_t count, int tabSize)
{
    if (row.KnownTabFree() || (count > row.size() / 2 && !row.HasTabs()))
        return int64_t(std::min(count, row.size()));
    return DisplayWidth(row.View(), count, tabSize);
}

inline int DisplayColumn(const TRow& row, size_t count, int tabSize)
{
    return int(std::min<int64_t>(DisplayWidth(row, count, tabSize), INT_MAX));
}

inline size_t CharAtColumn(const TRow& row, int64_t column, int tabSize, int64_t& startColumn)
{
    if (row.KnownTabFree() || (column > int64_t(row.size() / 2) && !row.HasTabs())) {
        startColumn = std::clamp<int64_t>(column, 0, int64_t(row.size()));
        return size_t(startColumn);
    }
    return CharAtColumn(row.View(), column, tabSize, startColumn);
}

// The search over the rows: candidate positions are walked from a start
// position forward or backward, and a match never spans two rows.
#pragma once

#include "core/LineArray.h"

#include <optional>
#include <string_view>

struct TRowMatch {
    TRowIndex Row;
    TRowIndex Col;
};

// The first match of text at or after (before) (row, col): compared exactly
// with matchCase, else ignoring the case of A-Z and a-z; with wholeWord the
// match must not touch a letter on either side.
std::optional<TRowMatch> SearchRows(const THELineArray& lines, TRowIndex row, TRowIndex col, std::string_view text,
                                    bool matchCase, bool wholeWord, bool backward);

// The letters that make words for the whole-word test.
inline bool IsSearchWordChar(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
